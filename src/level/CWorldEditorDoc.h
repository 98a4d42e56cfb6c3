#pragma once
// One open level: its tile map, players, placed things, properties and variable overrides. Every
// change goes through the document's operations, which keep the tile arrays, the per-player lists
// and the thing collections consistent, mark the level modified and tell the observers (map views,
// the script tree) what changed. The document owns every object of its level.

#include "level/AllianceSet.h"
#include "level/CActionPoint.h"
#include "level/CCreature.h"
#include "level/CDoor.h"
#include "level/CEffectGenerator.h"
#include "level/CHeroParty.h"
#include "level/CObjectThing.h"
#include "level/CPlayer.h"
#include "level/CTrap.h"
#include "level/LevelHistory.h"
#include "level/LevelIds.h"
#include "level/LevelProperties.h"
#include "level/TileGeometry.h"
#include "level/VariableOverrides.h"
#include "worlddata/SectionWriter.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace gr2 {

class DocumentObserver;
class LevelTypes;
class ScriptHooks;

/// What the Create New Level dialog hands to a new level.
struct NewLevelSettings {
    std::string name;
    uint32_t width = 25;
    uint32_t height = 25;
    uint8_t baseTerrain = 1;
    uint8_t baseOwner = PlayerId::Neutral;
};

/// Which creatures a count takes (level statistics and the script).
enum class CreatureCount { Good, NeutralAlive, NeutralDeadBodies, Vorlan };

template <class T> struct FoundRoom {
    CPlayer* player = nullptr;
    T* entry = nullptr;
    explicit operator bool() const { return entry != nullptr; }
};

class CWorldEditorDoc {
public:
    /// Larger maps are refused when a file asks for them: they could not have been made by the
    /// editor and would only serve to exhaust memory.
    static constexpr uint32_t kMaxMapSide = 4096;

    explicit CWorldEditorDoc(const LevelTypes& types);
    ~CWorldEditorDoc();
    CWorldEditorDoc(const CWorldEditorDoc&) = delete;
    CWorldEditorDoc& operator=(const CWorldEditorDoc&) = delete;

    const LevelTypes& types() const { return m_types; }

    // --- observers and the script -------------------------------------------------------------
    void addObserver(DocumentObserver* observer);
    void removeObserver(DocumentObserver* observer);
    void setScriptHooks(ScriptHooks* hooks) { m_hooks = hooks; }
    /// Gives the document its script model to own and installs it as the hooks.
    void adoptScript(std::unique_ptr<ScriptHooks> script);
    ScriptHooks* scriptHooks() const { return m_hooks; }

    // --- document state -----------------------------------------------------------------------
    bool isModified() const { return m_modified; }
    void SetModifiedFlag(bool modified = true);
    const std::string& title() const { return m_title; }
    /// Sets the title and the level name: the title without leading folders and without a last
    /// four-character extension beginning with ".".
    void SetTitle(const std::string& title);
    static std::string levelNameFromTitle(const std::string& title);
    /// The level name a title gives, as the level stores it (cut to its field).
    static std::u16string levelNameOf(const std::string& title);
    const std::string& path() const { return m_path; }
    void setPath(std::string path) { m_path = std::move(path); }
    bool isNamed() const { return m_named; }
    void setNamed(bool named) { m_named = named; }
    bool isOpening() const { return m_opening; }
    /// Some of the files the level was opened from could not be read completely, so the level
    /// holds less than they do. Observers hear of it as a title change: the title shows the mark.
    bool isDamaged() const { return m_damaged; }
    void setDamaged(bool damaged);
    bool showsWaypointPaths() const { return m_showWaypoints; }
    void setShowsWaypointPaths(bool on) { m_showWaypoints = on; }
    uint8_t baseTerrain() const { return m_baseTerrain; }
    uint8_t baseOwner() const { return m_baseOwner; }
    void setBase(uint8_t terrain, uint8_t owner)
    {
        m_baseTerrain = terrain;
        m_baseOwner = owner;
    }
    /// The level's Undo and Redo steps (see EditStep for recording one).
    LevelHistory& history() { return m_history; }
    const LevelHistory& history() const { return m_history; }

