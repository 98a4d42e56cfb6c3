#pragma once
// The tile-level behaviour of one map view: what a press, a move, a release, a right press and
// the keys do with each tool, the shape being dragged, the selection, the view's drawing player,
// and the map commands a view owns. The widget converts pixels to tiles, forwards its input here
// and paints what this class and the document hold.

#include "level/DocumentObserver.h"
#include "level/EditStep.h"
#include "mapedit/EditorState.h"
#include "mapedit/MapTransforms.h"

#include <optional>
#include <string>
#include <vector>

namespace gr2 {

class CActionPoint;
class CEffectGenerator;
class CPlayer;
class CWorldEditorDoc;
class Reporter;

enum class ViewKey : uint8_t { Left, Right, Up, Down, PageUp, PageDown, Home, End, Space };

/// How the widget should scroll after a key, in pixels.
struct ScrollRequest {
    int dx = 0;
    int dy = 0;
    bool toStart = false;
    bool toEnd = false;
    bool operator==(const ScrollRequest&) const = default;
};

/// What a right press hit, for the context menu to open.
struct ContextHit {
    enum class Kind : uint8_t {
        None,
        Creature,
        Door,
        Trap,
        Object,
        ActionPoint,
        EffectGenerator,
        Heart,
        Portal,
        HeroGate
    };
    Kind kind = Kind::None;
    CLevelObject* object = nullptr; ///< the thing, action point or effect generator
    CPlayer* player = nullptr;      ///< the owner of a heart, portal or hero gate
    TilePoint tile;                 ///< the tile pressed
};

/// Tiles per pixel side for Shrink to Fit: the whole map in the client area, never below 1.
int shrinkToFitTileSize(int clientWidth, int clientHeight, uint32_t mapWidth, uint32_t mapHeight);

class MapViewController : public DocumentObserver {
public:
    static constexpr int kLineScroll = 20;
    static constexpr int kFastLineScroll = 100;

    MapViewController(CWorldEditorDoc& doc, EditorState& state);
    ~MapViewController() override;
    MapViewController(const MapViewController&) = delete;
    MapViewController& operator=(const MapViewController&) = delete;

    CWorldEditorDoc& doc() { return m_doc; }
    EditorState& state() { return m_state; }

    // --- drawing player -------------------------------------------------------------------------
    uint8_t currentPlayer() const { return m_player; }
    /// The player painted tiles and placed things receive; swaps the Good variants of the slab
    /// and the door and trap types.
    void setCurrentPlayer(uint8_t playerId);

    // --- input ----------------------------------------------------------------------------------
    /// Each answers whether what the view draws over the map (shape, brush, selection) changed;
    /// changes to the level itself reach the view through the document's notifications.
    bool leftDown(TilePoint tile);
    bool mouseMove(TilePoint tile);
    bool leftUp(TilePoint tile);
    /// The pointer left the view (or a modal window took the input): no tile is under it, so the
    /// brush is drawn nowhere; a drag in progress keeps its last tile. Answers whether that
    /// changed what the view draws.
    bool pointerLeft();
    /// Inverts the filled flag (a shape being dragged follows at once); with the brush on the map
    /// drops it; otherwise answers what lies under the pointer.
    ContextHit rightDown(TilePoint tile);
    /// What lies under the pointer, tested in the order of the context menus: creature, door,
    /// trap, object (each while shown), action point, effect generator, Dungeon Heart, portal,
    /// hero gate.
    ContextHit thingAt(TilePoint tile) const;
    ScrollRequest key(ViewKey key, bool shift, int clientHeight);

    // --- what the view draws --------------------------------------------------------------------
    bool dragging() const { return m_dragging; }
    /// The tiles of the shape being dragged (for the rectangle tools, the whole rectangle).
    const std::vector<TilePoint>& dragTiles() const { return m_shape; }
    TileRect dragRect() const;
    const std::optional<TileRect>& selection() const { return m_selection; }
    bool isSelected(TilePoint p) const { return m_selection && m_selection->contains(p); }
    /// The tile under the pointer after the last move; none before the first.
    const std::optional<TilePoint>& pointerTile() const { return m_pointer; }
    const ContextHit& lastHit() const { return m_lastHit; }
    /// Why the last press or move of a placing tool placed nothing (a tile that cannot take the
    /// thing, or one that already holds one); null when it placed, deleted or was not refused.
    const char* lastRefusal() const { return m_refusal; }

