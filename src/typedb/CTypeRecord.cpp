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

} // namespace

int parseHashIconNumber(std::string_view name)
{
    size_t hash = name.find('#');
    if (hash == std::string_view::npos)
        return 0;
    return boundedNumber(name, hash + 1);
}

int parseLeadingNumber(std::string_view name) { return boundedNumber(name, 0); }

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

std::unique_ptr<CTypeRecord> CTypeRecord::clone() const { return cloneRecord(); }

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

int64_t CTypeRecord::intValue(std::string_view name, size_t element) const
{
    const FieldDef* f = field(name);
    return f ? intValue(*f, element) : 0;
}

void CTypeRecord::setIntValue(std::string_view name, int64_t value, size_t element)
{
    if (const FieldDef* f = field(name))
        setIntValue(*f, value, element);
}

double CTypeRecord::realValue(std::string_view name, size_t element) const
{
    const FieldDef* f = field(name);
    return f ? realValue(*f, element) : 0.0;
}

void CTypeRecord::setRealValue(std::string_view name, double value, size_t element)
{
    if (const FieldDef* f = field(name))
        setRealValue(*f, value, element);
}

std::string CTypeRecord::textValue(std::string_view name, size_t element) const
{
    const FieldDef* f = field(name);
    return f ? textValue(*f, element) : std::string();
}

void CTypeRecord::setTextValue(std::string_view name, std::string_view text, size_t element)
{
    if (const FieldDef* f = field(name))
        setTextValue(*f, text, element);
}

std::span<const uint8_t> CTypeRecord::fieldBytes(std::string_view name, size_t element) const
{
    const FieldDef* f = field(name);
    if (!f || element >= f->count || f->elementOffset(element) + f->width > m_bytes.size())
        return {};
    return std::span<const uint8_t>(m_bytes).subspan(f->elementOffset(element), f->width);
}

void CTypeRecord::setFieldBytes(std::string_view name, std::span<const uint8_t> bytes, size_t element)
{
    const FieldDef* f = field(name);
    if (!f || element >= f->count || f->elementOffset(element) + f->width > m_bytes.size())
        return;
    uint8_t* p = m_bytes.data() + f->elementOffset(element);
    size_t n = std::min<size_t>(bytes.size(), f->width);
    std::copy_n(bytes.data(), n, p);
    std::fill(p + n, p + f->width, uint8_t(0));
    if (f->kind == FieldKind::Text && f->width > 0)
        p[f->width - 1] = 0;
}

// --- common fields ------------------------------------------------------------------------------

std::string CTypeRecord::name() const { return textValue("name"); }

void CTypeRecord::setName(std::string_view name) { setTextValue("name", name); }

uint16_t CTypeRecord::id() const { return uint16_t(intValue("id")); }

void CTypeRecord::setId(uint16_t id) { setIntValue("id", id); }

uint32_t CTypeRecord::flags() const { return uint32_t(intValue("flags")); }

void CTypeRecord::setFlags(uint32_t flags) { setIntValue("flags", flags); }

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

int CTypeRecord::iconFromHashName(std::string_view fieldName) const
{
    return parseHashIconNumber(textValue(fieldName));
}

void CTypeRecord::setIconInHashName(std::string_view fieldName, int index)
{
    std::string name = textValue(fieldName);
    size_t hash = name.find('#');
    if (hash != std::string::npos)
        name.resize(hash);
    std::string suffix = "#";
    suffix += std::to_string(index);
    // The number must survive: a prefix too long for the name field gives way to it.
    size_t room = kArtResourceNameSize - 1;
    if (name.size() + suffix.size() > room)
        name.resize(room > suffix.size() ? room - suffix.size() : 0);
    setTextValue(fieldName, name + suffix);
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
