#include "typedb/CTypeRecord.h"

#include "typedb/CCreatureSpellType.h"
#include "typedb/CCreatureType.h"
#include "typedb/CDoorType.h"
#include "typedb/CEffectElementType.h"
#include "typedb/CEffectType.h"
#include "typedb/CObjectType.h"
#include "typedb/CRoomType.h"
#include "typedb/CShotType.h"
#include "typedb/CTerrainType.h"
#include "typedb/CTrapType.h"
#include "typedb/CTypeDatabase.h"
#include "typedb/CVorlanSpellType.h"

#include <algorithm>

namespace gr2 {

namespace {

constexpr size_t kArtResourceNameSize = 64;
constexpr size_t kLightUnusedByte = 23;

/// Reads decimal digits from `pos` with an upper bound, so that a long run of digits can never
/// wrap into a small, valid-looking number.
int boundedNumber(std::string_view text, size_t pos)
{
    long value = 0;
    bool any = false;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        any = true;
        value = value * 10 + (text[pos] - '0');
        if (value > 0xFFFF)
            return CTypeRecord::kIconIndexOutOfRange;
    }
    return any ? int(value) : 0;
}

/// The fields every family has. A creature's flags are two words of its own, so it has no common
/// flags word.
struct CommonFields {
    TypeField name;
    TypeField id;
    std::optional<TypeField> flags;
};

constexpr CommonFields kCommonFields[kTypeFamilyCount] = {
    {TerrainField::Name, TerrainField::Id, TerrainField::Flags},
    {RoomField::Name, RoomField::Id, RoomField::Flags},
    {CreatureField::Name, CreatureField::Id, std::nullopt},
    {DoorField::Name, DoorField::Id, DoorField::Flags},
    {TrapField::Name, TrapField::Id, TrapField::Flags},
    {ObjectField::Name, ObjectField::Id, ObjectField::Flags},
    {VorlanSpellField::Name, VorlanSpellField::Id, VorlanSpellField::Flags},
    {CreatureSpellField::Name, CreatureSpellField::Id, CreatureSpellField::Flags},
    {ShotField::Name, ShotField::Id, ShotField::Flags},
    {EffectField::Name, EffectField::Id, EffectField::Flags},
    {EffectElementField::Name, EffectElementField::Id, EffectElementField::Flags},
};

constexpr bool commonFieldsInFamilyOrder()
{
    for (size_t i = 0; i < kTypeFamilyCount; ++i) {
        const CommonFields& c = kCommonFields[i];
        const TypeFamily f = kAllTypeFamilies[i];
        if (c.name.family != f || c.id.family != f || (c.flags && c.flags->family != f))
            return false;
    }
    return true;
}
static_assert(commonFieldsInFamilyOrder(), "one row of common fields per family, in family order");

const CommonFields& commonFields(TypeFamily family)
{
    return kCommonFields[size_t(family) % kTypeFamilyCount];
}

} // namespace

int parseHashIconNumber(std::string_view name)
{
    size_t hash = name.find('#');
    if (hash == std::string_view::npos)
        return 0;
    return boundedNumber(name, hash + 1);
}

int parseLeadingNumber(std::string_view name)
{
    return boundedNumber(name, 0);
}

std::optional<FieldRef> findFieldAt(const RecordLayout& layout, uint32_t offset)
{
    for (const FieldDef& f : layout.fields) {
        if (offset < f.offset || offset >= f.end() || f.width == 0)
            continue;
        if ((offset - f.offset) % f.width != 0)
            return std::nullopt;
        return FieldRef{&f, (offset - f.offset) / f.width};
    }
    return std::nullopt;
}

CTypeRecord::CTypeRecord(TypeFamily family) : m_family(family), m_bytes(recordSizeOf(family), 0) {}

std::unique_ptr<CTypeRecord> CTypeRecord::create(TypeFamily family)
{
    switch (family) {
    case TypeFamily::Terrain:
        return std::make_unique<CTerrainType>();
    case TypeFamily::Room:
        return std::make_unique<CRoomType>();
    case TypeFamily::Creature:
        return std::make_unique<CCreatureType>();
    case TypeFamily::Door:
        return std::make_unique<CDoorType>();
    case TypeFamily::Trap:
        return std::make_unique<CTrapType>();
    case TypeFamily::Object:
        return std::make_unique<CObjectType>();
    case TypeFamily::VorlanSpell:
        return std::make_unique<CVorlanSpellType>();
    case TypeFamily::CreatureSpell:
        return std::make_unique<CCreatureSpellType>();
    case TypeFamily::Shot:
        return std::make_unique<CShotType>();
    case TypeFamily::Effect:
        return std::make_unique<CEffectType>();
    case TypeFamily::EffectElement:
        break;
    }
    return std::make_unique<CEffectElementType>();
}

std::unique_ptr<CTypeRecord> CTypeRecord::clone() const
{
    return cloneRecord();
}

// --- field access ------------------------------------------------------------------------------

int64_t CTypeRecord::intValue(const FieldDef& f, size_t element) const
{
    return getIntField(m_bytes, f, element);
}

void CTypeRecord::setIntValue(const FieldDef& f, int64_t value, size_t element)
{
    setIntField(m_bytes, f, value, element);
}

double CTypeRecord::realValue(const FieldDef& f, size_t element) const
{
    switch (f.kind) {
    case FieldKind::Real:
    case FieldKind::Real16x16:
    case FieldKind::PercentReal:
        return getRealField(m_bytes, f, element);
    default:
        return double(getIntField(m_bytes, f, element));
    }
}

