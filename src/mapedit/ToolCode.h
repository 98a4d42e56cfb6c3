#pragma once
// The drawing tool that all map views share, with the codes the toolbar and the palette use, and
// the families of tools that the input rules treat alike.

#include <cstdint>

namespace gr2 {

enum class ToolCode : uint8_t {
    RectangleSelect = 1,
    Paint = 2,
    Magnify = 3,
    Line = 4,
    Rectangle = 5,
    Circle = 6,
    FloodFill = 7,
    Stamp = 8, ///< the room brush or the pasted clipboard
    PlaceCreature = 9,
    PlaceDoor = 10,
    PlaceTrap = 11,
    PlaceObject = 12,
    BuildArea = 13,
    ActionPoint = 14,
    EffectGenerator = 15,
    CameraStart = 16,
    MoveCreature = 17,
    MoveDoor = 18,
    MoveTrap = 19,
    MoveObject = 20,
};

/// Tools that the palette keeps when a terrain is chosen: painting and the shapes.
inline bool isShapingTool(ToolCode t)
{
    return t == ToolCode::Paint || (t >= ToolCode::Line && t <= ToolCode::FloodFill);
}

/// Tools whose press starts a dragged rectangle or shape.
inline bool isDragTool(ToolCode t)
{
    switch (t) {
    case ToolCode::RectangleSelect:
    case ToolCode::Line:
    case ToolCode::Rectangle:
    case ToolCode::Circle:
    case ToolCode::BuildArea:
    case ToolCode::ActionPoint:
    case ToolCode::EffectGenerator:
        return true;
    default:
        return false;
    }
}

inline bool isPlacingTool(ToolCode t)
{
    return t >= ToolCode::PlaceCreature && t <= ToolCode::PlaceObject;
}
inline bool isMovingTool(ToolCode t)
{
    return t >= ToolCode::MoveCreature && t <= ToolCode::MoveObject;
}

} // namespace gr2
