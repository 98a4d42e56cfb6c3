#include "forms/CreatureForm.h"

#include "app/Prompter.h"
#include "forms/FormChoices.h"
#include "forms/FormRows.h"
#include "forms/LevelChoices.h"
#include "level/CCreature.h"
#include "level/CHeroParty.h"
#include "level/CWorldEditorDoc.h"
#include "level/LevelIds.h"
#include "script/CAction.h"
#include "script/CreatureObjective.h"
#include "script/LevelScript.h"
#include "script/ScriptTreeCommands.h"
#include "typedb/CTypeDatabase.h"

#include <algorithm>
#include <limits>
#include <memory>

namespace gr2 {

namespace {

namespace Objective = CreatureObjective;

/// The objectives heroes can be given, in the order the list shows them.
struct HeroObjective {
    uint8_t code;
    const char* text;
};
constexpr HeroObjective kHeroObjectives[] = {
    {Objective::DestroyRooms, "Destroy Rooms"},
    {Objective::DestroyWalls, "Destroy Walls"},
    {Objective::StealGold, "Steal Gold"},
    {Objective::StealSpells, "Steal Spells"},
    {Objective::StealManufactureCrates, "Steal Manufacture Crates"},
    {Objective::KillCreatures, "Kill Creatures"},
    {Objective::KillPlayer, "Kill Player"},
    {Objective::Wait, "Wait"},
    {Objective::SendToActionPoint, "Send To Action Point"},
    {Objective::JailBreak, "Jail Break"},
};

/// The player an objective is aimed at by default, and that "Send To Action Point" records.
constexpr uint8_t kDefaultTargetPlayer = PlayerId::FirstVorlan;

bool objectiveHasTarget(int64_t objective)
{
    return objective != Objective::Wait && objective != Objective::JailBreak;
}

/// The objectives that send the creature through rooms on its way.
bool objectiveDestroysRooms(int64_t objective)
{
    return objective == Objective::DestroyRooms || objective == Objective::KillPlayer;
}

const char* const kLeaderQuestion =
    "This Hero Party already has a Leader.\n\nMake this creature the new Leader?";

/// Another member of the party carries the leader mark.
bool hasOtherLeader(const CHeroParty& party, const CCreature& creature)
{
    for (int slot = 0; slot < kHeroPartyMembers; ++slot)
        if (const CCreature* member = party.member(slot))
            if (member != &creature && member->hasFlag1(CreatureFlag1::Leader))
                return true;
    return false;
}

template <class T> FieldAccess<CreatureEdit> field(T CreatureEdit::*member)
{
    return memberAccess<CreatureEdit, T>(member);
}

} // namespace

CreatureSubject creatureSubjectOf(CWorldEditorDoc& doc, CCreature& creature)
{
    CreatureSubject subject;
    subject.doc = &doc;
    subject.creature = &creature;
    subject.party = doc.PartyOf(&creature);
    if (!creature.isPlaced() && creature.sourceAction() != 0)
        if (const LevelScript* script = LevelScript::of(doc))
            subject.action = script->FindAction(creature.sourceAction());
    return subject;
}

CreatureEdit readCreature(const CreatureSubject& s)
{
    const CCreature& c = *s.creature;
    CreatureEdit e;
    e.owner = s.action ? s.action->a(1) : c.ownerId();
    e.type = c.type();
    e.level = s.action ? s.action->a(2) : c.level();
    e.health = c.health();
    e.gold = c.goldHeld();
    if (s.action) {
        // The action makes its creature kill player 3; its dialog shows that and nothing else.
        e.objective = Objective::KillPlayer;
        e.target = kDefaultTargetPlayer;
    } else {
        e.objective = c.objective();
        e.target = c.objective() == Objective::SendToActionPoint ? c.objectiveTarget() : c.objectiveValue();
    }
    e.wontFight = !c.hasFlag1(CreatureFlag1::Fights);
    e.wontBeAttacked = !c.hasFlag1(CreatureFlag1::CanBeAttacked);
    e.leader = c.hasFlag1(CreatureFlag1::Leader);
    e.follower = c.hasFlag1(CreatureFlag1::Follower);
    e.returnToHeroLair = c.hasFlag1(CreatureFlag1::ReturnToHeroLair);
    e.freeFriends = c.hasFlag1(CreatureFlag1::FreeFriendsOnJailBreak);
    e.actAsDropped = c.hasFlag1(CreatureFlag1::ActAsDropped);
    e.startAsDying = c.hasFlag1(CreatureFlag1::StartAsDying);
    e.destroyRooms = c.hasFlag2(CreatureFlag2::DestroyRooms);
    e.tool = c.hasFlag2(CreatureFlag2::IAmATool);
    // The action keeps "Dies Instantly" in the follower mark of its packed flags.
    e.diesInstantly =
        s.action ? c.hasFlag1(CreatureFlag1::Follower) : c.hasFlag2(CreatureFlag2::DiesInstantly);
    e.elite = c.isElite();
    e.mercenary = c.hasFlag2(CreatureFlag2::IAmAMercenary);
    e.deadBody = c.isDeadBody();
    return e;
}

void makePartyLeader(CHeroParty& party, CCreature& creature)
{
    for (int slot = 0; slot < kHeroPartyMembers; ++slot) {
        CCreature* member = party.member(slot);
        if (!member)
            continue;
        const bool leads = member == &creature;
        const bool led = member->hasFlag1(CreatureFlag1::Leader);
        member->setFlag1(CreatureFlag1::Leader, leads);
        if (leads)
            member->setFlag1(CreatureFlag1::Follower, false);
        // The former leader's item loses its "[L] " mark.
        if (led && !leads && member->document())
            member->document()->notifyObjectChanged(*member);
    }
}

void writeCreature(const CreatureSubject& s, const CreatureEdit& e)
{
    CCreature& c = *s.creature;
    if (s.action) {
        s.action->setA(1, e.owner);
        c.setOwnerById(e.owner);
    } else if (!s.party) {
        c.setOwnerById(e.owner);
    } else if (e.leader) {
        makePartyLeader(*s.party, c);
    } else {
        // Without "Leader" the member leads no more, whether or not it follows.
        c.setFlag1(CreatureFlag1::Follower, e.follower);
        c.setFlag1(CreatureFlag1::Leader, false);
    }
    c.setType(e.type);
    if (s.action) {
        s.action->setA(0, e.type);
        s.action->setA(2, e.level);
    }
    c.setLevel(e.level);
    c.setGoldHeld(e.gold);
    c.setHealth(e.health);
    c.setFlag1(CreatureFlag1::Fights, !e.wontFight);
    c.setFlag1(CreatureFlag1::CanBeAttacked, !e.wontBeAttacked);
    c.setFlag1(CreatureFlag1::ReturnToHeroLair, e.returnToHeroLair);
    c.setFlag1(CreatureFlag1::FreeFriendsOnJailBreak, e.freeFriends);
    c.setFlag1(CreatureFlag1::ActAsDropped, e.actAsDropped);
    c.setFlag1(CreatureFlag1::StartAsDying, e.startAsDying);
    c.setFlag2(CreatureFlag2::DestroyRooms, e.destroyRooms);
    c.setFlag2(CreatureFlag2::IAmATool, e.tool);
    if (s.action) {
        c.setFlag1(CreatureFlag1::Follower, e.diesInstantly);
        c.setFlag1(CreatureFlag1::Leader, !e.diesInstantly);
    } else {
        c.setFlag2(CreatureFlag2::DiesInstantly, e.diesInstantly);
    }
    c.setElite(e.elite);
    c.setFlag2(CreatureFlag2::IAmAMercenary, e.mercenary);
    if (s.action)
        s.action->setA(3, c.flags1());
    c.setDeadBody(e.deadBody);
    c.setObjective(e.objective);
    if (e.objective == Objective::SendToActionPoint) {
        c.setObjectiveValue(kDefaultTargetPlayer);
        c.setObjectiveTarget(e.target);
    } else {
        c.setObjectiveTarget(0);
        c.setObjectiveValue(objectiveHasTarget(e.objective) ? e.target : 0);
    }
    if (s.doc) {
        s.doc->notifyObjectChanged(c);
        if (s.action)
            s.doc->notifyObjectChanged(*s.action);
    }
}

std::string creatureCaption(const CCreature& creature)
{
    return tileCaption("Creature", creature.position());
}

namespace {
/// Health and gold are percentages of the type's maximum, and the creature keeps at most 100.
constexpr double kMostPercent = 100;
} // namespace

uint32_t deadBodyHealthBound(uint32_t typeHealth)
{
    const uint64_t bound = uint64_t(typeHealth) * 10;
    return uint32_t(std::min<uint64_t>(bound, std::numeric_limits<uint8_t>::max()));
}

CreatureForm creatureForm(const CreatureSubject& subject, const CTypeDatabase& types, Prompter& prompter)
{
    CreatureForm result;
    FormDescription<CreatureEdit>& d = result.description;
    CreatureRows& r = result.rows;
    d.caption = creatureCaption(*subject.creature);
    const CWorldEditorDoc& doc = *subject.doc;
    const bool member = subject.isMember();
    const bool actionCreature = subject.isActionCreature();

    r.type = d.add(typeListRow("", FormChoices::fixed(LevelChoices::creatureTypes(types))),
                   field(&CreatureEdit::type));
    r.owner =
        d.add(listRow("Ow&ner:", ControlKind::PlayerList, FormChoices::fixed(LevelChoices::players(doc))),
              field(&CreatureEdit::owner));
    r.level = d.add(integerRow("&Level:", 1, 10), field(&CreatureEdit::level));
    // Both are percentages of the type's maximum and the creature holds at most 100: a larger
    // entry is refused rather than stored as 100 without a word.
    FormRow healthRow = integerRow("&Initial Health:", 0, kMostPercent);
    healthRow.unit = "%";
    r.health = d.add(std::move(healthRow), field(&CreatureEdit::health));
    FormRow goldRow = integerRow("&Gold Held:", 0, kMostPercent);
    goldRow.unit = "%";
    r.gold = d.add(std::move(goldRow), field(&CreatureEdit::gold));

    ChoiceList objectives;
    const bool hasActionPoints = !doc.actionPoints().empty();
    for (const HeroObjective& o : kHeroObjectives)
        if (o.code != Objective::SendToActionPoint || hasActionPoints)
            objectives.push_back({o.code, o.text});
    r.objective =
        d.add(choiceRow("&Objective:", FormChoices::fixed(objectives)), field(&CreatureEdit::objective));
    const size_t objectiveRow = r.objective;
    const CWorldEditorDoc* level = &doc;
    FormRow target = choiceRow("", [objectiveRow, level](const FormState& s) {
        const int64_t objective = s.value(objectiveRow);
        if (!objectiveHasTarget(objective))
            return ChoiceList{};
        if (objective == Objective::SendToActionPoint)
            return LevelChoices::actionPoints(*level);
        return LevelChoices::players(*level);
    });
    target.choicesFollow = r.objective;
    target.sameLine = true;
    target.visible = [objectiveRow](const FormState& s) { return objectiveHasTarget(s.value(objectiveRow)); };
    r.target = d.add(std::move(target), field(&CreatureEdit::target));

    r.wontFight = d.add(flagRow("&Won't Fight"), field(&CreatureEdit::wontFight));
    r.wontBeAttacked = d.add(flagRow("Won't Be &Attacked"), field(&CreatureEdit::wontBeAttacked));
    r.leader = d.add(flagRow("L&eader"), field(&CreatureEdit::leader));
    r.follower = d.add(flagRow("&Follower"), field(&CreatureEdit::follower));
    r.returnToHeroLair = d.add(flagRow("Return To &Hero Lair"), field(&CreatureEdit::returnToHeroLair));
    r.freeFriends = d.add(flagRow("Free Friends On &JailBreak"), field(&CreatureEdit::freeFriends));
    r.actAsDropped = d.add(flagRow("Act As &Dropped"), field(&CreatureEdit::actAsDropped));
    r.startAsDying = d.add(flagRow("Start As D&ying"), field(&CreatureEdit::startAsDying));
    r.destroyRooms = d.add(flagRow("Destroy Rooms"), field(&CreatureEdit::destroyRooms));
    r.tool = d.add(flagRow("I Am A Tool"), field(&CreatureEdit::tool));
    r.diesInstantly = d.add(flagRow("Dies Instantly"), field(&CreatureEdit::diesInstantly));
    r.elite = d.add(flagRow("I Am Elite"), field(&CreatureEdit::elite));
    r.mercenary = d.add(flagRow("I Am A Mercenary"), field(&CreatureEdit::mercenary));
    r.deadBody = d.add(flagRow("Dead &Body"), field(&CreatureEdit::deadBody));

    // --- enabling rules, as the state shows them ------------------------------------------------
    const size_t ownerRow = r.owner;
    const size_t deadRow = r.deadBody;
    const size_t typeRow = r.type;
    const FormRule ownedByGood = [ownerRow](const FormState& s) {
        return s.value(ownerRow) == PlayerId::Good;
    };
    const FormRule always = [](const FormState&) { return true; };
    const FormRule notAction = [actionCreature](const FormState&) { return !actionCreature; };
    const FormRule notMember = [member](const FormState&) { return !member; };

    // The owner: a party's members are Good, a dead body belongs to the Neutral player.
    d.row(r.owner).enabled = [member, deadRow](const FormState& s) { return !member && !s.checked(deadRow); };
    d.row(r.owner).whenInactive = InactiveRule::StoreShown;
    d.row(r.health).enabled = notAction;
    d.row(r.gold).enabled = notAction;
    // Only Good creatures pursue an objective; others show none and store none.
    d.row(r.objective).enabled = bothOf(notAction, ownedByGood);
    d.row(r.target).enabled = bothOf(notAction, ownedByGood);
    d.row(r.destroyRooms).enabled = bothOf(notAction, ownedByGood);
    d.row(r.tool).enabled = bothOf(notAction, ownedByGood);
    d.row(r.mercenary).enabled = bothOf(notAction, ownedByGood);
    d.row(r.returnToHeroLair).enabled = ownedByGood;
    if (!actionCreature)
        for (size_t row : {r.objective, r.target, r.destroyRooms, r.tool, r.returnToHeroLair})
            d.row(row).whenInactive = InactiveRule::ShowZero;
    else
        d.row(r.returnToHeroLair).whenInactive = InactiveRule::ShowZero;
    d.row(r.leader).enabled = [member, actionCreature](const FormState&) {
        return member && !actionCreature;
    };
    d.row(r.follower).enabled = d.row(r.leader).enabled;
    d.row(r.deadBody).enabled = bothOf(notAction, notMember);
    for (size_t row : {r.freeFriends, r.actAsDropped, r.startAsDying})
        d.row(row).enabled = notMember;
    d.row(r.diesInstantly).enabled = always;
    // Elite: a creature of the map or a party whose type has an elite variant. Handing the
    // creature to the Good player greys it; choosing a type (or another owner) offers it again by
    // the type.
    const CTypeDatabase* db = &types;
    auto handedToGood = std::make_shared<bool>(false);
    d.row(r.elite).enabled = [actionCreature, typeRow, db, handedToGood](const FormState& s) {
        return !actionCreature && !*handedToGood && db->eliteVariantOf(uint8_t(s.value(typeRow))) != nullptr;
    };
    d.row(r.owner).onEdit = [ownerRow, handedToGood](FormState& s) {
        *handedToGood = s.value(ownerRow) == PlayerId::Good;
    };
    d.row(r.type).onEdit = [handedToGood](FormState&) { *handedToGood = false; };

    // --- what edits do to other rows ------------------------------------------------------------
    d.row(r.health).rangeRule = [deadRow, typeRow, db](const FormState& s) {
        if (!s.checked(deadRow))
            return NumberRange{0, kMostPercent};
        const CTypeRecord* type = db->creatures().findRecordById(uint32_t(s.value(typeRow)));
        const uint32_t health = type ? static_cast<const CCreatureType*>(type)->health() : 0;
        return NumberRange{0, std::min(kMostPercent, double(deadBodyHealthBound(health)))};
    };
    // A dead body lies with the Neutral player; unchecking gives the owner chosen before back.
    auto ownerBeforeBody = std::make_shared<int64_t>(readCreature(subject).owner);
    d.row(r.deadBody).onEdit = [deadRow, ownerRow, ownerBeforeBody](FormState& s) {
        if (s.checked(deadRow)) {
            *ownerBeforeBody = s.value(ownerRow);
            s.assign(ownerRow, PlayerId::Neutral);
        } else {
            s.assign(ownerRow, *ownerBeforeBody);
        }
    };
    const size_t destroyRow = r.destroyRooms;
    d.row(r.objective).onEdit = [objectiveRow, destroyRow](FormState& s) {
        s.assign(destroyRow, objectiveDestroysRooms(s.value(objectiveRow)) ? 1 : 0);
    };
    const size_t leaderRow = r.leader;
    const size_t followerRow = r.follower;
    CHeroParty* party = subject.party;
    CCreature* creature = subject.creature;
    Prompter* ask = &prompter;
    // The question only asks; the new leader is made on "OK" like every other change.
    d.row(r.leader).onEdit = [leaderRow, followerRow, party, creature, ask](FormState& s) {
        if (!s.checked(leaderRow))
            return;
        if (party && hasOtherLeader(*party, *creature) &&
            ask->ask(kLeaderQuestion, Prompter::Buttons::YesNo, Prompter::Icon::Question) !=
                Prompter::Answer::Yes) {
            s.assign(leaderRow, 0);
            return;
        }
        s.assign(followerRow, 0);
    };
    d.row(r.follower).onEdit = [leaderRow, followerRow](FormState& s) {
        if (s.checked(followerRow))
            s.assign(leaderRow, 0);
    };
    return result;
}

void resetCreatureDefaults(FormState& state, const CreatureRows& rows)
{
    state.setText(rows.level, "1");
    state.setText(rows.health, "100");
    state.setText(rows.gold, "0");
    if (state.isEnabled(rows.objective)) {
        state.setValue(rows.objective, Objective::KillPlayer);
        const ChoiceList& players = state.choices(rows.target);
        const bool hasDefault = std::any_of(players.begin(), players.end(),
                                            [](const Choice& c) { return c.value == kDefaultTargetPlayer; });
        if (hasDefault)
            state.setValue(rows.target, kDefaultTargetPlayer);
        else if (!players.empty())
            state.setValue(rows.target, players.front().value);
    }
    if (state.isEnabled(rows.destroyRooms))
        state.setChecked(rows.destroyRooms, true);
    for (size_t row : {rows.wontFight, rows.wontBeAttacked, rows.deadBody, rows.returnToHeroLair,
                       rows.freeFriends, rows.actAsDropped, rows.startAsDying})
        if (state.checked(row))
            state.setChecked(row, false);
}

std::unique_ptr<ThingSession> creatureSession(CWorldEditorDoc& doc, CCreature& creature,
                                              const CTypeDatabase& types, Prompter& prompter)
{
    const CreatureSubject subject = creatureSubjectOf(doc, creature);
    CreatureForm form = creatureForm(subject, types, prompter);
    auto session = std::make_unique<ThingEditSession<CreatureEdit>>(
        doc, treeCommandName(TreeCommand::EditCreatureProperties), form.description, readCreature(subject),
        [subject](const CreatureEdit& edit) { writeCreature(subject, edit); });
    session->setReset([rows = form.rows](FormState& state) { resetCreatureDefaults(state, rows); });
    session->setIcon({TypeFamily::Creature, form.rows.type, 0});
    return session;
}

} // namespace gr2
