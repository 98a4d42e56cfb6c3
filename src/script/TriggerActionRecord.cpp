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

static_assert(!hasTextField(kFields), "read through fieldSourceWithoutText");

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
    const std::span<const uint8_t> r = fieldSourceWithoutText(kLayout, record, bytes);
    auto field = [&](size_t f) { return getIntField(r, kFields[f]); };

    const auto kind = uint8_t(field(Kind));
    ActionParameters parameters = keptActionParameters(
        kind,
        ActionParameters{{uint8_t(field(A0)), uint8_t(field(A1)), uint8_t(field(A2)), uint8_t(field(A3))},
                         uint32_t(field(B))},
        RecordDirection::Read);
    if (kind == uint8_t(ActionKind::SetCreatureObjective) && parameters.a[1] == CreatureObjective::Null) {
        parameters.a[1] = CreatureObjective::KillPlayer;
        parameters.a[0] = kDefaultObjectivePlayer;
    }
    // Made in one go at the end: filled in member by member, the compiler stored part of the
    // result and read it back as a whole word before the parts had landed, stalling every record.
    return TriggerActionRecord{parameters, int16_t(field(Id)), int16_t(field(Next)), kind};
}

} // namespace gr2
