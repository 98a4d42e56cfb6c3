#pragma once
// Record layouts as data: each stored record is described once by a table of fields, and reading,
// writing, presence flags, the stats codes, the editors and the JSON dump all work from it.

#include "worlddata/ByteOrder.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace gr2 {

enum class FieldKind : uint8_t {
    UInt,        ///< unsigned little-endian integer of 1, 2 or 4 bytes
    Int,         ///< signed little-endian integer of 1, 2 or 4 bytes
    Real,        ///< signed 20.12 fixed point (a 2-byte field holds 4.12), a double in memory
    Flags,       ///< u32 bit set; merged by OR when read
    Text,        ///< 8-bit NUL-padded text of `width` bytes
    Text16,      ///< UTF-16 NUL-padded text of `width` bytes
    ArtResource, ///< 84-byte graphic descriptor: 64-byte name, 20 bytes carried unchanged
    Light,       ///< 24-byte light descriptor
    Raw,         ///< bytes carried as they are
    Real16x16,   ///< signed 32-bit 16.16 fixed point, a double in memory
    PercentReal, ///< signed 32-bit percentage × 40.96 (a 20.12 fraction of 1), a double in memory
};

struct FieldDef {
    std::string_view name; ///< stable key for dumps, editors and import codes
    uint32_t offset = 0;
    uint16_t width = 0; ///< bytes of one element
    FieldKind kind = FieldKind::Raw;
    uint16_t count = 1; ///< elements of an array field, each with its own presence flag

    uint32_t end() const { return offset + uint32_t(width) * count; }
    uint32_t elementOffset(size_t index) const { return offset + uint32_t(width * index); }
};

struct RecordLayout {
    std::string_view name;
    uint32_t size = 0;
    std::span<const FieldDef> fields;

    /// The field called `fieldName`, by a scan of the table: for the dump and other readers that
    /// name fields by text. Code reaches fields through compile-time handles instead.
    const FieldDef* find(std::string_view fieldName) const;
    /// Presence flags are numbered field by field, one per array element.
    size_t flagCount() const;
    size_t flagIndex(const FieldDef& field, size_t element = 0) const;
};

/// A record in the current layout with one presence flag per field element, as the reader hands
/// it to a sink. The reader sets every flag; a sink applies a field only when its flag is set.
class FlaggedRecord {
public:
    explicit FlaggedRecord(std::span<const uint8_t> bytes, uint32_t storedSize = 0)
        : m_bytes(bytes), m_storedSize(storedSize ? storedSize : uint32_t(bytes.size()))
    {
    }

    std::span<const uint8_t> bytes() const { return m_bytes; }
    size_t size() const { return m_bytes.size(); }
    /// The size the file held, which may differ from the current size for older layouts.
    uint32_t storedSize() const { return m_storedSize; }

    /// Whether every flag is set, as the reader hands records over.
    bool allPresent() const { return m_absent.empty(); }
    bool present(size_t flagIndex) const
    {
        return m_absent.empty() || flagIndex >= m_absent.size() || !m_absent[flagIndex];
    }
    bool present(const RecordLayout& layout, const FieldDef& field, size_t element = 0) const
    {
        return m_absent.empty() || present(layout.flagIndex(field, element));
    }
    /// Clears a field's flag; used where a record is built from a partial source.
    void markAbsent(size_t flagIndex)
    {
        if (m_absent.size() <= flagIndex)
            m_absent.resize(flagIndex + 1, false);
        m_absent[flagIndex] = true;
    }

private:
    std::span<const uint8_t> m_bytes;
    uint32_t m_storedSize;
    std::vector<bool> m_absent;
};

// Field access on a record's bytes through its field definition. Out-of-range fields read as
// zero and are not written, so a wrong table can never touch memory outside the record.
/// Whether `width` bytes of the field's element lie inside a record of `recordSize` bytes.
inline bool fieldFits(size_t recordSize, const FieldDef& field, size_t element, size_t width)
{
    return element < field.count && field.elementOffset(element) + width <= recordSize;
}

// (Integers are read inline: records are read field by field in the loaders' inner loops.)
inline int64_t getIntField(std::span<const uint8_t> record, const FieldDef& field, size_t element = 0)
{
    if (!fieldFits(record.size(), field, element, field.width))
        return 0;
    const uint8_t* p = record.data() + field.elementOffset(element);
    const bool isSigned = field.kind == FieldKind::Int || field.kind == FieldKind::Real ||
                          field.kind == FieldKind::Real16x16 || field.kind == FieldKind::PercentReal;
    switch (field.width) {
    case 1:
        return isSigned ? int64_t(int8_t(p[0])) : int64_t(p[0]);
    case 2:
        return isSigned ? int64_t(loadI16(p)) : int64_t(loadU16(p));
    case 4:
        return isSigned ? int64_t(loadI32(p)) : int64_t(loadU32(p));
    default:
        return 0;
    }
}
void setIntField(std::span<uint8_t> record, const FieldDef& field, int64_t value, size_t element = 0);
/// How many stored units make 1.0 in a fixed-point field of the kind (4096 for 20.12 and 4.12).
double fixedScale(FieldKind kind);
double getRealField(std::span<const uint8_t> record, const FieldDef& field, size_t element = 0);
void setRealField(std::span<uint8_t> record, const FieldDef& field, double value, size_t element = 0);
/// Text and art-resource names (the first 64 bytes of an ArtResource).
std::string getTextField(std::span<const uint8_t> record, const FieldDef& field, size_t element = 0);
void setTextField(std::span<uint8_t> record, const FieldDef& field, std::string_view text,
                  size_t element = 0);
std::u16string getText16Field(std::span<const uint8_t> record, const FieldDef& field);
void setText16Field(std::span<uint8_t> record, const FieldDef& field, std::u16string_view text);

/// The record bytes of a flagged record laid over a zeroed current-size buffer: every field whose
/// flag is set is copied, others stay as `base` has them (flags words are OR-merged into base).
void applyFlaggedRecord(const RecordLayout& layout, const FlaggedRecord& record, std::span<uint8_t> base);

/// Where to read a flagged record's fields from, as if it had been applied over zeroes, for a
/// layout whose field table holds no text field (a text field's last byte is forced to NUL as it
/// is applied; readers check with hasTextField at compile time): the record itself when every flag
/// is set and it has the current size; otherwise `zeroed` (a current-size zeroed buffer) after
/// applying the record to it. Bytes outside the fields may differ, so this serves reading fields
/// only.
std::span<const uint8_t> fieldSourceWithoutText(const RecordLayout& layout, const FlaggedRecord& record,
                                                std::span<uint8_t> zeroed);
/// Whether a field table holds a text field; usable on a constexpr table at compile time.
constexpr bool hasTextField(std::span<const FieldDef> fields)
{
    for (const FieldDef& f : fields)
        if (f.kind == FieldKind::Text)
            return true;
    return false;
}

} // namespace gr2
