#pragma once
// The 52 kinds of script action: each kind's name and which parts of its two parameter words it
// uses, which is also exactly what its file record keeps.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace gr2 {

enum class ActionKind : uint8_t {
    Null = 0,
    CreateCreature = 1,
    CreatePortalGem = 2,
    SendToActionPoint = 3,
    DisplayObjective = 4,
    DisplayInformation = 5,
    SetAvailability = 6,
    SetFlag = 7,
    SetTimer = 8,
    FlashButton = 9,
    WinGame = 10,
    LoseGame = 11,
    WinSubobjective = 12,
    LoseSubobjective = 13,
    CreateHeroParty = 14,
    SetCreatureObjective = 15,
    FlashActionPoint = 16,
    RevealActionPoint = 17,
    SetAlliance = 18,
    ModifyCreaturePool = 19,
    AttachPortalGem = 20,
    ForceFirstPerson = 21,
    AlterTerrainType = 22,
    SetLevelTimeLimit = 23,
    PlaySpeech = 24,
    DisplayTextString = 25,
    ZoomToActionPoint = 26,
    RotateAroundActionPoint = 27,
    GenerateCreature = 28,
    MakeHungry = 29,
    ShowHealthFlower = 30,
    CameraFollowPath = 31,
    CollapseHeroGate = 32,
    AlterSpeed = 33,
    SetMusicExcitementLevel = 34,
    RemoveFromMap = 35,
    SetFightFlag = 36,
    SetPortalStatus = 37,
    SetWidescreenMode = 38,
    CreateDoor = 39,
    CreateTrap = 40,
    CreateEffect = 41,
    MakeObjective = 42,
    ZoomTo = 43,
    SetCreatureMoods = 44,
    SetSystemMessages = 45,
    DisplaySlabOwner = 46,
    DisplayNextRoomType = 47,
    ToggleEffectGenerator = 48,
    ChangeRoomOwner = 49,
    SetSlapsLimit = 50,
    SetTimerSpeech = 51,
};

inline constexpr int kActionKindCount = 52;

/// The part of parameter word 1 (bytes a0..a3, a0 least significant) a kind uses.
enum class ActionWord1 : uint8_t {
    None,
    A0,
    A1,
    A0A1,
    A0A1A2,
    Bytes, ///< all four bytes, each with its own meaning
    Word,  ///< all four bytes read together as one number
};

/// The part of parameter word 2 (b) a kind uses.
enum class ActionWord2 : uint8_t {
    None,
    B0,
    Whole, ///< b, or its halves bx and by
    /// Derived from the level whenever the record is written; what a file holds is ignored.
    Computed,
};

/// Mode bits of a Set Flag action (a1).
namespace SetFlagMode {
inline constexpr uint8_t OperandConstant = 0x02;
inline constexpr uint8_t OperandFlag = 0x04;
inline constexpr uint8_t SetEqual = 0x08;
inline constexpr uint8_t Add = 0x10;
inline constexpr uint8_t Subtract = 0x20;
} // namespace SetFlagMode

/// Where a kind keeps a map tile. Such a tile belongs to the map: flipping, turning or resizing
/// the map moves it with the ground it names.
enum class ActionTile : uint8_t {
    None,
    B, ///< bx is the column, by the row
};

struct ActionKindInfo {
    ActionKind code;
    std::u16string_view name;
    ActionWord1 word1;
    ActionWord2 word2;
    ActionTile tile = ActionTile::None;
};

/// The two parameter words of an action.
struct ActionParameters {
    std::array<uint8_t, 4> a{}; ///< word 1, a[0] least significant
    uint32_t b = 0;             ///< word 2

    uint32_t word() const
    {
        return uint32_t(a[0]) | uint32_t(a[1]) << 8 | uint32_t(a[2]) << 16 | uint32_t(a[3]) << 24;
    }
    void setWord(uint32_t w) { a = {uint8_t(w), uint8_t(w >> 8), uint8_t(w >> 16), uint8_t(w >> 24)}; }
    uint16_t bx() const { return uint16_t(b); }
    uint16_t by() const { return uint16_t(b >> 16); }
    void setB(uint16_t x, uint16_t y) { b = uint32_t(x) | uint32_t(y) << 16; }
    uint8_t b0() const { return uint8_t(b); }
    uint8_t b1() const { return uint8_t(b >> 8); }
    bool operator==(const ActionParameters&) const = default;
};

/// Which way parameters cross the file boundary; only a computed word tells the two apart.
enum class RecordDirection : uint8_t { Write, Read };

/// All 52 kinds in code order.
std::span<const ActionKindInfo> actionKinds();
/// The kind of a stored code; none for a code past the table.
const ActionKindInfo* findActionKind(uint8_t code);
/// A code past the table takes the first entry's name, as every code list does.
std::u16string_view actionKindName(uint8_t code);
/// Whether an action of this kind names a map tile in its parameters (a code past the table
/// names none).
ActionTile actionTileOf(uint8_t kind);
/// The parts of the two words an action of this kind keeps; every other byte becomes 0. A code
/// past the table keeps nothing.
ActionParameters keptActionParameters(uint8_t kind, ActionParameters in, RecordDirection direction);

} // namespace gr2
