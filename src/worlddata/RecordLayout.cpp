#include "worlddata/RecordLayout.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace gr2 {

const FieldDef* RecordLayout::find(std::string_view fieldName) const
{
    for (const FieldDef& f : fields)
        if (f.name == fieldName)
            return &f;
    return nullptr;
}

size_t RecordLayout::flagCount() const
{
    size_t n = 0;
    for (const FieldDef& f : fields)
        n += f.count;
    return n;
}

size_t RecordLayout::flagIndex(const FieldDef& field, size_t element) const
{
    size_t n = 0;
    for (const FieldDef& f : fields) {
        if (&f == &field)
            return n + element;
        n += f.count;
    }
    return n;
}

void setIntField(std::span<uint8_t> record, const FieldDef& field, int64_t value, size_t element)
{
    if (!fieldFits(record.size(), field, element, field.width))
        return;
    uint8_t* p = record.data() + field.elementOffset(element);
    switch (field.width) {
    case 1:
        p[0] = uint8_t(value);
        break;
    case 2:
        storeU16(p, uint16_t(value));
        break;
    case 4:
        storeU32(p, uint32_t(value));
        break;
    default:
        break;
    }
}

namespace {

int32_t toFixed(double value, double scale, double lo, double hi)
{
    double scaled = std::trunc(value * scale);
    if (!(scaled == scaled))
        return 0;
    return int32_t(std::clamp(scaled, lo, hi));
}

} // namespace

double getRealField(std::span<const uint8_t> record, const FieldDef& field, size_t element)
{
    size_t width = field.width == 2 ? 2 : 4;
    if (!fieldFits(record.size(), field, element, width))
        return 0.0;
    const uint8_t* p = record.data() + field.elementOffset(element);
    if (width == 2)
        return double(loadI16(p)) / 4096.0;
    if (field.kind == FieldKind::Real)
        return fromFixed12(loadI32(p));
    return double(loadI32(p)) / fixedScale(field.kind);
}

void setRealField(std::span<uint8_t> record, const FieldDef& field, double value, size_t element)
{
    size_t width = field.width == 2 ? 2 : 4;
    if (!fieldFits(record.size(), field, element, width))
        return;
    uint8_t* p = record.data() + field.elementOffset(element);
    if (width == 2)
        storeU16(p, uint16_t(int16_t(toFixed(value, 4096.0, -32768.0, 32767.0))));
    else if (field.kind == FieldKind::Real)
        storeU32(p, uint32_t(toFixed12(value)));
    else
        storeU32(p, uint32_t(toFixed(value, fixedScale(field.kind), -2147483648.0, 2147483647.0)));
}

std::string getTextField(std::span<const uint8_t> record, const FieldDef& field, size_t element)
{
    size_t width = field.kind == FieldKind::ArtResource ? 64 : field.width;
    if (!fieldFits(record.size(), field, element, width))
        return {};
    return loadText(record.data() + field.elementOffset(element), width);
}

void setTextField(std::span<uint8_t> record, const FieldDef& field, std::string_view text, size_t element)
{
    size_t width = field.kind == FieldKind::ArtResource ? 64 : field.width;
    if (!fieldFits(record.size(), field, element, width))
        return;
    storeText(record.data() + field.elementOffset(element), width, text);
}

std::u16string getText16Field(std::span<const uint8_t> record, const FieldDef& field)
{
    if (!fieldFits(record.size(), field, 0, field.width))
        return {};
    return loadText16(record.data() + field.offset, field.width / 2);
}

void setText16Field(std::span<uint8_t> record, const FieldDef& field, std::u16string_view text)
{
    if (!fieldFits(record.size(), field, 0, field.width))
        return;
    storeText16(record.data() + field.offset, field.width / 2, text);
}

void applyFlaggedRecord(const RecordLayout& layout, const FlaggedRecord& record, std::span<uint8_t> base)
{
    std::span<const uint8_t> src = record.bytes();
    size_t flag = 0;
    const bool all = record.allPresent();
    // With every flag set, plain fields are copied whole, and fields that follow each other in the
    // record as one run: a type record has a hundred fields or more, most of them a few bytes.
    size_t runStart = 0;
    size_t runEnd = 0;
    auto copyRun = [&] {
        if (runEnd > runStart)
            std::memcpy(base.data() + runStart, src.data() + runStart, runEnd - runStart);
        runStart = runEnd = 0;
    };
    for (const FieldDef& f : layout.fields) {
        if (all && f.kind != FieldKind::Flags && f.kind != FieldKind::Text && f.end() <= src.size() &&
            f.end() <= base.size()) {
            if (runEnd == runStart || f.offset != runEnd) {
                copyRun();
                runStart = f.offset;
            }
            runEnd = f.end();
            flag += f.count;
            continue;
        }
        copyRun();
        for (size_t e = 0; e < f.count; ++e, ++flag) {
            if (!record.present(flag))
                continue;
            size_t at = f.elementOffset(e);
            if (at + f.width > src.size() || at + f.width > base.size())
                continue;
            if (f.kind == FieldKind::Flags && f.width == 4) {
                storeU32(base.data() + at, loadU32(base.data() + at) | loadU32(src.data() + at));
            } else {
                std::copy_n(src.data() + at, f.width, base.data() + at);
            }
            if (f.kind == FieldKind::Text && f.width > 0)
                base[at + f.width - 1] = 0; // the reader forces a text field's last byte to NUL
        }
    }
    copyRun();
}

std::span<const uint8_t> fieldSourceWithoutText(const RecordLayout& layout, const FlaggedRecord& record,
                                                std::span<uint8_t> zeroed)
{
    if (record.allPresent() && record.size() == layout.size)
        return record.bytes();
    applyFlaggedRecord(layout, record, zeroed);
    return zeroed;
}

double fixedScale(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Real16x16:
        return 65536.0;
    case FieldKind::PercentReal:
        return 40.96;
    default:
        return 4096.0;
    }
}

} // namespace gr2
