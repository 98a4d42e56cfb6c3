#pragma once
// A camera mode: an 84-byte block the editor carries unchanged, stored as a Camera item in
// "GlobalVariables.vwd". Only its id (the byte at 82) means anything to the editor.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace gr2 {

struct CameraMode {
    static constexpr size_t kSize = 84;
    static constexpr size_t kIdOffset = 82;

    std::array<uint8_t, kSize> bytes{};

    uint8_t id() const { return bytes[kIdOffset]; }
    void setId(uint8_t id) { bytes[kIdOffset] = id; }
    bool operator==(const CameraMode&) const = default;
};

/// The 18 modes created when none were loaded: zero bytes with ids 1 to 18.
std::vector<CameraMode> defaultCameraModes();

} // namespace gr2
