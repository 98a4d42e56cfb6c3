#pragma once
// The one gateway through which the map editing tools and commands change a level: every tile,
// thing, marker and special-room change they make passes through here. One MapEdit covers one
// user action and is one step of the level's history, named for the Edit menu; a MapEdit inside a
// longer action (a paint stroke, a command built of others) joins that action's step.

#include "level/CWorldEditorDoc.h"
#include "level/EditStep.h"

#include <cstdint>
#include <vector>

namespace gr2 {

class MapEdit {
public:
    MapEdit(CWorldEditorDoc& doc, std::string stepName) : m_doc(doc), m_step(doc, std::move(stepName)) {}
    ~MapEdit();
    MapEdit(const MapEdit&) = delete;
    MapEdit& operator=(const MapEdit&) = delete;

    CWorldEditorDoc& doc() { return m_doc; }
    const CWorldEditorDoc& doc() const { return m_doc; }

    // --- tiles ----------------------------------------------------------------------------------
    /// Whether painting the terrain is allowed: the tile is inside the map and no thing stands
    /// under a Solid terrain.
    bool canPaint(TilePoint p, uint8_t terrain) const;
    /// Terrain, then owner, by the document's painting rule (special rooms the tile belonged to
    /// are dismantled). Answers whether the tile was painted.
    bool paintTile(TilePoint p, uint8_t terrain, uint8_t owner);
    /// After a bulk edit stored tiles straight into the level (CWorldEditorDoc::StoreRun): the
    /// views hear of the rectangle once and the level is modified.
    void tilesStored(const TileRect& bounds);
    /// Replaces the whole map (flips, resize, rotation) with arrays of width × height tiles; the
    /// border is redrawn. Objects are moved separately, before or after.
    void replaceMap(uint32_t width, uint32_t height, std::vector<uint8_t> terrain,
                    std::vector<uint8_t> owner);

    // --- things ---------------------------------------------------------------------------------
    CCreature* createCreature(uint8_t type, uint8_t owner, TilePoint p);
    CDoor* createDoor(uint8_t type, uint8_t owner, TilePoint p);
    CTrap* createTrap(uint8_t type, uint8_t owner, TilePoint p);
    CObjectThing* createObject(uint8_t type, TilePoint p);
    /// Deletes a creature, door, trap or object by its kind.
    void deleteThing(CLevelObject& thing, bool withTriggers);
    /// Moves a placed thing (a creature that shows a script action takes the action along).
    void moveThing(CLevelObject& thing, TilePoint to);

    // --- markers --------------------------------------------------------------------------------
    CActionPoint* addActionPoint(const TileRect& area);
    void setActionPointArea(CActionPoint& point, const TileRect& area);
    void deleteActionPoint(CActionPoint& point);
    /// A generator covering `width` × `height` tiles from `topLeft` (kept inside the map).
    CEffectGenerator* addEffectGenerator(TilePoint topLeft, uint16_t width, uint16_t height);
    void setEffectGeneratorArea(CEffectGenerator& generator, TilePoint topLeft, uint16_t width,
                                uint16_t height);
    void setCameraStart(CPlayer& player, TilePoint p);
    void setBuildArea(CPlayer& player, const BuildArea& area, bool defined);

    // --- special rooms --------------------------------------------------------------------------
    /// Registers the player's heart; a camera start that was unset or on the old heart follows.
    void setHeart(CPlayer& player, TilePoint centre);
    /// Moves the heart position without the camera rule (whole-map moves move both).
    void moveHeart(CPlayer& player, TilePoint centre);
    PortalEntry* addPortal(uint8_t owner, const PortalEntry& portal);
    HeroGateEntry* addHeroGate(uint8_t owner, const HeroGateEntry& gate);
    void movePortal(PortalEntry& portal, TilePoint centre);
    void moveHeroGate(HeroGateEntry& gate, TilePoint reference, uint8_t direction);
    /// Dismantle: the room's tiles become claimed floor (see the document's rules).
    void removeHeart(CPlayer& player);
    void removePortal(CPlayer& player, const PortalEntry& portal);
    void removeHeroGate(CPlayer& player, const HeroGateEntry& gate);

    /// Puts the border back after dismantled rooms may have reached into it.
    void redrawBorder() { m_doc.DrawBorder(); }
    /// Marks the level modified without a particular change (a whole-map move of markers).
    void markModified() { m_doc.SetModifiedFlag(true); }

private:
    CWorldEditorDoc& m_doc;
    EditStep m_step;
};

} // namespace gr2
