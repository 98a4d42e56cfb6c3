#include "script/TriggerKind.h"

namespace gr2 {

namespace {

using K = TriggerKind;
using S = TriggerOwnerKind;
using R = TriggerParameterRule;

constexpr TriggerKindInfo kKinds[] = {
    {K::Null, u"Null", S::Level, R::None},
    {K::Flag, u"Flag", S::Level, R::FlagOrTimer},
    {K::Timer, u"Timer", S::Level, R::FlagOrTimer},
    {K::Created, u"Created", S::Creature, R::None},
    {K::Killed, u"Killed", S::Creature, R::None},
    {K::Slapped, u"Slapped", S::Creature, R::None},
    {K::Attacked, u"Attacked", S::Creature, R::None},
    {K::Imprisoned, u"Imprisoned", S::Creature, R::None},
    {K::Tortured, u"Tortured", S::Creature, R::None},
    {K::Converted, u"Converted", S::Creature, R::None},
    {K::CreatureClaimed, u"Claimed", S::Creature, R::None},
    {K::Angry, u"Angry", S::Creature, R::None},
    {K::Afraid, u"Afraid", S::Creature, R::None},
    {K::Steals, u"Steals", S::Creature, R::None},
    {K::Leaves, u"Leaves", S::Creature, R::None},
    {K::Stunned, u"Stunned", S::Creature, R::None},
    {K::Dying, u"Dying", S::Creature, R::None},
    {K::DoorDestroyed, u"Destroyed", S::Door, R::None},
    {K::ObjectClaimed, u"Claimed", S::Object, R::None},
    {K::PlayerCreatures, u"Creatures", S::Player, R::PlayerAttribute},
    {K::HappyCreatures, u"Happy Creatures", S::Player, R::PlayerAttribute},
    {K::AngryCreatures, u"Angry Creatures", S::Player, R::PlayerAttribute},
    {K::CreaturesKilled, u"Creatures Killed", S::Player, R::PlayerCount},
    {K::KillsCreatures, u"Kills Creatures", S::Player, R::PlayerCount},
    {K::RoomSlabs, u"Room Slabs", S::Player, R::PlayerAttribute},
    {K::Rooms, u"Rooms", S::Player, R::PlayerAttribute},
    {K::RoomSize, u"Room Size", S::Player, R::PlayerAttribute},
    {K::Doors, u"Doors", S::Player, R::PlayerAttribute},
    {K::Traps, u"Traps", S::Player, R::PlayerAttribute},
    {K::VorlanSpell, u"Vorlan Spell", S::Player, R::PlayerAttribute},
    {K::Gold, u"Gold", S::Player, R::PlayerAttribute},
    {K::GoldMined, u"Gold Mined", S::Player, R::PlayerAttribute},
    {K::Mana, u"Mana", S::Player, R::PlayerAttribute},
    {K::Destroys, u"Destroys", S::Player, R::PlayerAttribute},
    {K::Time, u"Time", S::Level, R::Op},
    {K::LevelCreatures, u"Creatures", S::Level, R::Op},
    {K::Health, u"Health", S::Creature, R::Op},
    {K::GoldHeld, u"Gold Held", S::Creature, R::Op},
    {K::NotUsed, u"<Not Used>", S::ActionPoint, R::OpSubjectFlags},
    {K::CongregateIn, u"Congregate In", S::ActionPoint, R::All},
    {K::ClaimPartOf, u"Claim Part Of", S::ActionPoint, R::OpSubjectFlags},
    {K::ClaimAllOf, u"Claim All Of", S::ActionPoint, R::OpSubjectFlags},
    {K::SlabTypes, u"Slab Types", S::ActionPoint, R::OpSubjectFlags},
    {K::PartyCreated, u"Created", S::HeroParty, R::OpSubject},
    {K::MembersKilled, u"Members Killed", S::HeroParty, R::OpSubject},
    {K::MembersCaptured, u"Members Captured", S::HeroParty, R::OpSubject},
    {K::PayDay, u"Pay Day", S::Level, R::None},
    {K::PlayerKilled, u"Killed", S::Player, R::Op},
    {K::PortalGemInHand, u"Portal Gem In Hand", S::Player, R::None},
    {K::ExperienceLevel, u"Experience Level", S::Creature, R::Op},
    {K::CreatureEntersActionPoint, u"Enter Action Point", S::Creature, R::None},
    {K::PartyEntersActionPoint, u"Enter Action Point", S::HeroParty, R::None},
    {K::CreaturesAtLevel, u"Creatures At Level", S::Player, R::PlayerCount},
    {K::ButtonPressed, u"Button Pressed", S::Player, R::OpSubject},
    {K::HungerSated, u"Hunger Sated", S::Creature, R::None},
    {K::PicksUpPortalGem, u"Picks Up Portal Gem", S::Creature, R::None},
    {K::DungeonBreached, u"Dungeon Breached", S::Player, R::Op},
    {K::EnemyBreached, u"Enemy Breached", S::Player, R::Op},
    {K::CreaturePickedUp, u"Creature Picked Up", S::Player, R::Op},
    {K::CreatureDropped, u"Creature Dropped", S::Player, R::OpSubject},
    {K::CreatureSlapped, u"Creature Slapped", S::Player, R::Op},
    {K::CreatureSacked, u"Creature Sacked", S::Player, R::Op},
    {K::TagPartOf, u"Tag Part Of", S::ActionPoint, R::OpSubject},
    {K::Sacked, u"Sacked", S::Creature, R::None},
    {K::MembersIncapacitated, u"Members Incapacitated", S::HeroParty, R::OpSubject},
    {K::PickedUp, u"Picked Up", S::Creature, R::None},
    {K::CreatureIntroduced, u"Creature Introduced", S::Player, R::Op},
    {K::Played, u"Played", S::Level, R::Op},
    {K::RoomFurniture, u"Room Furniture", S::Player, R::PlayerAttribute},
    {K::TagAllOf, u"Tag All Of", S::ActionPoint, R::Subject},
    {K::PossessedCreatureEnters, u"Possessed Creature Enters", S::ActionPoint, R::SubjectFlagsOther},
    {K::Slaps, u"Slaps", S::Player, R::PlayerAttribute},
    {K::TransitionEnds, u"Transition Ends", S::Player, R::None},
    {K::CreaturesGrouped, u"Creatures Grouped", S::Player, R::PlayerAttribute},
    {K::CreaturesDying, u"Creatures Dying", S::Player, R::PlayerAttribute},
    {K::GemsCollected, u"Gems Collected", S::Player, R::None},
};

static_assert(std::size(kKinds) == kTriggerKindCount);

constexpr bool codesAreIndices()
{
    for (size_t i = 0; i < std::size(kKinds); ++i)
        if (size_t(kKinds[i].code) != i)
            return false;
    return true;
}
static_assert(codesAreIndices(), "the kind table is indexed by code");

} // namespace

std::span<const TriggerKindInfo> triggerKinds()
{
    return kKinds;
}

const TriggerKindInfo* findTriggerKind(uint8_t code)
{
    return code < std::size(kKinds) ? &kKinds[code] : nullptr;
}

std::u16string_view triggerKindName(uint8_t code)
{
    const TriggerKindInfo* info = findTriggerKind(code);
    return (info ? *info : kKinds[0]).name;
}

TriggerOwnerKind triggerKindSubject(uint8_t code)
{
    const TriggerKindInfo* info = findTriggerKind(code);
    return (info ? *info : kKinds[0]).subject;
}

TriggerParameters keptTriggerParameters(uint8_t kind, TriggerParameters in)
{
    const TriggerKindInfo* info = findTriggerKind(kind);
    const TriggerParameterRule rule = info ? info->parameters : R::None;
    const bool withValue = (in.flags & TriggerFlag::CompareWithValue) != 0;
    TriggerParameters out;
    switch (rule) {
    case R::None:
        break;
    case R::Op:
        out.op = in.op;
        break;
    case R::OpSubject:
        out.op = in.op;
        out.subject = in.subject;
        break;
    case R::Subject:
        out.subject = in.subject;
        break;
    case R::OpSubjectFlags:
        out = {in.op, in.subject, in.flags, 0};
        break;
    case R::All:
        out = in;
        break;
    case R::SubjectFlagsOther:
        out = {0, in.subject, in.flags, in.other};
        break;
    case R::FlagOrTimer:
    case R::PlayerAttribute:
        out = {in.op, in.subject, in.flags, withValue ? uint8_t(0) : in.other};
        break;
    case R::PlayerCount:
        out = {in.op, in.subject, withValue ? TriggerFlag::CompareWithValue : in.flags, in.other};
        break;
    }
    return out;
}

} // namespace gr2
