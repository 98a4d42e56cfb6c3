#include "script/ActionPageModels.h"

#include "level/LevelIds.h"
#include "script/ActionKind.h"
#include "script/CAction.h"
#include "script/MiscButtonId.h"
#include "script/ScriptUsage.h"
#include "typedb/CTypeDatabase.h"

#include <algorithm>

namespace gr2 {

namespace {

/// Every page starts its store from an action without parameters.
void reset(CAction& action, uint8_t kind)
{
    action.setParameters({});
    action.setKind(kind);
}

/// The action's kind when the page's list offers it, else the list's first kind.
uint8_t offeredKind(const CAction& action, ActionPage page, const ActionPlace& place)
{
    const std::vector<uint8_t> kinds = actionKindsOffered(page, place);
    if (std::find(kinds.begin(), kinds.end(), action.kind()) != kinds.end())
        return action.kind();
    return kinds.empty() ? 0 : kinds.front();
}

uint8_t byte(int64_t v)
{
    return uint8_t(std::clamp<int64_t>(v, 0, 255));
}

uint16_t half(int64_t v)
{
    return uint16_t(std::clamp<int64_t>(v, 0, 0xFFFF));
}

FlashMode loadFlash(uint8_t onByte, uint32_t seconds)
{
    if (onByte == 0)
        return FlashMode::Off;
    return seconds != 0 ? FlashMode::For : FlashMode::Until;
}

/// The word 1 byte and word 2 of a flash.
void storeFlash(FlashMode mode, int64_t seconds, CAction& action, int onByte)
{
    action.setA(onByte, mode == FlashMode::Off ? 0 : 1);
    action.setB(mode == FlashMode::For ? uint32_t(half(seconds)) : 0);
}

} // namespace

// The tiles inside the border, as the file stores them and the tree line prints them.
TriggerNumberRange mapColumnRange(const ActionPlace& place)
{
    return {1, std::max<int64_t>(1, int64_t(place.mapWidth) - 2)};
}

TriggerNumberRange mapRowRange(const ActionPlace& place)
{
    return {1, std::max<int64_t>(1, int64_t(place.mapHeight) - 2)};
}

// --- Availability --------------------------------------------------------------------------------

AvailabilityPageModel loadAvailabilityPage(const CAction& action)
{
    AvailabilityPageModel page;
    if (action.kind() != uint8_t(ActionKind::SetAvailability))
        return page;
    page.category = ButtonCategory(action.a(1));
    page.unavailable = action.a(3) == 0;
    page.item = action.a(2);
    page.player = action.a(0);
    return page;
}

void storeAvailabilityPage(const AvailabilityPageModel& page, CAction& action)
{
    reset(action, uint8_t(ActionKind::SetAvailability));
    action.setA(0, byte(page.player));
    action.setA(1, uint8_t(page.category));
    action.setA(2, byte(page.item));
    action.setA(3, page.unavailable ? 0 : 1);
}

// --- Flag ----------------------------------------------------------------------------------------

FlagActionPageModel loadFlagActionPage(const CAction& action, bool offersOperand)
{
    FlagActionPageModel page;
    if (action.kind() != uint8_t(ActionKind::SetFlag))
        return page;
    page.target = action.a(0);
    const uint8_t mode = action.a(1);
    for (uint8_t op : {SetFlagMode::SetEqual, SetFlagMode::Add, SetFlagMode::Subtract})
        if (mode & op) {
            page.op = op;
            break;
        }
    if ((mode & SetFlagMode::OperandConstant) || !offersOperand)
        page.value = action.b();
    else {
        page.useFlag = true;
        page.operand = action.b();
    }
    return page;
}

void storeFlagActionPage(const FlagActionPageModel& page, CAction& action)
{
    reset(action, uint8_t(ActionKind::SetFlag));
    action.setA(0, byte(page.target));
    action.setA(1,
                uint8_t(page.op | (page.useFlag ? SetFlagMode::OperandFlag : SetFlagMode::OperandConstant)));
    action.setB(page.useFlag ? page.operand : uint32_t(std::max<int64_t>(page.value, 0)));
}

// --- Timer ---------------------------------------------------------------------------------------

TimerActionPageModel loadTimerActionPage(const CAction& action)
{
    TimerActionPageModel page;
    if (action.kind() == uint8_t(ActionKind::SetTimer))
        page.timer = action.a(0);
    if (action.kind() == uint8_t(ActionKind::SetLevelTimeLimit)) {
        page.timer = ScriptTimerIndex::TimeLimit;
        page.seconds = action.b();
    }
    return page;
}

void storeTimerActionPage(const TimerActionPageModel& page, CAction& action)
{
    if (timerShowsSeconds(page.timer)) {
        reset(action, uint8_t(ActionKind::SetLevelTimeLimit));
        action.setA(0, ScriptTimerIndex::TimeLimit);
        action.setB(uint32_t(std::max<int64_t>(page.seconds, 0)));
        return;
    }
    reset(action, uint8_t(ActionKind::SetTimer));
    action.setA(0, byte(page.timer));
}

// --- Info ----------------------------------------------------------------------------------------

InfoPageModel loadInfoPage(const CAction& action, const ActionPlace& place)
{
    InfoPageModel page;
    page.kind = offeredKind(action, ActionPage::Info, place);
    if (page.kind != action.kind())
        return page;
    const ActionParameters& p = action.parameters();
    switch (ActionKind(page.kind)) {
    case ActionKind::DisplayObjective:
        page.number = p.word();
        page.zoomTo = p.b0() != 0;
        page.point = p.b0();
        break;
    case ActionKind::PlaySpeech:
        page.number = p.word();
        page.showText = p.b0() == 0;
        page.introSpeech = p.b1() != 0;
        page.path = p.by();
        break;
    case ActionKind::DisplayTextString:
        page.number = p.word();
        break;
    case ActionKind::SetWidescreenMode:
        page.widescreenOff = p.a[0] == 0;
        break;
    case ActionKind::DisplayNextRoomType:
        page.roomOff = p.a[0] == 0;
        page.room = p.a[0];
        break;
    default:
        break;
    }
    return page;
}

void storeInfoPage(const InfoPageModel& page, CAction& action)
{
    reset(action, page.kind);
    ActionParameters& p = action.parameters();
    const uint32_t number = uint32_t(std::max<int64_t>(page.number, 0));
    switch (ActionKind(page.kind)) {
    case ActionKind::DisplayObjective:
        p.setWord(number);
        p.b = page.zoomTo ? byte(page.point) : 0;
        break;
    case ActionKind::PlaySpeech:
        p.setWord(number);
        p.b = uint32_t(page.showText ? 0 : 1) | uint32_t(page.introSpeech ? 1 : 0) << 8 |
              uint32_t(half(page.path)) << 16;
        break;
    case ActionKind::DisplayTextString:
        p.setWord(number);
        break;
    case ActionKind::SetWidescreenMode:
        p.a[0] = page.widescreenOff ? 0 : 1;
        break;
    case ActionKind::DisplayNextRoomType:
        p.a[0] = page.roomOff ? 0 : byte(page.room);
        break;
    default:
        break;
    }
}

// --- Game ----------------------------------------------------------------------------------------

GamePageModel loadGamePage(const CAction& action, const ActionPlace& place)
{
    GamePageModel page;
    page.kind = offeredKind(action, ActionPage::Game, place);
    if (page.kind != action.kind())
        return page;
    const ActionParameters& p = action.parameters();
    switch (ActionKind(page.kind)) {
    case ActionKind::SetAlliance:
        page.player1 = p.a[0];
        page.player2 = p.a[1];
        page.breakAlliance = p.a[2] != 0;
        break;
    case ActionKind::MakeObjective:
        page.objective =
            p.a[0] == 0 || p.a[0] > 3 ? GamePageModel::Objective::Off : GamePageModel::Objective(p.a[0] - 1);
        break;
    case ActionKind::SetCreatureMoods:
    case ActionKind::SetSystemMessages:
    case ActionKind::SetTimerSpeech:
        page.on = p.a[0] != 0;
        break;
    case ActionKind::SetSlapsLimit:
        page.slapsValue = p.b != 0;
        page.slaps = p.b;
        break;
    default:
        break;
    }
    return page;
}

void storeGamePage(const GamePageModel& page, const ActionPlace& place, CAction& action)
{
    reset(action, page.kind);
    ActionParameters& p = action.parameters();
    switch (ActionKind(page.kind)) {
    case ActionKind::SetAlliance:
        p.a[0] = byte(page.player1);
        p.a[1] = byte(page.player2);
        p.a[2] = page.breakAlliance ? 1 : 0;
        break;
    case ActionKind::MakeObjective:
        if (gameShowsObjective(page.kind, place) && page.objective != GamePageModel::Objective::Off)
            p.a[0] = uint8_t(uint8_t(page.objective) + 1);
        break;
    case ActionKind::SetCreatureMoods:
    case ActionKind::SetSystemMessages:
    case ActionKind::SetTimerSpeech:
        p.a[0] = page.on ? 1 : 0;
        break;
    case ActionKind::SetSlapsLimit:
        p.b = page.slapsValue ? uint32_t(std::max<int64_t>(page.slaps, 0)) : 0;
        break;
    default:
        break;
    }
}

// --- GUI -----------------------------------------------------------------------------------------

bool flashesOnlyForAWhile(ButtonCategory category, uint32_t button)
{
    return category == ButtonCategory::Misc && (button == 243 || button == 242);
}

GuiActionPageModel loadGuiActionPage(const CAction& action, const ActionPlace& place)
{
    GuiActionPageModel page;
    page.kind = offeredKind(action, ActionPage::Gui, place);
    if (page.kind != action.kind())
        return page;
    const ActionParameters& p = action.parameters();
    if (page.kind == uint8_t(ActionKind::FlashButton)) {
        page.category = ButtonCategory(p.a[0]);
        page.button = p.a[1];
        page.flash = loadFlash(p.a[2], p.b);
        page.seconds = page.flash == FlashMode::For ? p.b : 0;
    } else {
        page.path = p.a[0];
        page.point = p.a[1];
        page.hideCeiling = p.a[2] != 0;
    }
    return page;
}

void storeGuiActionPage(const GuiActionPageModel& page, CAction& action)
{
    reset(action, page.kind);
    if (page.kind == uint8_t(ActionKind::FlashButton)) {
        action.setA(0, uint8_t(page.category));
        action.setA(1, byte(page.button));
        FlashMode mode = page.flash;
        if (mode == FlashMode::Until && flashesOnlyForAWhile(page.category, page.button))
            mode = FlashMode::For;
        storeFlash(mode, page.seconds, action, 2);
        return;
    }
    action.setA(0, byte(page.path));
    action.setA(1, byte(page.point));
    action.setA(2, page.hideCeiling ? 1 : 0);
}

// --- AP ------------------------------------------------------------------------------------------

ApActionPageModel loadApActionPage(const CAction& action)
{
    ApActionPageModel page;
    const ActionParameters& p = action.parameters();
    switch (ActionKind(action.kind())) {
    case ActionKind::FlashActionPoint:
        page.flash = loadFlash(p.a[1], p.b);
        page.flashSeconds = page.flash == FlashMode::For ? p.b : 0;
        break;
    case ActionKind::RevealActionPoint:
        page.conceal = p.a[1] != 0;
        break;
    case ActionKind::ZoomToActionPoint:
        break;
    case ActionKind::RotateAroundActionPoint:
        page.rotateMode = p.a[1];
        page.rotateSeconds = p.b;
        page.angle = int16_t(uint16_t(p.a[2] | p.a[3] << 8));
        break;
    default:
        return page;
    }
    page.kind = action.kind();
    page.point = p.a[0];
    return page;
}

void storeApActionPage(const ApActionPageModel& page, CAction& action)
{
    reset(action, page.kind);
    action.setA(0, byte(page.point));
    switch (ActionKind(page.kind)) {
    case ActionKind::FlashActionPoint:
        storeFlash(page.flash, page.flashSeconds, action, 1);
        break;
    case ActionKind::RevealActionPoint:
        action.setA(1, page.conceal ? 1 : 0);
        break;
    case ActionKind::RotateAroundActionPoint: {
        action.setA(1, byte(page.rotateMode));
        action.setB(uint32_t(half(page.rotateSeconds)));
        const auto angle = uint16_t(int16_t(std::clamp<int64_t>(page.angle, -32768, 32767)));
        action.setA(2, uint8_t(angle));
        action.setA(3, uint8_t(angle >> 8));
        break;
    }
    default:
        break;
    }
}

// --- Party ---------------------------------------------------------------------------------------

PartyActionPageModel loadPartyActionPage(const CAction& action)
{
    PartyActionPageModel page;
    if (action.kind() != uint8_t(ActionKind::CreateHeroParty))
        return page;
    page.party = action.a(0);
    page.invasion = action.a(1) != 0;
    page.randomTypes = action.a(1) == 2;
    page.point = action.parameters().b0();
    return page;
}

void storePartyActionPage(const PartyActionPageModel& page, CAction& action)
{
    reset(action, uint8_t(ActionKind::CreateHeroParty));
    action.setA(0, byte(page.party));
    action.setA(1, !page.invasion ? 0 : page.randomTypes ? 2 : 1);
    action.setB(byte(page.point));
}

// --- Map -----------------------------------------------------------------------------------------

namespace {

const CRoomType* goodRoomOnFloor(const CTypeDatabase& db, uint32_t terrain)
{
    const CRoomType* room = terrain <= 0xFF ? db.roomWithFloor(uint8_t(terrain)) : nullptr;
    return room && room->hasFlag(RoomTypeFlag::IsGood) ? room : nullptr;
}

} // namespace

bool mapShowsOwner(const CTypeDatabase& db, uint32_t terrain)
{
    const CTerrainType* type = db.terrains().findById(terrain);
    return type && type->hasFlag(TerrainTypeFlag::Ownable) && !goodRoomOnFloor(db, terrain);
}

MapPageModel loadMapPage(const CAction& action)
{
    MapPageModel page;
    const std::optional<ActionPage> owner = pageOfActionKind(action.kind(), false);
    if (owner != ActionPage::Map || action.kind() == uint8_t(ActionKind::ToggleEffectGenerator))
        return page;
    const ActionParameters& p = action.parameters();
    page.kind = action.kind();
    page.x = int64_t(p.bx());
    page.y = int64_t(p.by());
    page.terrain = p.a[0];
    page.vorlanPlayer = p.a[1];
    page.anyPlayer = p.a[1];
    return page;
}

void storeMapPage(const MapPageModel& page, const CTypeDatabase& db, CAction& action)
{
    reset(action, page.kind);
    action.parameters().setB(half(page.x), half(page.y));
    switch (ActionKind(page.kind)) {
    case ActionKind::AlterTerrainType:
        action.setA(0, byte(page.terrain));
        if (mapShowsOwner(db, page.terrain) && page.vorlanPlayer != 0)
            action.setA(1, byte(page.vorlanPlayer));
        else
            action.setA(1, goodRoomOnFloor(db, page.terrain) ? PlayerId::Good : PlayerId::Neutral);
        break;
    case ActionKind::ChangeRoomOwner:
        action.setA(1, byte(page.anyPlayer));
        break;
    default:
        break;
    }
}

// --- Creature ------------------------------------------------------------------------------------

CreaturePageModel loadCreaturePage(const CAction& action, const ActionPlace& place)
{
    CreaturePageModel page;
    page.kind = offeredKind(action, ActionPage::Creature, place);
    if (page.kind != action.kind())
        return page;
    const ActionParameters& p = action.parameters();
    switch (ActionKind(page.kind)) {
    case ActionKind::SetCreatureObjective:
        page.objective = p.a[1];
        if (p.a[1] == 23)
            page.point = p.b0();
        else
            page.player = p.a[0];
        break;
    case ActionKind::GenerateCreature:
        page.type = p.a[0];
        page.level = p.a[1] == 0 ? 1 : p.a[1];
        break;
    case ActionKind::ShowHealthFlower:
        page.seconds = p.word() == 0 ? 1 : int64_t(p.word());
        break;
    case ActionKind::AlterSpeed:
    case ActionKind::SetFightFlag:
    case ActionKind::SetPortalStatus:
        page.second = p.a[0] != 0;
        break;
    default:
        break;
    }
    return page;
}

void storeCreaturePage(const CreaturePageModel& page, CAction& action)
{
    reset(action, page.kind);
    ActionParameters& p = action.parameters();
    switch (ActionKind(page.kind)) {
    case ActionKind::SetCreatureObjective:
        p.a[1] = byte(page.objective);
        if (page.objective == 23)
            p.b = byte(page.point);
        else if (page.objective != 22)
            p.a[0] = byte(page.player);
        break;
    case ActionKind::GenerateCreature:
        p.a[0] = byte(page.type);
        p.a[1] = byte(page.level);
        break;
    case ActionKind::ShowHealthFlower:
        p.setWord(uint32_t(std::max<int64_t>(page.seconds, 0)));
        break;
    case ActionKind::AlterSpeed:
    case ActionKind::SetFightFlag:
    case ActionKind::SetPortalStatus:
        p.a[0] = page.second ? 1 : 0;
        break;
    default:
        break;
    }
}

} // namespace gr2
