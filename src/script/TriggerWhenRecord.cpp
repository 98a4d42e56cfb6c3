#include "script/TriggerWhenRecord.h"

#include "worlddata/SectionIds.h"

#include <array>

namespace gr2 {

namespace {

constexpr FieldDef kFields[] = {
    {"op", 0, 1, FieldKind::UInt},      {"subject", 1, 1, FieldKind::UInt}, {"flags", 2, 1, FieldKind::UInt},
    {"other", 3, 1, FieldKind::UInt},   {"value", 4, 4, FieldKind::UInt},   {"id", 8, 2, FieldKind::Int},
    {"next", 10, 2, FieldKind::Int},    {"child", 12, 2, FieldKind::Int},   {"kind", 14, 1, FieldKind::UInt},
    {"repeat", 15, 1, FieldKind::UInt},
};

static_assert(!hasTextField(kFields), "read through fieldSourceWithoutText");

const RecordLayout kLayout{"Trigger When", RecordSize::TriggerItem, kFields};

} // namespace

const RecordLayout& TriggerWhenRecord::layout()
{
    return kLayout;
}

Bytes TriggerWhenRecord::pack() const
{
    Bytes rec(kLayout.size, 0);
    std::span<uint8_t> r(rec);
    const TriggerParameters kept = keptTriggerParameters(kind, parameters);
    setIntField(r, kFields[Op], kept.op);
    setIntField(r, kFields[Subject], kept.subject);
    setIntField(r, kFields[Flags], kept.flags);
    setIntField(r, kFields[Other], kept.other);
    setIntField(r, kFields[Value], value);
    setIntField(r, kFields[Id], id);
    setIntField(r, kFields[Next], next);
    setIntField(r, kFields[Child], child);
    setIntField(r, kFields[Kind], kind);
    setIntField(r, kFields[Repeat], repeat);
    return rec;
}

TriggerWhenRecord TriggerWhenRecord::read(const FlaggedRecord& record, int levelMajorVersion)
{
    // Fields whose presence flag is clear read as 0, like the bytes of a shorter record.
    std::array<uint8_t, RecordSize::TriggerItem> bytes{};
    const std::span<const uint8_t> r = fieldSourceWithoutText(kLayout, record, bytes);
    auto field = [&](Field f) { return getIntField(r, kFields[f]); };

    TriggerWhenRecord out;
    out.kind = uint8_t(field(Kind));
    if (out.kind == uint8_t(TriggerKind::NotUsed))
        out.kind = uint8_t(TriggerKind::CongregateIn);
    out.id = int16_t(field(Id));
    out.next = int16_t(field(Next));
    out.child = int16_t(field(Child));
    out.repeat = uint8_t(field(Repeat));
    TriggerParameters stored{uint8_t(field(Op)), uint8_t(field(Subject)), uint8_t(field(Flags)),
                             uint8_t(field(Other))};
    out.parameters = keptTriggerParameters(out.kind, stored);
    out.value = uint32_t(field(Value));
    if (levelMajorVersion == 1 &&
        (out.kind == uint8_t(TriggerKind::Health) || out.kind == uint8_t(TriggerKind::GoldHeld)))
        out.value = 100;
    return out;
}

} // namespace gr2
