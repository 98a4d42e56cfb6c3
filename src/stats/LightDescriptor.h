#pragma once
// The 24-byte light descriptor that object, creature, shot and effect records carry: position and
// radius in 20.12 fixed point, a flags word and the low eight bits of each colour, whose ninth bits
// live in the flags word. Described as a field table so its parts are found by offset like any
// other field.

#include "worlddata/RecordLayout.h"

namespace gr2 {

namespace LightFlag {
inline constexpr int Flicker = 1;
inline constexpr int Pulse = 2;
inline constexpr int PlayerColoured = 7;
inline constexpr int RedNinthBit = 11;
inline constexpr int GreenNinthBit = 12;
inline constexpr int BlueNinthBit = 13;
} // namespace LightFlag

namespace LightPart {
inline constexpr uint32_t X = 0;
inline constexpr uint32_t Y = 4;
inline constexpr uint32_t Z = 8;
inline constexpr uint32_t Radius = 12;
inline constexpr uint32_t Flags = 16;
inline constexpr uint32_t Red = 20;
inline constexpr uint32_t Green = 21;
inline constexpr uint32_t Blue = 22;
} // namespace LightPart

/// The descriptor's fields, which code and the light editor name directly.
namespace LightField {
inline constexpr FieldDef X{"x", LightPart::X, 4, FieldKind::Real};
inline constexpr FieldDef Y{"y", LightPart::Y, 4, FieldKind::Real};
inline constexpr FieldDef Z{"z", LightPart::Z, 4, FieldKind::Real};
inline constexpr FieldDef Radius{"radius", LightPart::Radius, 4, FieldKind::Real};
inline constexpr FieldDef Flags{"flags", LightPart::Flags, 4, FieldKind::Flags};
inline constexpr FieldDef Red{"red", LightPart::Red, 1, FieldKind::UInt};
inline constexpr FieldDef Green{"green", LightPart::Green, 1, FieldKind::UInt};
inline constexpr FieldDef Blue{"blue", LightPart::Blue, 1, FieldKind::UInt};
} // namespace LightField

inline constexpr uint32_t kLightDescriptorSize = 24;

const RecordLayout& lightDescriptorLayout();

} // namespace gr2
