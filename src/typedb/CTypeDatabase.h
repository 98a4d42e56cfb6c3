#pragma once
// The global type data the whole program shares: eleven ordered tables of owned type records, the
// global variables and the camera modes, with the creation time of the file each came from.

#include "typedb/CCreatureSpellType.h"
#include "typedb/CCreatureType.h"
#include "typedb/CDoorType.h"
#include "typedb/CEffectElementType.h"
#include "typedb/CEffectType.h"
#include "typedb/CGlobalVariables.h"
#include "typedb/CObjectType.h"
#include "typedb/CRoomType.h"
#include "typedb/CShotType.h"
#include "typedb/CTerrainType.h"
#include "typedb/CTrapType.h"
#include "typedb/CVorlanSpellType.h"
#include "typedb/CameraMode.h"
#include "typedb/TypeTable.h"
#include "worlddata/DateStamp.h"

#include <array>
#include <optional>
#include <vector>

namespace gr2 {

class CTypeDatabase {
public:
    CTypeDatabase() = default;
    CTypeDatabase(const CTypeDatabase&) = delete;
    CTypeDatabase& operator=(const CTypeDatabase&) = delete;

    TypeTable<CTerrainType>& terrains() { return m_terrains; }
    TypeTable<CRoomType>& rooms() { return m_rooms; }
    TypeTable<CCreatureType>& creatures() { return m_creatures; }
    TypeTable<CDoorType>& doors() { return m_doors; }
    TypeTable<CTrapType>& traps() { return m_traps; }
    TypeTable<CObjectType>& objects() { return m_objects; }
    TypeTable<CVorlanSpellType>& vorlanSpells() { return m_vorlanSpells; }
    TypeTable<CCreatureSpellType>& creatureSpells() { return m_creatureSpells; }
    TypeTable<CShotType>& shots() { return m_shots; }
    TypeTable<CEffectType>& effects() { return m_effects; }
    TypeTable<CEffectElementType>& effectElements() { return m_effectElements; }
    const TypeTable<CTerrainType>& terrains() const { return m_terrains; }
    const TypeTable<CRoomType>& rooms() const { return m_rooms; }
    const TypeTable<CCreatureType>& creatures() const { return m_creatures; }
    const TypeTable<CDoorType>& doors() const { return m_doors; }
    const TypeTable<CTrapType>& traps() const { return m_traps; }
    const TypeTable<CObjectType>& objects() const { return m_objects; }
    const TypeTable<CVorlanSpellType>& vorlanSpells() const { return m_vorlanSpells; }
    const TypeTable<CCreatureSpellType>& creatureSpells() const { return m_creatureSpells; }
    const TypeTable<CShotType>& shots() const { return m_shots; }
    const TypeTable<CEffectType>& effects() const { return m_effects; }
    const TypeTable<CEffectElementType>& effectElements() const { return m_effectElements; }

    /// A family's table without its record class, for code that treats families alike.
    TypeTableBase& table(TypeFamily family);
    const TypeTableBase& table(TypeFamily family) const;

    /// The creation time of the file a family was read from; none when no file was read (the
    /// writer then uses the time of saving).
    const std::optional<DateStamp>& created(TypeFamily family) const;
    void setCreated(TypeFamily family, std::optional<DateStamp> stamp);
    const std::optional<DateStamp>& variablesCreated() const { return m_variablesCreated; }
    void setVariablesCreated(std::optional<DateStamp> stamp) { m_variablesCreated = stamp; }

    CGlobalVariables& variables() { return m_variables; }
    const CGlobalVariables& variables() const { return m_variables; }

    std::vector<CameraMode>& cameraModes() { return m_cameraModes; }
    const std::vector<CameraMode>& cameraModes() const { return m_cameraModes; }

    // --- rules across tables ------------------------------------------------------------------
    /// The elite variant of a creature type: the first creature type, in table order, with flag
    /// word 1 bit 27 whose base type is `type`; none when no type qualifies.
    const CCreatureType* eliteVariantOf(uint8_t type) const;
    /// The creature types offered in players' creature pools, in table order.
    std::vector<const CCreatureType*> poolCreatureTypes() const;
    /// The first room type whose floor terrain is `terrainId`; none for 0 or no such room.
    const CRoomType* roomWithFloor(uint8_t terrainId) const;
    /// One byte per terrain type, in terrain-table order: for a room-floor terrain the id of the
    /// first room with that floor, 0 otherwise.
    std::vector<uint8_t> terrainToRoomTable() const;
    /// The start-up fix-up of every terrain named as a room's floor (see markAsRoomFloor).
    void applyRoomFloorFixups();
    /// Rebuilds the five default availability lists from the tables, every state 1.
    void buildDefaultAvailability();
    /// Whether a type exists in an id-17 family (1 room, 2 door, 3 trap, 4 Vorlan spell).
    bool typeValueTypeExists(uint8_t family, uint8_t type) const;
    /// Applies the save-time rules that change records in memory (the creature rule of flag
    /// word 1 bit 14), so that the records match what a save writes.
    void applySaveRules();

    /// Deletes every record of every table (each table in reverse order) and forgets the files'
    /// creation times.
    void clearTypeTables();

private:
    TypeTable<CTerrainType> m_terrains;
    TypeTable<CRoomType> m_rooms;
    TypeTable<CCreatureType> m_creatures;
    TypeTable<CDoorType> m_doors;
    TypeTable<CTrapType> m_traps;
    TypeTable<CObjectType> m_objects;
    TypeTable<CVorlanSpellType> m_vorlanSpells;
    TypeTable<CCreatureSpellType> m_creatureSpells;
    TypeTable<CShotType> m_shots;
    TypeTable<CEffectType> m_effects;
    TypeTable<CEffectElementType> m_effectElements;
    std::array<std::optional<DateStamp>, kTypeFamilyCount> m_created;
    std::optional<DateStamp> m_variablesCreated;
    CGlobalVariables m_variables;
    std::vector<CameraMode> m_cameraModes;
};

} // namespace gr2
