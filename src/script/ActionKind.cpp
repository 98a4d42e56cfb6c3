#include "script/ActionKind.h"

namespace gr2 {

namespace {

using K = ActionKind;
using W1 = ActionWord1;
using W2 = ActionWord2;
using T = ActionTile;

constexpr ActionKindInfo kKinds[] = {
    {K::Null, u"Null", W1::None, W2::None},
    {K::CreateCreature, u"Create Creature", W1::Bytes, W2::Whole, T::B},
    {K::CreatePortalGem, u"Create Portal Gem", W1::None, W2::Computed},
    {K::SendToActionPoint, u"Send To Action Point", W1::A0, W2::B0},
    {K::DisplayObjective, u"Display Objective", W1::Word, W2::B0},
    {K::DisplayInformation, u"Display Information", W1::Word, W2::B0},
    {K::SetAvailability, u"Set Availability", W1::Bytes, W2::None},
    {K::SetFlag, u"Set Flag", W1::A0A1, W2::Whole},
    {K::SetTimer, u"Set Timer", W1::A0A1A2, W2::Whole},
    {K::FlashButton, u"Flash Button", W1::A0A1A2, W2::Whole},
    {K::WinGame, u"Win Game", W1::None, W2::None},
    {K::LoseGame, u"Lose Game", W1::None, W2::None},
    {K::WinSubobjective, u"Win Subobjective", W1::None, W2::None},
    {K::LoseSubobjective, u"Lose Subobjective", W1::None, W2::None},
    {K::CreateHeroParty, u"Create Hero Party", W1::A0A1, W2::B0},
    {K::SetCreatureObjective, u"Set Creature Objective", W1::A0A1, W2::B0},
    {K::FlashActionPoint, u"Flash Action Point", W1::A0A1, W2::Whole},
    {K::RevealActionPoint, u"Reveal Action Point", W1::A0A1, W2::None},
    {K::SetAlliance, u"Set Alliance", W1::A0A1A2, W2::None},
    {K::ModifyCreaturePool, u"Modify Creature Pool", W1::A0, W2::Whole},
    {K::AttachPortalGem, u"Attach Portal Gem", W1::None, W2::None},
    {K::ForceFirstPerson, u"Force First Person", W1::None, W2::None},
    {K::AlterTerrainType, u"Alter Terrain Type", W1::A0A1, W2::Whole, T::B},
    {K::SetLevelTimeLimit, u"Set Level Time Limit", W1::A0A1A2, W2::Whole},
    {K::PlaySpeech, u"Play Speech", W1::Word, W2::Whole},
    {K::DisplayTextString, u"Display Text String", W1::Word, W2::None},
    {K::ZoomToActionPoint, u"Zoom To Action Point", W1::A0, W2::None},
    {K::RotateAroundActionPoint, u"Rotate Around Action Point", W1::Bytes, W2::Whole},
    {K::GenerateCreature, u"Generate Creature", W1::A0A1, W2::None},
    {K::MakeHungry, u"Make Hungry", W1::None, W2::None},
    {K::ShowHealthFlower, u"Show Health Flower", W1::Word, W2::None},
    {K::CameraFollowPath, u"Camera Follow Path", W1::A0A1A2, W2::None},
    {K::CollapseHeroGate, u"Collapse Hero Gate", W1::None, W2::Whole, T::B},
    {K::AlterSpeed, u"Alter Speed", W1::A0, W2::None},
    {K::SetMusicExcitementLevel, u"Set Music Excitement Level", W1::Word, W2::None},
    {K::RemoveFromMap, u"Remove From Map", W1::A0, W2::None},
    {K::SetFightFlag, u"Set Fight Flag", W1::A0, W2::None},
    {K::SetPortalStatus, u"Set Portal Status", W1::A0, W2::None},
    {K::SetWidescreenMode, u"Set Widescreen Mode", W1::A0, W2::None},
    {K::CreateDoor, u"Create Door", W1::None, W2::None},
    {K::CreateTrap, u"Create Trap", W1::None, W2::None},
    {K::CreateEffect, u"Create Effect", W1::None, W2::None},
    {K::MakeObjective, u"Make Objective", W1::A0, W2::None},
    {K::ZoomTo, u"Zoom To", W1::None, W2::None},
    {K::SetCreatureMoods, u"Set Creature Moods", W1::A0, W2::None},
    {K::SetSystemMessages, u"Set System Messages", W1::A0, W2::None},
    {K::DisplaySlabOwner, u"Display Slab Owner", W1::A0, W2::Whole, T::B},
    {K::DisplayNextRoomType, u"Display Next Room Type", W1::A0, W2::None},
    {K::ToggleEffectGenerator, u"Toggle Effect Generator", W1::A0A1, W2::None},
    {K::ChangeRoomOwner, u"Change Room Owner", W1::A1, W2::Whole, T::B},
    {K::SetSlapsLimit, u"Set Slaps Limit", W1::None, W2::Whole},
    {K::SetTimerSpeech, u"Set Timer Speech", W1::A0, W2::None},
};

static_assert(std::size(kKinds) == kActionKindCount);

constexpr bool codesAreIndices()
{
    for (size_t i = 0; i < std::size(kKinds); ++i)
        if (size_t(kKinds[i].code) != i)
            return false;
    return true;
}
static_assert(codesAreIndices(), "the kind table is indexed by code");

} // namespace

std::span<const ActionKindInfo> actionKinds()
{
    return kKinds;
}

const ActionKindInfo* findActionKind(uint8_t code)
{
    return code < std::size(kKinds) ? &kKinds[code] : nullptr;
}

std::u16string_view actionKindName(uint8_t code)
{
    const ActionKindInfo* info = findActionKind(code);
    return (info ? *info : kKinds[0]).name;
}

ActionTile actionTileOf(uint8_t kind)
{
    const ActionKindInfo* info = findActionKind(kind);
    return info ? info->tile : ActionTile::None;
}

ActionParameters keptActionParameters(uint8_t kind, ActionParameters in, RecordDirection direction)
{
    const ActionKindInfo* info = findActionKind(kind);
    if (!info)
        return {};
    ActionParameters out;
    switch (info->word1) {
    case W1::None:
        break;
    case W1::A0:
        out.a[0] = in.a[0];
        break;
    case W1::A1:
        out.a[1] = in.a[1];
        break;
    case W1::A0A1:
        out.a[0] = in.a[0];
        out.a[1] = in.a[1];
        break;
    case W1::A0A1A2:
        out.a = {in.a[0], in.a[1], in.a[2], 0};
        break;
    case W1::Bytes:
    case W1::Word:
        out.a = in.a;
        break;
    }
    switch (info->word2) {
    case W2::None:
        break;
    case W2::B0:
        out.b = in.b0();
        break;
    case W2::Whole:
        out.b = in.b;
        break;
    case W2::Computed:
        out.b = direction == RecordDirection::Write ? in.b : 0;
        break;
    }
    return out;
}

} // namespace gr2
