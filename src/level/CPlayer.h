#pragma once
// One side of a level: the Good player (1), the Neutral player (2) or a Vorlan (3 and up, played by
// a person or the computer), with its money, heart, camera, creature pool, availability lists,
// special rooms and the computer-player settings the game's opponent runs on.

#include "level/CLevelObject.h"
#include "level/RoomFootprints.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace gr2 {

class CCreature;

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

/// The availability lists a player keeps, numbered as the Variables file numbers them.
enum class AvailabilityKind : uint8_t { Rooms = 1, Creatures = 2, Traps = 3, Doors = 4, VorlanSpells = 5 };
inline constexpr int kAvailabilityKinds = 5;

struct AvailabilityEntry {
    uint8_t type = 0;
    uint32_t state = 1; ///< 1 is the plain state; 4 marks a type the level uses but the player lacks
};

/// An availability state as a three-state check box shows it: unchecked 1, indeterminate 2,
/// checked 3. Any other stored state shows unchecked.
enum class AvailabilityBox : uint8_t { Unchecked, Indeterminate, Checked };
inline AvailabilityBox availabilityBoxOf(uint32_t state)
{
    return state == 3   ? AvailabilityBox::Checked
           : state == 2 ? AvailabilityBox::Indeterminate
                        : AvailabilityBox::Unchecked;
}
inline uint32_t availabilityStateOf(AvailabilityBox box)
{
    return box == AvailabilityBox::Checked ? 3 : box == AvailabilityBox::Indeterminate ? 2 : 1;
}

struct CreaturePoolEntry {
    uint8_t type = 0;
    int32_t count = 0;
};

struct BuildArea {
    int32_t left = 1;
    int32_t top = 1;
    int32_t right = 0;
    int32_t bottom = 0;
    bool operator==(const BuildArea&) const = default;
};

/// The computer-player settings as the player record stores them; their editor interprets them.
inline constexpr size_t kComputerSettingsSize = 156;
using ComputerSettingsBlock = std::array<uint8_t, kComputerSettingsSize>;

class CPlayer : public CLevelObject {
public:
    static constexpr int32_t kDefaultStartingGold = 3000;
    static constexpr int16_t kDefaultHeartHealth = 100;
    /// The name field holds 32 bytes and the last is always the terminating NUL.
    static constexpr size_t kMaxNameLength = 31;

    CPlayer(CWorldEditorDoc* doc, uint8_t id);

    /// "Good Player", "Neutral Player", or "Vorlan %u" with id − 2.
    static std::string defaultName(uint8_t id);
    /// The table colour of ids 1 to 6; higher ids get colours of their own spread around the hue
    /// circle, so several extra Vorlans stay apart on the map.
    static Rgb defaultColour(uint8_t id);

    // A player owns itself; its owner cannot be changed.
    CPlayer* owner() const override { return const_cast<CPlayer*>(this); }
    uint8_t ownerId() const override { return m_id; }
    void setOwner(const CPlayer*) override {}
    void setOwnerById(uint8_t) override {}

    uint8_t id() const { return m_id; }
    void setId(uint8_t id) { m_id = id; }
    bool isVorlan() const { return m_id >= 3; }

    const std::string& name() const { return m_name; }
    void setName(std::string name) { m_name = std::move(name); }
    Rgb colour() const { return m_colour; }
    void setColour(Rgb c) { m_colour = c; }

    int32_t startingGold() const { return m_startingGold; }
    void setStartingGold(int32_t gold) { m_startingGold = gold; }
    bool isComputer() const { return m_computer; }
    void setComputer(bool on) { m_computer = on; }

    /// (0, 0) means the player has no Dungeon Heart.
    TilePoint heartPosition() const { return m_heart; }
    bool hasHeart() const { return m_heart != TilePoint{}; }
    void setHeartPosition(TilePoint p) { m_heart = p; }
    int16_t heartHealth() const { return m_heartHealth; }
    void setHeartHealth(int16_t h) { m_heartHealth = h; }

    /// (0, 0) means none.
    TilePoint cameraStart() const { return m_camera; }
    void setCameraStart(TilePoint p) { m_camera = p; }

    const BuildArea& buildArea() const { return m_buildArea; }
    void setBuildArea(const BuildArea& a) { m_buildArea = a; }
    /// Whether the area was drawn with the Define Build Area tool; only such an area is shown.
    bool buildAreaDefined() const { return m_buildAreaDefined; }
    void setBuildAreaDefined(bool on) { m_buildAreaDefined = on; }

    std::vector<CreaturePoolEntry>& creaturePool() { return m_pool; }
    const std::vector<CreaturePoolEntry>& creaturePool() const { return m_pool; }
    int32_t poolCount(uint8_t type) const;
    /// Sets the count of a type, adding an entry when the pool has none for it.
    void setPoolCount(uint8_t type, int32_t count);

    std::vector<AvailabilityEntry>& availability(AvailabilityKind kind);
    const std::vector<AvailabilityEntry>& availability(AvailabilityKind kind) const;
    /// The stored state, or 1 when the list has no entry for the type.
    uint32_t availabilityState(AvailabilityKind kind, uint8_t type) const;
    /// Changes an existing entry only; answers whether there was one.
    bool setAvailabilityState(AvailabilityKind kind, uint8_t type, uint32_t state);

    std::vector<PortalEntry>& portals() { return m_portals; }
    const std::vector<PortalEntry>& portals() const { return m_portals; }
    std::vector<HeroGateEntry>& heroGates() { return m_gates; }
    const std::vector<HeroGateEntry>& heroGates() const { return m_gates; }

    /// The creature the player starts the level possessing; none by default. The document clears
    /// it when that creature is deleted.
    const CCreature* forcedFirstPerson() const { return m_firstPerson; }
    void setForcedFirstPerson(const CCreature* c) { m_firstPerson = c; }

    ComputerSettingsBlock& computerSettings() { return m_settings; }
    const ComputerSettingsBlock& computerSettings() const { return m_settings; }
    uint16_t computerSettingsLastValue() const { return m_settingsLast; }
    void setComputerSettingsLastValue(uint16_t v) { m_settingsLast = v; }

private:
    std::string m_name;
    uint8_t m_id;
    Rgb m_colour;
    int32_t m_startingGold = kDefaultStartingGold;
    bool m_computer = false;
    TilePoint m_heart;
    int16_t m_heartHealth = kDefaultHeartHealth;
    TilePoint m_camera;
    BuildArea m_buildArea;
    bool m_buildAreaDefined = false;
    std::vector<CreaturePoolEntry> m_pool;
    std::array<std::vector<AvailabilityEntry>, kAvailabilityKinds> m_availability;
    std::vector<PortalEntry> m_portals;
    std::vector<HeroGateEntry> m_gates;
    const CCreature* m_firstPerson = nullptr;
    ComputerSettingsBlock m_settings{};
    uint16_t m_settingsLast = 0;
};

} // namespace gr2
