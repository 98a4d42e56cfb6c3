#include "script/TriggerActionRecord.h"

#include "script/CreatureObjective.h"
#include "worlddata/SectionIds.h"

#include <array>

namespace gr2 {

namespace {

constexpr FieldDef kFields[] = {
    {"a0", 0, 1, FieldKind::UInt},    {"a1", 1, 1, FieldKind::UInt},
    {"a2", 2, 1, FieldKind::UInt},    {"a3", 3, 1, FieldKind::UInt},
    {"b", 4, 4, FieldKind::UInt},     {"id", 8, 2, FieldKind::Int},
    {"next", 10, 2, FieldKind::Int},  {"reserved", 12, 2, FieldKind::Raw},
    {"kind", 14, 1, FieldKind::UInt}, {"reserved2", 15, 1, FieldKind::Raw},
};

const RecordLayout kLayout{"Trigger Action", RecordSize::TriggerItem, kFields};

constexpr uint8_t kDefaultObjectivePlayer = 3;

} // namespace

const RecordLayout& TriggerActionRecord::layout()
{
    return kLayout;
}

Bytes TriggerActionRecord::pack() const
{
    Bytes rec(kLayout.size, 0);
    std::span<uint8_t> r(rec);
    const ActionParameters kept = keptActionParameters(kind, parameters, RecordDirection::Write);
    for (size_t i = 0; i < 4; ++i)
        setIntField(r, kFields[A0 + i], kept.a[i]);
    setIntField(r, kFields[B], kept.b);
    setIntField(r, kFields[Id], id);
    setIntField(r, kFields[Next], next);
    setIntField(r, kFields[Kind], kind);
    return rec;
}

TriggerActionRecord TriggerActionRecord::read(const FlaggedRecord& record)
{
    std::array<uint8_t, RecordSize::TriggerItem> bytes{};
    const std::span<const uint8_t> r = fieldSource(kLayout, record, bytes);
    auto field = [&](size_t f) { return getIntField(r, kFields[f]); };

    TriggerActionRecord out;
    out.id = int16_t(field(Id));
    out.kind = uint8_t(field(Kind));
    out.next = int16_t(field(Next));
    ActionParameters stored;
    for (size_t i = 0; i < 4; ++i)
        stored.a[i] = uint8_t(field(A0 + i));
    stored.b = uint32_t(field(B));
    out.parameters = keptActionParameters(out.kind, stored, RecordDirection::Read);
    const bool objectiveAction = out.kind == uint8_t(ActionKind::SetCreatureObjective);
    if (objectiveAction && out.parameters.a[1] == CreatureObjective::Null) {
        out.parameters.a[1] = CreatureObjective::KillPlayer;
        out.parameters.a[0] = kDefaultObjectivePlayer;
    }
    return out;
}

} // namespace gr2
