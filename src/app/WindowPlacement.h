#pragma once
// The main window's stored placement: the text "flags,show,minX,minY,maxX,maxY,left,top,right,
// bottom" kept as "Window Positions" in the settings group "ToolBar Settings". The numbers are
// those of the saved-placement record the editor has always stored, so older settings still work.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gr2 {

struct WindowPlacement {
    /// The flag that says the window goes back to maximized when restored from minimized.
    static constexpr uint32_t kRestoreToMaximized = 2;
    /// Show states.
    static constexpr uint32_t kShowNormal = 1;
    static constexpr uint32_t kShowMinimized = 2;
    static constexpr uint32_t kShowMaximized = 3;
    static constexpr uint32_t kRecordLength = 44;

    uint32_t length = kRecordLength;
    uint32_t flags = 0;
    uint32_t showState = kShowNormal;
    int32_t minX = -1, minY = -1;
    int32_t maxX = -1, maxY = -1;
    int32_t left = 0, top = 0, right = 0, bottom = 0;

    bool isMaximized() const { return showState == kShowMaximized; }
    bool operator==(const WindowPlacement&) const = default;
};

inline constexpr const char* kPlacementGroup = "ToolBar Settings";
inline constexpr const char* kPlacementKey = "Window Positions";

/// A rectangle in desktop pixels; right and bottom lie just outside it.
struct DesktopRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    int32_t width() const { return right - left; }
    int32_t height() const { return bottom - top; }
    bool operator==(const DesktopRect&) const = default;
};

/// Where a window stored at `window` opens on the screens there are now (their usable areas, the
/// primary first): on the screen it overlaps most (the primary when it overlaps none), no larger
/// than that screen, and moved as little as needed to lie wholly on it. A placement stored under
/// another screen layout or display scale so opens where the user can reach it.
DesktopRect fitOntoScreens(const DesktopRect& window, const std::vector<DesktopRect>& screens);

/// Reads exactly ten comma-separated numbers (two unsigned, eight signed; blanks before a number
/// are allowed); anything else (fewer, more, a number out of range, trailing text) is refused.
std::optional<WindowPlacement> parseWindowPlacement(std::string_view text);
/// The ten fields without blanks; the length is not stored.
std::string formatWindowPlacement(const WindowPlacement& placement);

} // namespace gr2