    // --- new and open -------------------------------------------------------------------------
    /// The model's part of a new level: map filled with the base terrain and owner, border,
    /// players Good, Neutral and Vorlan 1, variables from the type tables, modified.
    void NewLevel(const NewLevelSettings& settings);
    /// Before a level file is read: opening flag, title from the path, everything reset.
    void beginOpen(const std::string& path);
    /// After a level file was read: heart positions from the map, border, player 3 suggested,
    /// not modified, named.
    void finishOpen();
    /// Gives every player without a heart the first terrain-14 tile it owns, scanning rows from
    /// the top and tiles from the left; the heart is two tiles right of and below that tile.
    void DeriveHeartPositions();
    /// Empties everything of the level but its map, title and files (players, alliances, things,
    /// script, properties, variables), for the history to restore them from their records.
    void clearRecords();

    // --- map ----------------------------------------------------------------------------------
    uint32_t width() const { return m_width; }
    uint32_t height() const { return m_height; }
    size_t cellCount() const { return size_t(m_width) * m_height; }
    void SetMapSize(uint32_t width, uint32_t height);
    /// New zeroed tile arrays of the current size; observers hear of the new size.
    void AllocateMap();
    bool IsInside(TilePoint p) const
    {
        return p.x >= 0 && p.y >= 0 && uint32_t(p.x) < m_width && uint32_t(p.y) < m_height &&
               index(p) < m_terrain.size();
    }
    bool IsInterior(TilePoint p) const;
    /// 0 for a point outside the map.
    uint8_t GetTerrain(TilePoint p) const;
    uint8_t GetOwner(TilePoint p) const;
    std::optional<uint32_t> GetTerrainFlags(TilePoint p) const;
    CPlayer* GetOwnerPlayer(TilePoint p) const;
    /// The painting rule: dismantles the portal, heart or hero gate the tile belonged to, then
    /// stores the id. Answers whether the tile's terrain changed.
    bool SetTerrain(TilePoint p, uint8_t terrain);
    bool SetOwner(TilePoint p, uint8_t owner);
    /// The loader's raw store, without rules or notifications (a point outside the map is
    /// ignored). Inline: a level's map is stored through it one tile at a time.
    void StoreTile(TilePoint p, uint8_t terrain, uint8_t owner)
    {
        if (!IsInside(p))
            return;
        m_terrain[index(p)] = terrain;
        m_owner[index(p)] = owner;
    }
    /// Stores tiles x0..x1 (inclusive) of row y, clipped to the map, without the painting rule or
    /// notifications: for bulk edits of tiles that hold no special room, which announce the
    /// change themselves when done.
    void StoreRun(uint32_t y, uint32_t x0, uint32_t x1, uint8_t terrain, uint8_t owner);
    /// The loader's raw store of row y from x = 0: terrain and owner per tile, as many as both
    /// spans hold, clipped to the map; no rules, no notifications.
    void StoreRow(uint32_t y, std::span<const uint8_t> terrain, std::span<const uint8_t> owner);
    /// No creature, door, trap or object stands on the tile. The creatures of the level's
    /// collection count whether placed or previews of a script action (the map view draws both);
    /// hero-party members stand on no tile.
    bool IsTileFree(TilePoint p) const;
    /// Clears the byte of every tile a creature, door, trap or object stands on in a mask of one
    /// byte per tile (row by row): for tools that would otherwise ask IsTileFree of many tiles.
    /// The same things count as for IsTileFree.
    void ClearOccupiedTiles(std::span<uint8_t> tileMask) const;
    bool CanPlaceCreature(TilePoint p) const;
    bool CanPlaceDoor(TilePoint p) const;
    /// Every border tile becomes terrain 30 owned by the Neutral player.
    void DrawBorder();
    /// The flood fill's scratch marks; not part of the level.
    uint8_t visited(TilePoint p) const;
    void setVisited(TilePoint p, uint8_t mark);
    void clearVisited();
    /// For the history: the map becomes `width` × `height` with the given tiles (terrain, owner).
    void restoreMap(uint32_t width, uint32_t height, std::span<const uint8_t> terrain,
                    std::span<const uint8_t> owner);
    /// For the history: the tiles inside `rect` are copied from whole-map arrays of the current
    /// size; the views hear of the rectangle.
    void restoreTiles(const TileRect& rect, std::span<const uint8_t> terrain, std::span<const uint8_t> owner);
    std::span<const uint8_t> terrainTiles() const { return m_terrain; }
    std::span<const uint8_t> ownerTiles() const { return m_owner; }

