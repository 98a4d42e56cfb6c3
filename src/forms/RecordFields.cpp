#include "forms/RecordFields.h"

#include <cmath>

namespace gr2 {

namespace {

NumberRange integerCapacity(uint16_t width, bool isSigned)
{
    const int bits = width >= 4 ? 32 : width * 8;
    if (isSigned)
        return {-std::ldexp(1.0, bits - 1), std::ldexp(1.0, bits - 1) - 1};
    return {0, std::ldexp(1.0, bits) - 1};
}

bool isReal(FieldKind kind)
{
    return kind == FieldKind::Real || kind == FieldKind::Real16x16 || kind == FieldKind::PercentReal;
}

bool isWhole(FieldKind kind)
{
    return kind == FieldKind::Int || kind == FieldKind::UInt || kind == FieldKind::Flags;
}

/// The bytes a write of the field's first element touches: an art resource's name only.
FieldFootprint footprintOf(const FieldDef& field)
{
    return {field.offset, field.kind == FieldKind::ArtResource ? 64u : field.width, 0};
}

uint32_t maskOf(std::initializer_list<int> bits)
{
    uint32_t mask = 0;
    for (int bit : bits)
        mask |= 1u << bit;
    return mask;
}

} // namespace

NumberTraits fieldTraits(const FieldDef& field)
{
    NumberTraits traits;
    switch (field.kind) {
    case FieldKind::Int:
        traits.capacity = integerCapacity(field.width, true);
        break;
    case FieldKind::UInt:
    case FieldKind::Flags:
        traits.capacity = integerCapacity(field.width, false);
        traits.isUnsigned = true;
        break;
    case FieldKind::Real:
    case FieldKind::Real16x16:
    case FieldKind::PercentReal: {
        // The stored unit is the smallest step; the largest value is one unit below the limit.
        traits.scale = field.kind == FieldKind::Real16x16     ? 65536.0
                       : field.kind == FieldKind::PercentReal ? 40.96
                                                              : 4096.0;
        const NumberRange units = integerCapacity(field.kind == FieldKind::Real ? field.width : 4, true);
        traits.capacity = {units.low / traits.scale, units.high / traits.scale};
        break;
    }
    default:
        break;
    }
    return traits;
}

FieldAccess<CTypeRecord> recordField(TypeField field)
{
    FieldAccess<CTypeRecord> access;
    const FieldDef& def = field.def();
    access.traits = fieldTraits(def);
    access.footprint = {footprintOf(def)};
    if (isWhole(def.kind)) {
        access.read = [field](const CTypeRecord& r) { return FieldValue(r.intValue(field)); };
        access.write = [field](CTypeRecord& r, const FieldValue& v) { r.setIntValue(field, integerOf(v)); };
    } else if (isReal(def.kind)) {
        access.read = [field](const CTypeRecord& r) { return FieldValue(r.realValue(field)); };
        access.write = [field](CTypeRecord& r, const FieldValue& v) {
            if (const auto* d = std::get_if<double>(&v))
                r.setRealValue(field, *d);
            else
                r.setRealValue(field, double(integerOf(v)));
        };
    } else if (def.kind == FieldKind::Text || def.kind == FieldKind::ArtResource) {
        access.read = [field](const CTypeRecord& r) { return FieldValue(r.textValue(field)); };
        access.write = [field](CTypeRecord& r, const FieldValue& v) {
            if (const auto* s = std::get_if<std::string>(&v))
                r.setTextValue(field, *s);
        };
    } else {
        access.read = [field](const CTypeRecord& r) {
            const std::span<const uint8_t> bytes = r.fieldBytes(field);
            return FieldValue(Bytes(bytes.begin(), bytes.end()));
        };
        access.write = [field](CTypeRecord& r, const FieldValue& v) {
            if (const auto* b = std::get_if<Bytes>(&v))
                r.setFieldBytes(field, *b);
        };
    }
    return access;
}

FieldAccess<CTypeRecord> recordFlag(TypeField flags, int bit)
{
    FieldAccess<CTypeRecord> access;
    access.traits.capacity = {0, 1};
    access.traits.isUnsigned = true;
    access.footprint = {{flags.def().offset, flags.def().width, 1u << bit}};
    access.read = [flags, bit](const CTypeRecord& r) {
        return FieldValue(int64_t((r.intValue(flags) >> bit) & 1));
    };
    access.write = [flags, bit](CTypeRecord& r, const FieldValue& v) {
        const int64_t word = r.intValue(flags);
        const int64_t mask = int64_t(1) << bit;
        r.setIntValue(flags, integerOf(v) ? (word | mask) : (word & ~mask));
    };
    return access;
}

FieldAccess<CTypeRecord> recordBitChoice(TypeField flags, std::initializer_list<int> bits)
{
    FieldAccess<CTypeRecord> access;
    const uint32_t mask = maskOf(bits);
    const std::vector<int> order(bits);
    access.traits.capacity = {0, double(mask)};
    access.traits.isUnsigned = true;
    access.footprint = {{flags.def().offset, flags.def().width, mask}};
    access.read = [flags, order](const CTypeRecord& r) {
        const int64_t word = r.intValue(flags);
        for (int bit : order)
            if ((word >> bit) & 1)
                return FieldValue(bitChoiceValue(bit));
        return FieldValue(int64_t(0));
    };
    access.write = [flags, mask](CTypeRecord& r, const FieldValue& v) {
        const int64_t word = r.intValue(flags) & ~int64_t(mask);
        r.setIntValue(flags, word | (integerOf(v) & int64_t(mask)));
    };
    return access;
}

FieldAccess<CTypeRecord> recordNinthBitValue(TypeField lowByte, TypeField flags, int ninthBit)
{
    FieldAccess<CTypeRecord> access;
    access.traits.capacity = {0, 511};
    access.traits.isUnsigned = true;
    access.footprint = {{lowByte.def().offset, 1, 0},
                        {flags.def().offset, flags.def().width, 1u << ninthBit}};
    access.read = [lowByte, flags, ninthBit](const CTypeRecord& r) {
        const int64_t high = (r.intValue(flags) >> ninthBit) & 1;
        return FieldValue((high << 8) | (r.intValue(lowByte) & 0xFF));
    };
    access.write = [lowByte, flags, ninthBit](CTypeRecord& r, const FieldValue& v) {
        const int64_t value = integerOf(v);
        r.setIntValue(lowByte, value & 0xFF);
        const int64_t word = r.intValue(flags);
        const int64_t mask = int64_t(1) << ninthBit;
        r.setIntValue(flags, (value & 0x100) ? (word | mask) : (word & ~mask));
    };
    return access;
}

FieldAccess<Bytes> blockField(const FieldDef& field)
{
    FieldAccess<Bytes> access;
    access.traits = fieldTraits(field);
    access.footprint = {footprintOf(field)};
    if (isReal(field.kind)) {
        access.read = [field](const Bytes& b) { return FieldValue(getRealField(b, field)); };
        access.write = [field](Bytes& b, const FieldValue& v) {
            const auto* d = std::get_if<double>(&v);
            setRealField(b, field, d ? *d : double(integerOf(v)));
        };
    } else {
        access.read = [field](const Bytes& b) { return FieldValue(getIntField(b, field)); };
        access.write = [field](Bytes& b, const FieldValue& v) { setIntField(b, field, integerOf(v)); };
    }
    return access;
}

FieldAccess<Bytes> blockFlag(const FieldDef& flags, int bit)
{
    FieldAccess<Bytes> access;
    access.traits.capacity = {0, 1};
    access.traits.isUnsigned = true;
    access.footprint = {{flags.offset, flags.width, 1u << bit}};
    access.read = [flags, bit](const Bytes& b) { return FieldValue((getIntField(b, flags) >> bit) & 1); };
    access.write = [flags, bit](Bytes& b, const FieldValue& v) {
        const int64_t word = getIntField(b, flags);
        const int64_t mask = int64_t(1) << bit;
        setIntField(b, flags, integerOf(v) ? (word | mask) : (word & ~mask));
    };
    return access;
}

FieldAccess<Bytes> blockNinthBitValue(const FieldDef& lowByte, const FieldDef& flags, int ninthBit)
{
    FieldAccess<Bytes> access;
    access.traits.capacity = {0, 511};
    access.traits.isUnsigned = true;
    access.footprint = {{lowByte.offset, 1, 0}, {flags.offset, flags.width, 1u << ninthBit}};
    access.read = [lowByte, flags, ninthBit](const Bytes& b) {
        const int64_t high = (getIntField(b, flags) >> ninthBit) & 1;
        return FieldValue((high << 8) | (getIntField(b, lowByte) & 0xFF));
    };
    access.write = [lowByte, flags, ninthBit](Bytes& b, const FieldValue& v) {
        const int64_t value = integerOf(v);
        setIntField(b, lowByte, value & 0xFF);
        const int64_t word = getIntField(b, flags);
        const int64_t mask = int64_t(1) << ninthBit;
        setIntField(b, flags, (value & 0x100) ? (word | mask) : (word & ~mask));
    };
    return access;
}

} // namespace gr2
