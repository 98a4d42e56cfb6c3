#include "script/TriggerSection.h"

#include "level/CCreature.h"
#include "level/CObjectThing.h"
#include "level/CWorldEditorDoc.h"
#include "script/LevelScript.h"
#include "script/TriggerActionRecord.h"
#include "script/TriggerWhenRecord.h"
#include "worlddata/SectionIds.h"

namespace gr2 {

namespace {

/// The class bit of an object type that marks the level's portal gem.
constexpr uint32_t kLevelGemClass = 1u << 12;

} // namespace

namespace TriggerSection {

uint32_t portalGemWord(const CWorldEditorDoc& doc)
{
    for (const auto& o : doc.objects()) {
        if (o->isPlaced() && (o->typeFlags() & kLevelGemClass)) {
            ActionParameters p;
            p.setB(uint16_t(o->x()), uint16_t(o->y()));
            return p.b;
        }
    }
    return 0;
}

void refreshAction(CAction& action, const CWorldEditorDoc& doc)
{
    if (action.kind() == uint8_t(ActionKind::CreateCreature) && action.creature()) {
        action.setA(0, action.creature()->type());
        action.setA(3, action.creature()->flags1());
    } else if (action.kind() == uint8_t(ActionKind::CreatePortalGem)) {
        action.setB(portalGemWord(doc));
    }
}

Bytes packTrigger(const CTrigger& trigger)
{
    TriggerWhenRecord r;
    r.parameters = trigger.parameters();
    r.value = trigger.value();
    r.id = trigger.id();
    r.next = trigger.next();
    r.child = trigger.child();
    r.kind = trigger.kind();
    r.repeat = trigger.repeat();
    return r.pack();
}

Bytes packAction(CAction& action, const CWorldEditorDoc& doc)
{
    refreshAction(action, doc);
    TriggerActionRecord r;
    r.parameters = action.parameters();
    r.id = action.id();
    r.next = action.next();
    r.kind = action.kind();
    return r.pack();
}

std::vector<ThingItem> collectItems(LevelScript& script)
{
    std::vector<ThingItem> items;
    items.reserve(script.triggers().size() + script.actions().size());
    for (const auto& t : script.triggers())
        items.push_back({kTriggerWhenItem, packTrigger(*t)});
    for (const auto& a : script.actions())
        items.push_back({kTriggerActionItem, packAction(*a, script.document())});
    return items;
}

void write(Bytes& out, LevelScript& script, const DateStamp& saved)
{
    TriggerSectionInfo info;
    info.triggerCount = uint32_t(script.triggers().size());
    info.actionCount = uint32_t(script.actions().size());
    info.created = saved;
    info.saved = saved;
    writeTriggerSection(out, info, collectItems(script));
}

} // namespace TriggerSection

void TriggerSink::bind(RecordSink& sink)
{
    sink.trigger.when = [this](const FlaggedRecord& r) { return when(r); };
    sink.trigger.action = [this](const FlaggedRecord& r) { return action(r); };
}

bool TriggerSink::when(const FlaggedRecord& record)
{
    const TriggerWhenRecord r = TriggerWhenRecord::read(record, m_script.document().version().major());
    std::unique_ptr<CTrigger> t = m_script.makeTrigger();
    t->setKind(r.kind);
    t->setId(r.id);
    t->setNext(r.next);
    t->setChild(r.child);
    t->setRepeat(r.repeat);
    t->setParameters(r.parameters);
    t->setValue(r.value);
    m_script.addLoadedTrigger(std::move(t));
    return true;
}

bool TriggerSink::action(const FlaggedRecord& record)
{
    const TriggerActionRecord r = TriggerActionRecord::read(record);
    std::unique_ptr<CAction> a = m_script.makeAction();
    a->setKind(r.kind);
    a->setId(r.id);
    a->setNext(r.next);
    a->setParameters(r.parameters);
    m_script.addLoadedAction(std::move(a));
    return true;
}

} // namespace gr2