    // --- players and alliances ----------------------------------------------------------------
    CPlayer* FindPlayer(uint8_t id) const;
    CPlayer* PlayerAt(size_t index) const;
    size_t PlayerCount() const { return m_players.size(); }
    /// A player of the given id and name with every default; none when the id is 0 or taken.
    CPlayer* CreatePlayer(const std::string& name, uint8_t id);
    /// A Vorlan with the lowest free id, its table colour and default name; none when all 255
    /// ids are taken.
    CPlayer* CreateNewPlayer();
    /// Gives the player a new name (cut to what the record holds) and tells the script tree.
    void RenamePlayer(CPlayer& player, std::string name);
    CPlayer* AddPlayer(std::unique_ptr<CPlayer> player);
    /// Deletes the player's things (each with its triggers), its triggers, its alliances and its
    /// heart, then the player. Tiles it owns keep its id.
    void DeletePlayer(CPlayer* player);
    /// The player tools draw for once the one they drew for is deleted: Vorlan 1, or the Neutral
    /// player when Vorlan 1 is the one deleted (painting must never hand tiles to nobody).
    uint8_t drawingPlayerAfterDeleting(uint8_t deletedId) const;
    /// The lowest id >= 1 no player has; 0 when none is left.
    uint8_t lowestFreePlayerId() const;

    bool AddAlliance(uint8_t a, uint8_t b);
    bool RemoveAlliance(uint8_t a, uint8_t b);
    bool IsAllied(uint8_t a, uint8_t b) const { return m_alliances.contains(a, b); }
    void RemoveAlliancesOf(uint8_t id);
    const AllianceSet& alliances() const { return m_alliances; }
    void clearAlliances() { m_alliances.clear(); }

    // --- level data ---------------------------------------------------------------------------
    const LevelProperties& properties() const { return m_properties; }
    void setProperties(const LevelProperties& properties);
    /// For the loader: the properties without marking the level modified.
    LevelProperties& loadedProperties() { return m_properties; }
    const LevelVersion& version() const { return m_version; }
    void setVersion(double version) { m_version.value = version; }

    const VariableOverrides& variables() const { return m_variables; }
    VariableOverrides& loadedVariables() { return m_variables; }
    double GetVariable(uint32_t id) const { return m_variables.GetVariable(id); }
    bool IsOverridableVariable(uint32_t id) const { return m_variables.IsOverridableVariable(id); }
    void SetVariable(uint32_t id, double value);
    /// Takes the global variable values and overridable ids afresh (after the global data was
    /// reset); the creature stat overrides stay. Marks the level modified when anything changed.
    void ResetVariablesFromGlobals();
    void SetCreatureStatOverride(uint8_t type, uint32_t level, int32_t value, bool present);

    int CountCreatures(CreatureCount which, bool placedOnly) const;

    // --- things -------------------------------------------------------------------------------
    const std::vector<std::unique_ptr<CCreature>>& creatures() const { return m_creatures; }
    const std::vector<std::unique_ptr<CDoor>>& doors() const { return m_doors; }
    const std::vector<std::unique_ptr<CTrap>>& traps() const { return m_traps; }
    const std::vector<std::unique_ptr<CObjectThing>>& objects() const { return m_objects; }
    const std::vector<std::unique_ptr<CActionPoint>>& actionPoints() const { return m_actionPoints; }
    const std::vector<std::unique_ptr<CEffectGenerator>>& effectGenerators() const
    {
        return m_effectGenerators;
    }

    CCreature* CreateCreature(uint8_t type, uint8_t ownerId, TilePoint p, bool addToTree);
    CDoor* CreateDoor(uint8_t type, uint8_t ownerId, TilePoint p);
    CTrap* CreateTrap(uint8_t type, uint8_t ownerId, TilePoint p);
    CObjectThing* CreateObjectThing(uint8_t type, TilePoint p);
    void DeleteCreature(CCreature* creature, bool withTriggers);
    void DeleteDoor(CDoor* door, bool withTriggers);
    void DeleteTrap(CTrap* trap, bool withTriggers);
    void DeleteObjectThing(CObjectThing* object, bool withTriggers);

