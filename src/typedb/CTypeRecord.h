#pragma once
// The common base of the eleven type-record classes. A record keeps its fields in the bytes of the
// current file layout and reaches every field through its family's one field table, so reading,
// writing, the editors, the stats import and the dump all agree on where a field lives. Fixed-point
// fields therefore keep their stored integer exactly unless something sets them.

#include "typedb/TypeFamily.h"
#include "typedb/TypeField.h"
#include "worlddata/ByteOrder.h"
#include "worlddata/RecordLayout.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace gr2 {

class CTypeDatabase;

class CTypeRecord {
public:
    virtual ~CTypeRecord() = default;

    /// A new, zeroed record of the family (the right derived class).
    static std::unique_ptr<CTypeRecord> create(TypeFamily family);
    std::unique_ptr<CTypeRecord> clone() const;

    TypeFamily family() const { return m_family; }
    const RecordLayout& layout() const { return layoutOf(m_family); }
    /// The record in the current file layout (the bytes the editors see; see fileRecord()).
    std::span<const uint8_t> bytes() const { return m_bytes; }

    // Field access through the family's table, by handle (see TypeField.h) or by a FieldDef the
    // stats codes resolved. A handle of another family, or an element beyond the field's count,
    // reads as zero and ignores writes.
    /// The handle's field; none when the handle belongs to another family.
    const FieldDef* field(TypeField f) const { return f.family == m_family ? &f.def() : nullptr; }
    int64_t intValue(TypeField f, size_t element = 0) const;
    void setIntValue(TypeField f, int64_t value, size_t element = 0);
    /// Reals in their field's encoding (20.12, 16.16 or percent-real); integers as they are.
    double realValue(TypeField f, size_t element = 0) const;
    void setRealValue(TypeField f, double value, size_t element = 0);
    /// Text fields and the names of ArtResources.
    std::string textValue(TypeField f, size_t element = 0) const;
    void setTextValue(TypeField f, std::string_view text, size_t element = 0);
    /// The raw bytes of one element of a field (an ArtResource, a light, ...).
    std::span<const uint8_t> fieldBytes(TypeField f, size_t element = 0) const;
    void setFieldBytes(TypeField f, std::span<const uint8_t> bytes, size_t element = 0);

    int64_t intValue(const FieldDef& f, size_t element = 0) const;
    void setIntValue(const FieldDef& f, int64_t value, size_t element = 0);
    double realValue(const FieldDef& f, size_t element = 0) const;
    void setRealValue(const FieldDef& f, double value, size_t element = 0);
    std::string textValue(const FieldDef& f, size_t element = 0) const;
    void setTextValue(const FieldDef& f, std::string_view text, size_t element = 0);

    std::string name() const;
    void setName(std::string_view name);
    /// The type id: one byte, 16 bits for effects and effect elements. 0 means none.
    uint16_t id() const;
    /// Where every record of the family keeps its id; a scan over a table reads it once.
    static const FieldDef& idField(TypeFamily family);
    void setId(uint16_t id);
    /// The flags word of the record. A creature keeps its flags in two words of its own (see
    /// CCreatureType); for it this word reads as zero and ignores writes.
    uint32_t flags() const;
    void setFlags(uint32_t flags);
    bool hasFlag(int bit) const { return bit >= 0 && bit < 32 && (flags() >> bit) & 1u; }
    void setFlag(int bit, bool on);

    /// Which cell of the family's icon sheet draws the type; 0 for families without icons. An
    /// icon number too large for 16 bits reads as kIconIndexOutOfRange, which names no cell.
    virtual int iconIndex() const { return 0; }
    virtual void setIconIndex(int index) { (void)index; }
    static constexpr int kIconIndexOutOfRange = 0xFFFF;

    /// The id of a type of the partner family (the shot a trap or spell fires); 0 = none.
    virtual uint8_t linkedTypeId() const { return 0; }
    virtual void setLinkedTypeId(uint8_t id) { (void)id; }
    /// The family linkedTypeId() refers to, when the family has a linked type.
    virtual std::optional<TypeFamily> linkedFamily() const { return std::nullopt; }
    /// The linked record looked up in the database; none when the id is 0 or not found.
    const CTypeRecord* linkedType(const CTypeDatabase& db) const;

    /// Lays a record handed over by the reader onto this one: every field whose presence flag is
    /// set is taken (flags words OR-merged), everything the table does not list stays zero.
    void applyFileRecord(const FlaggedRecord& record);
    /// The record as it is written to a file: the current layout with the family's write rules
    /// applied (reserved bytes zeroed, derived bytes recomputed). Exactly recordSizeOf() bytes.
    Bytes fileRecord() const;

protected:
    explicit CTypeRecord(TypeFamily family);
    CTypeRecord(const CTypeRecord&) = default;
    CTypeRecord& operator=(const CTypeRecord&) = delete;

    std::span<uint8_t> mutableBytes() { return m_bytes; }
    /// The family's changes to the outgoing bytes (the record itself stays as it is, except
    /// where the family's rule says otherwise).
    virtual void prepareFileRecord(std::span<uint8_t> out) const { (void)out; }
    virtual std::unique_ptr<CTypeRecord> cloneRecord() const = 0;

    /// "#N" icon numbers in ArtResource names.
    int iconFromHashName(TypeField resource) const;
    void setIconInHashName(TypeField resource, int index);

private:
    TypeFamily m_family;
    Bytes m_bytes;
};

/// One element of a field, found by where it starts in the record: the editors and the stats codes
/// name fields by offset.
struct FieldRef {
    const FieldDef* field = nullptr;
    size_t element = 0;
};
/// The field element that starts at `offset`; none when no element starts there.
std::optional<FieldRef> findFieldAt(const RecordLayout& layout, uint32_t offset);

/// The number after the first "#" of a name (0 when there is none or no digit follows it);
/// kIconIndexOutOfRange when the number does not fit in 16 bits.
int parseHashIconNumber(std::string_view name);
/// The leading decimal number of a name (0 when there is none), bounded the same way.
int parseLeadingNumber(std::string_view name);

} // namespace gr2