    // --- commands -------------------------------------------------------------------------------
    /// The toolbar's enabled state: Edit Starting Camera Position only for a Vorlan, Define Build
    /// Area only for a computer-controlled Vorlan, the shape tools not while a room brush waits.
    bool canSelectTool(ToolCode tool) const;
    bool selectTool(ToolCode tool);
    // One-off commands: the tool changes for one action and returns to the one before when it is
    // done or cancelled (Escape). Starting one cancels the one waiting before it.

    /// The Move command of a creature, door, trap or object: the next press on a tile where it may
    /// stand moves it there. An action point or effect generator is repositioned instead. `copy`
    /// says the thing is a fresh copy waiting on its source's tile: cancelling removes it.
    bool beginMove(CLevelObject& thing, bool copy = false);
    /// The next rectangle drawn with tool 14 (15) repositions this action point (generator).
    bool beginReposition(CActionPoint& point, bool copy = false);
    bool beginReposition(CEffectGenerator& generator, bool copy = false);
    /// Edit Starting Camera Position of a Vorlan: the next click sets it.
    bool beginCameraStart(CPlayer& player);
    /// Define Build Area of a computer-controlled Vorlan: the next rectangle drawn becomes it.
    bool beginBuildArea(CPlayer& player);
    /// Escape: ends a drag without its effect and cancels the one-off command waiting (a copy
    /// waiting to be placed is removed). Answers whether there was anything to cancel.
    bool cancelMode();
    /// The object a one-off command waits to place, move or set; none when no command waits.
    const CLevelObject* modeObject() const { return m_oneOff; }
    /// What the user is to do for the waiting one-off command; empty when none waits.
    std::string modePrompt() const;

    void selectAll();
    bool copy();
    bool cut();
    bool paste();
    void clearAll();
    void flipMap(FlipAxis axis);
    void rotateMap(Turn turn);
    /// The reporter hears of script actions whose tiles the new size cut off.
    bool resizeMap(const ResizeRequest& request, Reporter& reporter);
    bool canTransformBrush() const { return !m_state.brush().empty(); }
    /// Undo and Redo of the level's history; false when there was no step to take.
    bool undo();
    bool redo();

    // --- DocumentObserver -----------------------------------------------------------------------
    void objectRemoved(CLevelObject& object) override;
    void mapResized(uint32_t width, uint32_t height) override;
    void levelReset() override;
    void currentPlayerSuggested(uint8_t playerId) override { setCurrentPlayer(playerId); }

private:
    uint8_t ownerFor(uint8_t terrain) const;
    void paintAt(TilePoint tile);
    void placeOrDelete(TilePoint tile);
    bool moveThingTo(TilePoint tile);
    void startDrag(TilePoint anchor);
    void updateDrag(TilePoint pointer);
    void finishDrag();
    void computeShape();
    void beginOneOff(CLevelObject& object, ToolCode tool, bool copy);
    /// Ends the one-off command after it was carried out: the tool before it comes back.
    void endOneOff();
    /// Drops the waiting command without carrying it out, removing a waiting copy; the tool before
    /// it comes back when asked (not when the user already chose another).
    void dropOneOff(bool restoreTool);
    void forgetView();
    CPlayer* player() const;

    CWorldEditorDoc& m_doc;
    EditorState& m_state;
    uint8_t m_player;
    bool m_buttonDown = false;
    /// A paint or placing stroke, press to release, is one step of the level's history.
    std::optional<EditStep> m_stroke;
    bool m_dragging = false;
    TilePoint m_anchor;
    TilePoint m_dragPointer;
    std::vector<TilePoint> m_shape;
    std::optional<TileRect> m_selection;
    std::optional<TilePoint> m_pointer;
    ContextHit m_lastHit;
    const char* m_refusal = nullptr;
    // A one-off command (move a thing, reposition a marker, set a player's camera start or build
    // area), its tool and the tool to return to after it.
    CLevelObject* m_oneOff = nullptr;
    ToolCode m_oneOffTool = ToolCode::Paint;
    bool m_oneOffIsCopy = false;
    ToolCode m_toolBeforeOneOff = ToolCode::Paint;
};

} // namespace gr2
