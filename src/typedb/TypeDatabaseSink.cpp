#include "typedb/TypeDatabaseSink.h"

#include "typedb/CTypeDatabase.h"
#include "worlddata/ByteOrder.h"

namespace gr2 {

namespace {

TypeSinkEntry& entryOf(RecordSink& sink, TypeFamily family)
{
    switch (family) {
    case TypeFamily::Terrain:
        return sink.terrain;
    case TypeFamily::Room:
        return sink.room;
    case TypeFamily::Creature:
        return sink.creature;
    case TypeFamily::Door:
        return sink.door;
    case TypeFamily::Trap:
        return sink.trap;
    case TypeFamily::Object:
        return sink.object;
    case TypeFamily::VorlanSpell:
        return sink.vorlanSpell;
    case TypeFamily::CreatureSpell:
        return sink.creatureSpell;
    case TypeFamily::Shot:
        return sink.shot;
    case TypeFamily::Effect:
        return sink.effect;
    case TypeFamily::EffectElement:
        break;
    }
    return sink.effectElement;
}

} // namespace

void fillTypeSink(RecordSink& sink, CTypeDatabase& db, TypeFamily family)
{
    TypeSinkEntry& entry = entryOf(sink, family);
    if (!entry.header)
        entry.header = [&db, family](const SectionInfo& info) {
            db.setCreated(family, info.created);
            return true;
        };
    if (!entry.record)
        entry.record = [&db, family](const FlaggedRecord& record) {
            std::unique_ptr<CTypeRecord> type = CTypeRecord::create(family);
            type->applyFileRecord(record);
            return db.table(family).appendRecord(std::move(type));
        };
}

void fillAllTypeSinks(RecordSink& sink, CTypeDatabase& db)
{
    for (TypeFamily f : kAllTypeFamilies)
        fillTypeSink(sink, db, f);
}

void fillVariableSink(RecordSink& sink, CTypeDatabase& db, bool withCameraModes)
{
    sink.variable.header = [&db](const SectionInfo& info) {
        db.setVariablesCreated(info.created);
        return true;
    };
    sink.variable.record = [&db](const FlaggedRecord& record) {
        std::span<const uint8_t> b = record.bytes();
        if (b.size() < RecordSize::Variable)
            return true; // the reader always hands full records; anything else carries nothing
        VariableRecord r{loadU32(b.data()), loadU32(b.data() + 4), loadU32(b.data() + 8),
                         loadU32(b.data() + 12)};
        db.variables().applyRecord(
            r, [&db](uint8_t family, uint8_t type) { return db.typeValueTypeExists(family, type); });
        return true;
    };
    if (withCameraModes)
        sink.thing.camera = [&db](const FlaggedRecord& record) {
            CameraMode mode;
            std::span<const uint8_t> b = record.bytes();
            std::copy_n(b.data(), std::min(b.size(), mode.bytes.size()), mode.bytes.data());
            db.cameraModes().push_back(mode);
            return true;
        };
}

} // namespace gr2
