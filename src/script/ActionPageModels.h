#pragma once
// What each page of the action editor shows, as plain values, with how it loads them from an
// action and how it stores them. Storing clears both parameter words first and then writes the
// kind and the parameters the page sets, so an action never keeps bytes of the kind it had
// before. Which controls a page shows for a kind is decided here too, so the window and the tests
// ask the same rules.

#include "script/ActionSheetPages.h"
#include "script/ButtonCategory.h"
#include "script/TriggerPageModels.h"

#include <cstdint>

namespace gr2 {

class CAction;
class CTypeDatabase;

/// The number fields of the pages.
inline constexpr TriggerNumberRange kActionNumberRange{0, 32767};
inline constexpr TriggerNumberRange kActionPointSecondsRange{0, 32000};
inline constexpr TriggerNumberRange kRotateAngleRange{-10000, 10000};
inline constexpr TriggerNumberRange kCameraPathRange{0, 1000};
inline constexpr TriggerNumberRange kHealthFlowerSecondsRange{1, 32767};
/// The map fields count tiles from 1, and keep off the map's outer ring of tiles: x runs
/// 2 .. width - 1, which is the tiles 1 .. width - 2 as the level stores them.
TriggerNumberRange mapColumnRange(const ActionPlace& place);
TriggerNumberRange mapRowRange(const ActionPlace& place);

/// The three choices of a flash: until the user acts, for a number of seconds, or off.
enum class FlashMode : uint8_t { Until, For, Off };

// --- Availability --------------------------------------------------------------------------------

struct AvailabilityPageModel {
    ButtonCategory category = ButtonCategory::Room;
    uint32_t item = 0;
    bool unavailable = false;
    uint32_t player = 0;
};
AvailabilityPageModel loadAvailabilityPage(const CAction& action);
void storeAvailabilityPage(const AvailabilityPageModel& page, CAction& action);

// --- Flag ----------------------------------------------------------------------------------------

struct FlagActionPageModel {
    uint32_t target = 0;
    uint32_t op = 0x08;   ///< one of the SetFlagMode operation bits
    bool useFlag = false; ///< "Flag:" chosen rather than "Value:"
    int64_t value = 0;
    uint32_t operand = 0;
};
/// `offersOperand`: whether the page shows "Flag:" (some flag is marked used).
FlagActionPageModel loadFlagActionPage(const CAction& action, bool offersOperand);
void storeFlagActionPage(const FlagActionPageModel& page, CAction& action);

// --- Timer ---------------------------------------------------------------------------------------

struct TimerActionPageModel {
    uint32_t timer = 0;
    int64_t seconds = 0;
};
inline bool timerShowsSeconds(uint32_t timer)
{
    return timer == 16;
}
TimerActionPageModel loadTimerActionPage(const CAction& action);
void storeTimerActionPage(const TimerActionPageModel& page, CAction& action);

// --- Info ----------------------------------------------------------------------------------------

struct InfoPageModel {
    uint8_t kind = 46;
    int64_t number = 0;
    bool zoomTo = false;
    uint32_t point = 0;
    bool showText = true;
    bool introSpeech = false;
    int64_t path = 0;
    bool widescreenOff = false;
    bool roomOff = false;
    uint32_t room = 0;
};
InfoPageModel loadInfoPage(const CAction& action, const ActionPlace& place);
void storeInfoPage(const InfoPageModel& page, CAction& action);

// --- Game ----------------------------------------------------------------------------------------

struct GamePageModel {
    enum class Objective : uint8_t { Kill, Imprison, Convert, Off };
    uint8_t kind = 44;
    uint32_t player1 = 0;
    uint32_t player2 = 0;
    bool breakAlliance = false;
    Objective objective = Objective::Kill;
    bool on = false;
    bool slapsValue = false;
    int64_t slaps = 0;
};
/// Make Objective names no way to win over a player.
inline bool gameShowsObjective(uint8_t kind, const ActionPlace& place)
{
    return kind == 42 && place.root != TriggerOwnerKind::Player;
}
GamePageModel loadGamePage(const CAction& action, const ActionPlace& place);
void storeGamePage(const GamePageModel& page, const ActionPlace& place, CAction& action);

// --- GUI -----------------------------------------------------------------------------------------

struct GuiActionPageModel {
    uint8_t kind = 9;
    ButtonCategory category = ButtonCategory::Misc;
    uint32_t button = 0;
    FlashMode flash = FlashMode::Until;
    int64_t seconds = 0;
    uint8_t path = 0; ///< the camera path number is kept in one byte
    uint32_t point = 0;
    bool hideCeiling = false;
};
/// The Gold and Mana value buttons flash only for a while or not at all.
bool flashesOnlyForAWhile(ButtonCategory category, uint32_t button);
GuiActionPageModel loadGuiActionPage(const CAction& action, const ActionPlace& place);
void storeGuiActionPage(const GuiActionPageModel& page, CAction& action);

// --- AP ------------------------------------------------------------------------------------------

struct ApActionPageModel {
    uint8_t kind = 16;
    uint32_t point = 0;
    bool conceal = false;
    FlashMode flash = FlashMode::Until;
    int64_t flashSeconds = 0;
    uint32_t rotateMode = 0; ///< 0 relative, 1 absolute
    int64_t rotateSeconds = 0;
    int64_t angle = 0;
};
ApActionPageModel loadApActionPage(const CAction& action);
void storeApActionPage(const ApActionPageModel& page, CAction& action);

// --- Party ---------------------------------------------------------------------------------------

struct PartyActionPageModel {
    uint32_t party = 0;
    bool invasion = false;
    bool randomTypes = false;
    uint32_t point = 0;
};
PartyActionPageModel loadPartyActionPage(const CAction& action);
void storePartyActionPage(const PartyActionPageModel& page, CAction& action);

// --- Map -----------------------------------------------------------------------------------------

struct MapPageModel {
    uint8_t kind = 22;
    int64_t x = 2; ///< as stored (from 0), as the tree line prints it
    int64_t y = 2;
    uint32_t terrain = 0;
    uint32_t vorlanPlayer = 0;
    uint32_t anyPlayer = 0;
};
/// Whether Alter Terrain Type names an owner: for an ownable terrain that is no good room's floor.
bool mapShowsOwner(const CTypeDatabase& db, uint32_t terrain);
MapPageModel loadMapPage(const CAction& action);

void storeMapPage(const MapPageModel& page, const CTypeDatabase& db, CAction& action);

// --- Creature ------------------------------------------------------------------------------------

struct CreaturePageModel {
    uint8_t kind = 20;
    uint32_t objective = 11;
    uint32_t player = 0;
    uint32_t point = 0;
    uint32_t type = 0;
    int64_t level = 1;
    int64_t seconds = 1;
    bool second = false; ///< "Run", "Fight", "Open"
};
inline bool creatureShowsPlayer(uint8_t kind, uint32_t objective)
{
    return (kind == 15 && objective != 22 && objective != 23);
}
inline bool creatureShowsPoint(uint8_t kind, uint32_t objective)
{
    return kind == 15 && objective == 23;
}
CreaturePageModel loadCreaturePage(const CAction& action, const ActionPlace& place);
void storeCreaturePage(const CreaturePageModel& page, CAction& action);

} // namespace gr2