    /// A new action point with the lowest free id 1..80; none when all 80 are taken.
    CActionPoint* AddActionPoint(const TileRect& area);
    /// Waypoints that led to the point lead on to its own next waypoint.
    void DeleteActionPoint(CActionPoint* point, bool withTriggers);
    /// The party goes to the slot of its id; a party without a usable id, or whose slot is taken,
    /// goes to the lowest free slot and takes that id. None when every slot is taken.
    CHeroParty* AddHeroParty(std::unique_ptr<CHeroParty> party);
    void DeleteHeroParty(CHeroParty* party, bool withTriggers);
    /// A new generator at the tile with the lowest free id 1..255; none outside the map or when
    /// every id is taken.
    CEffectGenerator* AddEffectGenerator(TilePoint p);
    void DeleteEffectGenerator(CEffectGenerator* generator);

    /// The first creature of the collection on the tile, placed or not.
    CCreature* CreatureAt(TilePoint p) const;
    /// The creature a click on the tile means: one placed on the map before one that is not (the
    /// preview of a script action drawn half hidden on the same tile).
    CCreature* CreatureToPick(TilePoint p) const;
    CDoor* DoorAt(TilePoint p) const;
    CTrap* TrapAt(TilePoint p) const;
    CObjectThing* ObjectAt(TilePoint p) const;
    CActionPoint* FindActionPoint(uint8_t id) const;
    CEffectGenerator* FindEffectGenerator(uint8_t id) const;
    CHeroParty* HeroPartyAt(size_t slot) const;
    /// The hero party that has the creature as a member.
    CHeroParty* PartyOf(const CCreature* creature) const;

    /// Resets one creature's properties (see ResetMask) and tells the observers.
    void ResetProperties(CCreature* creature, uint32_t mask);
    /// Reset Creature Properties: every creature of the level and every hero-party member.
    void ResetAllCreatureProperties(uint32_t mask);

    // --- special rooms ------------------------------------------------------------------------
    FoundRoom<PortalEntry> FindPortal(TilePoint p) const;
    FoundRoom<HeroGateEntry> FindHeroGate(TilePoint p) const;
    /// Adds a portal to its owner's list (the terrain is left to the caller).
    PortalEntry* AddPortal(uint8_t ownerId, const PortalEntry& portal);
    HeroGateEntry* AddHeroGate(uint8_t ownerId, const HeroGateEntry& gate);
    /// Removes a portal from its player; its block becomes claimed floor of the centre's owner.
    void RemovePortal(CPlayer* player, const PortalEntry* portal);
    /// Removes a hero gate from its player; its tiles become claimed floor of their own owners.
    void RemoveHeroGate(CPlayer* player, const HeroGateEntry* gate);
    /// Removes the player's Dungeon Heart; nothing happens for a player that has none.
    void RemoveHeart(CPlayer* player);
    void SetPortalOwner(TilePoint p, uint8_t ownerId);
    void SetHeroGateOwner(TilePoint p, uint8_t ownerId);

    // --- picking creatures for a Create Creature action ---------------------------------------
    void BeginCreatureActionPicking(int16_t actionId);
    bool isPickingCreaturesForAction() const { return m_pickingForAction != 0; }
    const std::vector<CCreature*>& pickedCreatures() const { return m_picked; }
    /// Cancelled: the picked creatures are deleted. Otherwise the script makes one action per
    /// creature; without a script to take them they are deleted too.
    void FinishCreatureActionPicking(bool cancelled);

    // --- building a hero party ----------------------------------------------------------------
    /// Member picking for a new party; it joins the level when the prompt closes with members.
    void BeginNewHeroParty();
    /// Member picking for a party of the level.
    void BeginAddingMembers(CHeroParty* party);
    CHeroParty* heroPartyBeingBuilt() const;
    /// A member of the chosen creature type joins the party being built (none when it is full).
    CCreature* AddPickedMember(uint8_t creatureType);
    /// Ends member picking: a new party with members is added to the level, one without is
    /// dropped. Answers the party the level holds afterwards, if any.
    CHeroParty* FinishHeroPartyBuild();

