#pragma once
// Little-endian loads and stores on byte spans. Every stored record goes through these, so a
// record's bytes never depend on the host's byte order or alignment.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace gr2 {

using Bytes = std::vector<uint8_t>;

inline uint16_t loadU16(const uint8_t* p)
{
    return uint16_t(p[0] | (p[1] << 8));
}
inline uint32_t loadU32(const uint8_t* p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
inline int16_t loadI16(const uint8_t* p)
{
    return int16_t(loadU16(p));
}
inline int32_t loadI32(const uint8_t* p)
{
    return int32_t(loadU32(p));
}

inline void storeU16(uint8_t* p, uint16_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}
inline void storeU32(uint8_t* p, uint32_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
    p[2] = uint8_t(v >> 16);
    p[3] = uint8_t(v >> 24);
}

/// 20.12 fixed point: value × 4096, truncated toward zero; out-of-range values saturate.
int32_t toFixed12(double value);
inline double fromFixed12(int32_t raw)
{
    return double(raw) / 4096.0;
}

/// A fixed-size 8-bit text field: the text ends at the first NUL, and the field's last byte is
/// always treated as NUL, as the reader forces it.
std::string loadText(const uint8_t* p, size_t fieldSize);
/// Writes text NUL-padded to the full field; text too long keeps room for the closing NUL.
void storeText(uint8_t* p, size_t fieldSize, std::string_view text);

/// A fixed-size UTF-16 text field of `units` code units, NUL-terminated inside the field.
std::u16string loadText16(const uint8_t* p, size_t units);
void storeText16(uint8_t* p, size_t units, std::u16string_view text);

/// Appends little-endian values to a growing byte buffer.
inline void appendU32(Bytes& out, uint32_t v)
{
    uint8_t b[4];
    storeU32(b, v);
    out.insert(out.end(), b, b + 4);
}
inline void appendU16(Bytes& out, uint16_t v)
{
    uint8_t b[2];
    storeU16(b, v);
    out.insert(out.end(), b, b + 2);
}
inline void appendBytes(Bytes& out, std::span<const uint8_t> bytes)
{
    out.insert(out.end(), bytes.begin(), bytes.end());
}

} // namespace gr2
