#pragma once
// Whole-map commands: Flip In X Axis / In Y Axis, Rotate and Resize. Each moves the tiles and
// everything that stands on them or marks them (things, action points, effect generators, build
// areas, camera starts, hearts, portals and hero gates, and the tiles script actions name) so the
// level keeps its shape.

#include "mapedit/TileBrush.h"

#include <cstdint>

namespace gr2 {

class CWorldEditorDoc;
class Reporter;

/// X: "Flip In X Axis", the rows swap top to bottom. Y: "Flip In Y Axis", the columns swap.
enum class FlipAxis : uint8_t { X, Y };

void FlipMap(CWorldEditorDoc& doc, FlipAxis axis);

/// Turns the map as seen on screen; a quarter turn exchanges width and height. Hero gates turn
/// their direction with the map.
void RotateMap(CWorldEditorDoc& doc, Turn turn);

struct ResizeRequest {
    uint32_t width = 0;
    uint32_t height = 0;
    uint8_t terrain = 1; ///< fills the new tiles and replaces the old border
    uint8_t owner = 2;
    uint8_t anchorColumn = 0; ///< 0 left, 1 centre, 2 right
    uint8_t anchorRow = 0;    ///< 0 top, 1 centre, 2 bottom
};

/// The old map keeps its place at the anchor inside the new size: growing fills the new tiles
/// with the base terrain and owner, shrinking cuts the far sides off (centre: both sides alike).
/// Things that leave the interior are deleted with their triggers, action points wholly outside
/// it are deleted, other markers are cut or moved into it, and hearts, portals and gates that do
/// not fit whole are dismantled. A script action whose tile is cut off keeps its place in the
/// script: its tile becomes the nearest interior tile and the reporter tells the user which
/// actions to check (an action cannot be brought back once deleted, a tile is quickly corrected).
/// Refused (false) below 3 or above the largest map side.
bool ResizeMap(CWorldEditorDoc& doc, const ResizeRequest& request, Reporter& reporter);

} // namespace gr2
