#include "forms/RecordFields.h"

#include "level/TextConversion.h"

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

/// A choice among bits of a flags word reached through `getWord` and `setWord`.
template <class Target>
FieldAccess<Target> bitChoice(const FieldDef& flags, std::initializer_list<int> bits,
                              std::function<int64_t(const Target&)> getWord,
                              std::function<void(Target&, int64_t)> setWord)
{
    FieldAccess<Target> access;
    const uint32_t mask = maskOf(bits);
    access.traits.capacity = {0, double(mask)};
    access.traits.isUnsigned = true;
    access.footprint = {{flags.offset, flags.width, mask}};
    // The bits as stored: a word with several of them set (or none, where every choice is a bit)
    // matches no choice, so the list shows none and the word is kept until the user picks one.
    access.read = [getWord, mask](const Target& t) { return FieldValue(getWord(t) & int64_t(mask)); };
    access.write = [getWord, setWord, mask](Target& t, const FieldValue& v) {
        setWord(t, (getWord(t) & ~int64_t(mask)) | (integerOf(v) & int64_t(mask)));
    };
    return access;
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

FieldAccess<CTypeRecord> recordField(TypeField field, size_t element)
{
    FieldAccess<CTypeRecord> access;
    const FieldDef& def = field.def();
    access.traits = fieldTraits(def);
    FieldFootprint footprint = footprintOf(def);
    footprint.offset = def.elementOffset(element);
    access.footprint = {footprint};
    if (isWhole(def.kind)) {
        access.read = [field, element](const CTypeRecord& r) {
            return FieldValue(r.intValue(field, element));
        };
        access.write = [field, element](CTypeRecord& r, const FieldValue& v) {
            r.setIntValue(field, integerOf(v), element);
        };
    } else if (isReal(def.kind)) {
        access.read = [field, element](const CTypeRecord& r) {
            return FieldValue(r.realValue(field, element));
        };
        access.write = [field, element](CTypeRecord& r, const FieldValue& v) {
            if (const auto* d = std::get_if<double>(&v))
                r.setRealValue(field, *d, element);
            else
                r.setRealValue(field, double(integerOf(v)), element);
        };
    } else if (def.kind == FieldKind::Text || def.kind == FieldKind::ArtResource) {
        access.read = [field, element](const CTypeRecord& r) {
            return FieldValue(r.textValue(field, element));
        };
        access.write = [field, element](CTypeRecord& r, const FieldValue& v) {
            if (const auto* s = std::get_if<std::string>(&v))
                r.setTextValue(field, *s, element);
        };
    } else {
        access.read = [field, element](const CTypeRecord& r) {
            const std::span<const uint8_t> bytes = r.fieldBytes(field, element);
            return FieldValue(Bytes(bytes.begin(), bytes.end()));
        };
        access.write = [field, element](CTypeRecord& r, const FieldValue& v) {
            if (const auto* b = std::get_if<Bytes>(&v))
                r.setFieldBytes(field, *b, element);
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
    return bitChoice<CTypeRecord>(
        flags.def(), bits, [flags](const CTypeRecord& r) { return r.intValue(flags); },
        [flags](CTypeRecord& r, int64_t word) { r.setIntValue(flags, word); });
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

FieldAccess<CTypeRecord> recordFieldsOf(const FormDescription<Bytes>& subForm)
{
    FieldAccess<CTypeRecord> access;
    for (const FieldAccess<Bytes>& field : subForm.fields)
        access.footprint.insert(access.footprint.end(), field.footprint.begin(), field.footprint.end());
    access.read = [](const CTypeRecord& r) { return FieldValue(Bytes(r.bytes().begin(), r.bytes().end())); };
    access.write = [footprint = access.footprint](CTypeRecord& r, const FieldValue& v) {
        const auto* block = std::get_if<Bytes>(&v);
        if (!block)
            return;
        // Byte by byte, each under the bits its row covers.
        for (const FieldFootprint& f : footprint)
            for (uint32_t i = 0; i < f.width; ++i) {
                const FieldDef byte{"", f.offset + i, 1, FieldKind::UInt};
                if (byte.end() > block->size() || byte.end() > r.bytes().size())
                    continue;
                const int64_t mask = f.bits ? (f.bits >> (8 * i)) & 0xFF : 0xFF;
                const int64_t kept = r.intValue(byte) & ~mask;
                r.setIntValue(byte, kept | (getIntField(*block, byte) & mask));
            }
    };
    return access;
}

FieldAccess<Bytes> blockField(const FieldDef& field, size_t element)
{
    FieldAccess<Bytes> access;
    access.traits = fieldTraits(field);
    FieldFootprint footprint = footprintOf(field);
    footprint.offset = field.elementOffset(element);
    access.footprint = {footprint};
    if (isReal(field.kind)) {
        access.read = [field, element](const Bytes& b) {
            return FieldValue(getRealField(b, field, element));
        };
        access.write = [field, element](Bytes& b, const FieldValue& v) {
            const auto* d = std::get_if<double>(&v);
            setRealField(b, field, d ? *d : double(integerOf(v)), element);
        };
    } else {
        access.read = [field, element](const Bytes& b) { return FieldValue(getIntField(b, field, element)); };
        access.write = [field, element](Bytes& b, const FieldValue& v) {
            setIntField(b, field, integerOf(v), element);
        };
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

FieldAccess<Bytes> blockBitChoice(const FieldDef& flags, std::initializer_list<int> bits)
{
    return bitChoice<Bytes>(
        flags, bits, [flags](const Bytes& b) { return getIntField(b, flags); },
        [flags](Bytes& b, int64_t word) { setIntField(b, flags, word); });
}

std::function<std::string(const Bytes&)> captionNaming(std::string prefix, const FieldDef& name)
{
    return [prefix = std::move(prefix), name](const Bytes& b) {
        return prefix + "\"" + latin1ToUtf8(getTextField(b, name)) + "\"";
    };
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
