#pragma once
// A RecordSink with every entry filled, each touching every byte it is given, so a file read
// through it walks every section kind, record-size rule and skip path of the reader.

#include "worlddata/RecordSink.h"

#include <cstdint>

namespace gr2::test {

inline RecordSink fullRecordSink()
{
    RecordSink s;
    auto touch = [](const FlaggedRecord& r) {
        volatile uint8_t sum = 0;
        for (uint8_t b : r.bytes())
            sum = uint8_t(sum + b);
        return true;
    };
    auto header = [](const SectionInfo&) { return true; };
    s.notification = [](Notification, bool) {};
    for (TypeSinkEntry* e :
         {&s.terrain, &s.room, &s.door, &s.trap, &s.vorlanSpell, &s.creatureSpell, &s.creature, &s.player,
          &s.variable, &s.object, &s.effectElement, &s.effect, &s.shot}) {
        e->header = header;
        e->record = touch;
    }
    s.map.header = [](uint32_t, uint32_t) { return true; };
    s.map.element = [touch](uint32_t, uint32_t, const FlaggedRecord& r) { return touch(r); };
    s.thing.header = header;
    for (RecordEntry* e :
         {&s.thing.creatureNeutral, &s.thing.creatureGood, &s.thing.creatureEvil, &s.thing.door,
          &s.thing.trap, &s.thing.object, &s.thing.actionPoint, &s.thing.heroParty, &s.thing.deadBody,
          &s.thing.effectGenerator, &s.thing.room, &s.thing.plinth, &s.thing.camera})
        *e = touch;
    s.thing.unknown = [](uint32_t, std::span<const uint8_t> p) { return p.size() < (1u << 30); };
    s.trigger.header = [](const TriggerSectionInfo&) { return true; };
    s.trigger.when = touch;
    s.trigger.action = touch;
    s.level.header = header;
    s.level.description = touch;
    s.level.resource = touch;
    s.level.availableCreature = touch;
    return s;
}

} // namespace gr2::test
