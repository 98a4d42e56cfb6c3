#pragma once
// What every map view of every level shares: the current tool, the slab (the terrain painted),
// the filled flag, the room brush and the clipboard, the palette's current thing types and the
// display switches. The palette and the views change it; the views read it for each edit.

#include "mapedit/GoodPairs.h"
#include "mapedit/TileBrush.h"
#include "mapedit/ToolCode.h"

#include <array>
#include <cstdint>
#include <functional>

namespace gr2 {

class LevelTypes;

/// The thing families the display switches and the palette's types are indexed by.
enum class ThingFamily : uint8_t { Creature = 0, Door = 1, Trap = 2, Object = 3 };

class EditorState {
public:
    // --- tool -----------------------------------------------------------------------------------
    ToolCode tool() const { return m_tool; }
    /// Makes a tool current; a pending brush is dropped first (choosing Stamp itself is done by
    /// SetDrawTerrain and startPaste).
    void selectTool(ToolCode tool);
    /// The palette's choice of a terrain keeps painting and the shape tools, else chooses Paint.
    void selectPaintToolUnlessShaping();
    /// The shape tools are disabled while a special room brush waits to be stamped.
    bool shapeToolsEnabled() const { return !(m_tool == ToolCode::Stamp && m_brush.isRoom()); }

    // --- slab and brush -------------------------------------------------------------------------
    /// The terrain last chosen in the palette (a special room terrain while its brush is set).
    uint8_t slab() const { return m_slab; }
    /// The terrain the single-tile tools paint: the slab, or while a special room brush is set,
    /// the plain terrain chosen before it (a room is laid only whole, by its brush).
    uint8_t paintSlab() const { return m_paintSlab; }
    /// The palette's choice of a terrain. A special room terrain builds its brush, owned by
    /// `playerId` (player 3 when 0), and makes Stamp the tool.
    void SetDrawTerrain(uint8_t terrain, uint8_t playerId);
    /// Turns the brush of gate 37 to the next direction (0, 2, 4, 6) and rebuilds it.
    void rotateRoomBrush();
    uint8_t gateDirection() const { return m_gateDirection; }

    const TileBrush& brush() const { return m_brush; }
    /// The brush is on the map: Stamp is the tool and the brush holds cells.
    bool brushActive() const { return m_tool == ToolCode::Stamp && !m_brush.empty(); }
    /// Ends stamping: the brush is emptied, the plain slab is restored and Paint becomes the tool.
    void dropBrush();
    /// The Brush menu: plain brushes are mirrored or turned cell by cell; gate 37 changes its
    /// direction instead; the other rooms are symmetric or cannot be turned and stay as they are.
    void flipBrushX();
    void flipBrushY();
    void rotateBrush(Turn turn);

    const TileBrush& clipboard() const { return m_clipboard; }
    void setClipboard(TileBrush clipboard) { m_clipboard = std::move(clipboard); }
    /// With a non-empty clipboard: the clipboard becomes the brush and Stamp the tool.
    bool startPaste();

    // --- filled flag ----------------------------------------------------------------------------
    bool filled() const { return m_filled; }
    void setFilled(bool on) { m_filled = on; }
    void toggleFilled() { m_filled = !m_filled; }

    // --- palette types and display switches ----------------------------------------------------
    /// The type placed by the family's tool; 0 puts the tool in remove mode.
    uint8_t currentType(ThingFamily family) const { return m_types[size_t(family)]; }
    void setCurrentType(ThingFamily family, uint8_t type) { m_types[size_t(family)] = type; }
    bool shows(ThingFamily family) const { return m_show[size_t(family)]; }
    void setShows(ThingFamily family, bool on) { m_show[size_t(family)] = on; }

    void setGoodPairs(GoodPairs pairs) { m_pairs = std::move(pairs); }
    const GoodPairs& goodPairs() const { return m_pairs; }
    /// A view's drawing player changed: slab 26 and 36 swap for the Good player, and while the
    /// door or trap tool is current, the current door or trap type takes its Good or evil variant.
    void drawingPlayerChanged(bool good);

    /// The owner a tile painted with `terrain` receives: the drawing player for an Ownable
    /// terrain, else the Neutral player.
    static uint8_t brushOwner(const LevelTypes& types, uint8_t terrain, uint8_t playerId);

    /// Called after the tool or the brush changed, from whatever changed it (the palette, a
    /// toolbar button, a view): every view draws the brush over the map and must follow at once.
    void setChangeListener(std::function<void()> listener) { m_changed = std::move(listener); }

private:
    void notifyChanged() const
    {
        if (m_changed)
            m_changed();
    }

    ToolCode m_tool = ToolCode::Paint;
    uint8_t m_slab = 1;
    uint8_t m_paintSlab = 1;
    uint8_t m_gateDirection = 0;
    TileBrush m_brush;
    TileBrush m_clipboard;
    bool m_filled = false;
    std::array<uint8_t, 4> m_types{};
    std::array<bool, 4> m_show{true, true, true, true};
    GoodPairs m_pairs;
    std::function<void()> m_changed;
};

} // namespace gr2