void CTypeRecord::setRealValue(const FieldDef& f, double value, size_t element)
{
    switch (f.kind) {
    case FieldKind::Real:
    case FieldKind::Real16x16:
    case FieldKind::PercentReal:
        setRealField(m_bytes, f, value, element);
        break;
    default:
        setIntField(m_bytes, f, int64_t(value), element);
        break;
    }
}

std::string CTypeRecord::textValue(const FieldDef& f, size_t element) const
{
    return getTextField(m_bytes, f, element);
}

void CTypeRecord::setTextValue(const FieldDef& f, std::string_view text, size_t element)
{
    setTextField(m_bytes, f, text, element);
}

int64_t CTypeRecord::intValue(TypeField f, size_t element) const
{
    const FieldDef* def = field(f);
    return def ? intValue(*def, element) : 0;
}

void CTypeRecord::setIntValue(TypeField f, int64_t value, size_t element)
{
    if (const FieldDef* def = field(f))
        setIntValue(*def, value, element);
}

double CTypeRecord::realValue(TypeField f, size_t element) const
{
    const FieldDef* def = field(f);
    return def ? realValue(*def, element) : 0.0;
}

void CTypeRecord::setRealValue(TypeField f, double value, size_t element)
{
    if (const FieldDef* def = field(f))
        setRealValue(*def, value, element);
}

std::string CTypeRecord::textValue(TypeField f, size_t element) const
{
    const FieldDef* def = field(f);
    return def ? textValue(*def, element) : std::string();
}

void CTypeRecord::setTextValue(TypeField f, std::string_view text, size_t element)
{
    if (const FieldDef* def = field(f))
        setTextValue(*def, text, element);
}

std::span<const uint8_t> CTypeRecord::fieldBytes(TypeField f, size_t element) const
{
    const FieldDef* def = field(f);
    if (!def || !fieldFits(m_bytes.size(), *def, element, def->width))
        return {};
    return std::span<const uint8_t>(m_bytes).subspan(def->elementOffset(element), def->width);
}

void CTypeRecord::setFieldBytes(TypeField f, std::span<const uint8_t> bytes, size_t element)
{
    const FieldDef* def = field(f);
    if (!def || !fieldFits(m_bytes.size(), *def, element, def->width))
        return;
    uint8_t* p = m_bytes.data() + def->elementOffset(element);
    size_t n = std::min<size_t>(bytes.size(), def->width);
    std::copy_n(bytes.data(), n, p);
    std::fill(p + n, p + def->width, uint8_t(0));
    if (def->kind == FieldKind::Text && def->width > 0)
        p[def->width - 1] = 0;
}

// --- common fields ------------------------------------------------------------------------------

std::string CTypeRecord::name() const
{
    return textValue(commonFields(m_family).name);
}

void CTypeRecord::setName(std::string_view name)
{
    setTextValue(commonFields(m_family).name, name);
}

uint16_t CTypeRecord::id() const
{
    return uint16_t(intValue(commonFields(m_family).id));
}

const FieldDef& CTypeRecord::idField(TypeFamily family)
{
    return commonFields(family).id.def();
}

void CTypeRecord::setId(uint16_t id)
{
    setIntValue(commonFields(m_family).id, id);
}

uint32_t CTypeRecord::flags() const
{
    const std::optional<TypeField>& f = commonFields(m_family).flags;
    return f ? uint32_t(intValue(*f)) : 0;
}

void CTypeRecord::setFlags(uint32_t flags)
{
    if (const std::optional<TypeField>& f = commonFields(m_family).flags)
        setIntValue(*f, flags);
}

void CTypeRecord::setFlag(int bit, bool on)
{
    if (bit < 0 || bit >= 32)
        return;
    uint32_t f = flags();
    setFlags(on ? f | (1u << bit) : f & ~(1u << bit));
}

const CTypeRecord* CTypeRecord::linkedType(const CTypeDatabase& db) const
{
    std::optional<TypeFamily> partner = linkedFamily();
    uint8_t id = linkedTypeId();
    if (!partner || id == 0)
        return nullptr;
    return db.table(*partner).findRecordById(id);
}

int CTypeRecord::iconFromHashName(TypeField resource) const
{
    return parseHashIconNumber(textValue(resource));
}

void CTypeRecord::setIconInHashName(TypeField resource, int index)
{
    std::string name = textValue(resource);
    size_t hash = name.find('#');
    if (hash != std::string::npos)
        name.resize(hash);
    std::string suffix = "#";
    suffix += std::to_string(index);
    // The number must survive: a prefix too long for the name field gives way to it.
    size_t room = kArtResourceNameSize - 1;
    if (name.size() + suffix.size() > room)
        name.resize(room > suffix.size() ? room - suffix.size() : 0);
    setTextValue(resource, name + suffix);
}

// --- file records ---------------------------------------------------------------------------------

void CTypeRecord::applyFileRecord(const FlaggedRecord& record)
{
    applyFlaggedRecord(layout(), record, m_bytes);
}

Bytes CTypeRecord::fileRecord() const
{
    Bytes out = m_bytes;
    // Bytes the table does not list stay zero in memory; the one reserved byte inside a listed
    // block is the light descriptor's last, which is written as zero as well.
    for (const FieldDef& f : layout().fields)
        if (f.kind == FieldKind::Light)
            for (size_t e = 0; e < f.count; ++e)
                if (f.elementOffset(e) + kLightUnusedByte < out.size())
                    out[f.elementOffset(e) + kLightUnusedByte] = 0;
    prepareFileRecord(out);
    return out;
}

} // namespace gr2
