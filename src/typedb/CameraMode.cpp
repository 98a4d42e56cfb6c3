#include "typedb/CameraMode.h"

namespace gr2 {

std::vector<CameraMode> defaultCameraModes()
{
    constexpr uint8_t kDefaultModes = 18;
    std::vector<CameraMode> modes(kDefaultModes);
    for (uint8_t i = 0; i < kDefaultModes; ++i)
        modes[i].setId(uint8_t(i + 1));
    return modes;
}

} // namespace gr2