    // --- things the level does not interpret --------------------------------------------------
    /// Thing items read from a level that the editor does not handle (plinths, cameras, kinds it
    /// does not know); they are written back unchanged after the things it does handle.
    const std::vector<ThingItem>& keptThingItems() const { return m_keptThings; }
    void keepThingItem(uint32_t kind, std::span<const uint8_t> record);

    // --- notifications, for the level's own record code and the editing tools ------------------
    void notifyTilesChanged(const TileRect& rect);
    void notifyObjectChanged(CLevelObject& object);
    void notifyWaypointsChanged();
    /// Everything shown of the level is stale (its records were replaced as a whole).
    void notifyLevelReset() { notifyReset(); }
    /// Undo and Redo of the level's history; false when there is no step to take.
    bool Undo() { return m_history.undo(*this); }
    bool Redo() { return m_history.redo(*this); }
    /// The player the level's views draw for was chosen (the script tree's current player): every
    /// view and the tree follow it. Nothing happens for an id no player has.
    void chooseCurrentPlayer(uint8_t playerId);
    /// For the script model: a trigger or action joined the level or is about to leave it.
    void notifyObjectAdded(CLevelObject& object) { notifyAdded(object); }
    void notifyObjectRemoved(CLevelObject& object) { notifyRemoved(object); }

private:
    size_t index(TilePoint p) const { return size_t(p.y) * m_width + size_t(p.x); }
    TileRect mapRect() const { return {0, 0, int32_t(m_width) - 1, int32_t(m_height) - 1}; }
    /// Stores terrain 8 over a block, owned by `owner` or, when none is given, by each tile's own
    /// owner; clipped to the map.
    void fillClaimedFloor(const TileRect& block, std::optional<uint8_t> owner);
    void dismantleAt(TilePoint p, uint8_t oldTerrain);
    void notifyAdded(CLevelObject& object);
    void notifyRemoved(CLevelObject& object);
    void notifyReset();
    void deleteTriggersOf(CLevelObject& object, bool withTriggers);
    void forgetCreature(const CCreature* creature);
    void resetContent();
    void initialisePlayer(CPlayer& player);
    template <class F> void forEachObserver(F&& f);

    const LevelTypes& m_types;
    ScriptHooks* m_hooks = nullptr;
    std::vector<DocumentObserver*> m_observers;

    std::string m_title;
    std::string m_path;
    bool m_modified = false;
    bool m_named = false;
    bool m_opening = false;
    bool m_damaged = false;
    bool m_showWaypoints = true;
    uint8_t m_baseTerrain = 1;
    uint8_t m_baseOwner = PlayerId::Neutral;

    uint32_t m_width = 0;
    uint32_t m_height = 0;
    std::vector<uint8_t> m_terrain;
    std::vector<uint8_t> m_owner;
    std::vector<uint8_t> m_visited;

    std::vector<std::unique_ptr<CPlayer>> m_players;
    AllianceSet m_alliances;
    LevelProperties m_properties;
    LevelVersion m_version;
    VariableOverrides m_variables;
    LevelHistory m_history;

    std::vector<std::unique_ptr<CCreature>> m_creatures;
    std::vector<std::unique_ptr<CDoor>> m_doors;
    std::vector<std::unique_ptr<CTrap>> m_traps;
    std::vector<std::unique_ptr<CObjectThing>> m_objects;
    std::vector<std::unique_ptr<CActionPoint>> m_actionPoints;
    std::vector<std::unique_ptr<CEffectGenerator>> m_effectGenerators;
    std::array<std::unique_ptr<CHeroParty>, kHeroPartySlots> m_parties;
    std::vector<ThingItem> m_keptThings;

    int16_t m_pickingForAction = 0;
    std::vector<CCreature*> m_picked;
    std::unique_ptr<CHeroParty> m_newParty;
    CHeroParty* m_partyGettingMembers = nullptr;
    // Last, so it is destroyed first, while the level it refers to is still whole.
    std::unique_ptr<ScriptHooks> m_script;
};

} // namespace gr2
