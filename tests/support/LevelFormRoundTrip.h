#pragma once
// The forms over a level's own values, each opened on values at the extremes of their storage (or
// on random ones) and OK'd untouched: the thing, marker and special-room dialogs, every page of the
// trigger and action editors and both sheets, the player's and the computer player's dialogs and
// the level's. Each is one line of levelForms(); the check of a line answers whether everything
// it could write is as it was. Header-only: the form fuzz target and the core suites share it.

#include "app/QuietPrompter.h"
#include "document/SampleData.h"
#include "document/SampleLevel.h"
#include "forms/ActionPageForms.h"
#include "forms/ActionSheet.h"
#include "forms/ComputerPlayerForms.h"
#include "forms/ComputerPlayerSheet.h"
#include "forms/CreatureForm.h"
#include "forms/DoorForm.h"
#include "forms/ExperienceForm.h"
#include "forms/LevelForms.h"
#include "forms/LevelVariablesForm.h"
#include "forms/LightForm.h"
#include "forms/MarkerForms.h"
#include "forms/ObjectForm.h"
#include "forms/PortalHeartGateForms.h"
#include "forms/RenameVorlanForm.h"
#include "forms/SacrificeForm.h"
#include "forms/TextMessagesEdit.h"
#include "forms/TrapForm.h"
#include "forms/TriggerPageForms.h"
#include "forms/TriggerSheet.h"
#include "forms/VorlanPropertiesSession.h"
#include "level/CActionPoint.h"
#include "level/CCreature.h"
#include "level/CDoor.h"
#include "level/CEffectGenerator.h"
#include "level/CHeroParty.h"
#include "level/CObjectThing.h"
#include "level/CPlayer.h"
#include "level/CTrap.h"
#include "level/PlayerRecord.h"
#include "level/TypeDatabaseLevelTypes.h"
#include "script/ActionKind.h"
#include "script/CAction.h"
#include "script/CTrigger.h"
#include "script/LevelScript.h"
#include "script/ScriptUsage.h"
#include "support/FormRoundTrip.h"
#include "typedb/CGlobalVariables.h"

#include <memory>
#include <string>

namespace gr2::test {

/// The sample level over the sample types, with what it lacks for some forms: the creature of a
/// Create Creature action, and a trigger on each kind of owner. Forms are opened on its things.
class FormLevel {
public:
    FormLevel() : m_levelTypes(types)
    {
        buildSampleTypes(types);
        doc = std::make_unique<CWorldEditorDoc>(m_levelTypes);
        doc->adoptScript(std::make_unique<LevelScript>(*doc));
        buildSampleLevel(*doc);
        LevelScript& script = *LevelScript::of(*doc);

        auto create = script.makeAction();
        create->setId(-2);
        create->setKind(uint8_t(ActionKind::CreateCreature));
        action = script.addLoadedAction(std::move(create));
        actionCreature = doc->CreateCreature(doc->creatures().front()->type(), 4, {6, 6}, false);
        actionCreature->setPlaced(false);
        actionCreature->setSourceAction(action->id());
        action->setCreature(actionCreature);

        for (int slot = 0; slot < kHeroPartySlots && !party; ++slot)
            party = doc->HeroPartyAt(size_t(slot));
        CLevelObject* const owners[] = {nullptr, vorlan(), doc->creatures().front().get(), party,
                                        doc->actionPoints().front().get()};
        const TriggerOwnerKind kinds[] = {TriggerOwnerKind::Level, TriggerOwnerKind::Player,
                                          TriggerOwnerKind::Creature, TriggerOwnerKind::HeroParty,
                                          TriggerOwnerKind::ActionPoint};
        for (size_t i = 0; i < std::size(owners); ++i) {
            auto trigger = std::make_unique<CTrigger>(doc.get());
            trigger->setOwnerObject(owners[i], kinds[i]);
            if (kinds[i] == TriggerOwnerKind::Player)
                trigger->setOwnerById(vorlan()->id());
            triggers.push_back(std::move(trigger));
        }
        usage.markFlag(1);
        usage.markTimer(2);
        actionPlace.root = TriggerOwnerKind::Player;
        actionPlace.ownerPlayer = actionPlace.rootPlayer = vorlan()->id();
        actionPlace.hasActionPoints = actionPlace.hasHeroParties = actionPlace.hasVorlanPlayer =
            actionPlace.hasPortalGemObject = true;
        actionPlace.playerCount = doc->PlayerCount();
        actionPlace.mapWidth = uint16_t(doc->width());
        actionPlace.mapHeight = uint16_t(doc->height());
    }

    /// The first Vorlan.
    CPlayer* vorlan() const { return doc->FindPlayer(PlayerId::FirstVorlan); }
    CTrigger& playerTrigger() const { return *triggers[1]; }

    CTypeDatabase types;
    std::unique_ptr<CWorldEditorDoc> doc;
    CAction* action = nullptr;
    CCreature* actionCreature = nullptr;
    CHeroParty* party = nullptr;
    /// The action pages' forms are made for a Vorlan's trigger in a level with every kind of target.
    ActionPlace actionPlace;
    /// Not in the level's script: a trigger on the level, a player, a creature, a party and an
    /// action point, which the trigger pages and sheet are opened on.
    std::vector<std::unique_ptr<CTrigger>> triggers;
    ScriptUsage usage;
    QuietPrompter prompter;

private:
    TypeDatabaseLevelTypes m_levelTypes;
};

/// Runs one input on a form of the level.
using LevelFormRun = std::function<bool(FormLevel&, std::span<const uint8_t>)>;
struct LevelFormLine {
    const char* name;
    LevelFormRun run;
};

/// A line for a form over a plain target made from the level.
template <class Target, class Make>
LevelFormLine modelLine(const char* name, Make makeDescription, Target target = Target{})
{
    return {name, [makeDescription, target](FormLevel& level, std::span<const uint8_t> input) {
                return modelRoundTrip<Target>(makeDescription(level), target, input);
            }};
}

/// A thing dialog's session opened and OK'd untouched writes nothing into the level.
inline bool sessionWritesNothing(CWorldEditorDoc& doc, ThingSession* session)
{
    if (!session)
        return false;
    const bool wasModified = doc.isModified();
    doc.SetModifiedFlag(false);
    const bool refused = session->accept().has_value();
    const bool modified = doc.isModified();
    doc.SetModifiedFlag(wasModified);
    return !refused && !modified;
}

/// The trigger editor opened on a trigger whose kind, parameters, value and repeat count come from
/// the input, and OK'd untouched on the page it opens on: the trigger keeps every byte.
inline bool triggerSheetRoundTrip(FormLevel& level, CTrigger& trigger, std::span<const uint8_t> input)
{
    InputWords words(input);
    trigger.setKind(words.nextByte());
    trigger.setParameters({words.nextByte(), words.nextByte(), words.nextByte(), words.nextByte()});
    trigger.setValue(uint32_t(words.next()));
    trigger.setRepeat(words.nextByte());
    const uint8_t kind = trigger.kind();
    const TriggerParameters parameters = trigger.parameters();
    const uint32_t value = trigger.value();
    const uint8_t repeat = trigger.repeat();
    TriggerSheet sheet(trigger, *level.doc, level.types, level.usage);
    if (sheet.confirm(sheet.openingPage()))
        return false;
    // A trigger without a kind is a new one, which takes the condition its page shows.
    if (kind == 0)
        return trigger.repeat() == repeat;
    return trigger.kind() == kind && trigger.parameters() == parameters && trigger.value() == value &&
           trigger.repeat() == repeat;
}

/// The action editor opened on the Create Creature action with every field from the input, and
/// OK'd untouched on the page it opens on: the action keeps every byte.
inline bool actionSheetRoundTrip(FormLevel& level, std::span<const uint8_t> input)
{
    CAction& action = *level.action;
    InputWords words(input);
    const uint8_t savedKind = action.kind();
    const ActionParameters saved = action.parameters();
    action.setKind(words.nextByte());
    for (uint8_t& b : action.parameters().a)
        b = words.nextByte();
    action.parameters().b = uint32_t(words.next());
    const uint8_t kind = action.kind();
    const ActionParameters parameters = action.parameters();
    bool kept = false;
    {
        ActionSheet sheet(action, *level.doc, level.types, level.usage);
        // A new action (kind 0) takes the kind the page shows; any other keeps every byte, kinds
        // no page offers here included.
        kept = !sheet.confirm(sheet.openingPage()) &&
               (kind == 0 || (action.kind() == kind && action.parameters() == parameters));
    }
    action.setKind(savedKind);
    action.parameters() = saved;
    return kept;
}

/// "Modify Vorlan Properties" on the first Vorlan with its gold, computer flag, pool counts,
/// availability states and computer settings from the input, OK'd untouched: the player is as it
/// was and the level is not marked changed.
inline bool vorlanPropertiesRoundTrip(FormLevel& level, std::span<const uint8_t> input)
{
    CPlayer& player = *level.vorlan();
    InputWords words(input);
    player.setStartingGold(int32_t(words.next()));
    player.setComputer(words.nextByte() & 1);
    player.creaturePool().clear();
    for (size_t i = 0, n = words.nextByte() % 8; i < n; ++i)
        player.creaturePool().push_back({words.nextByte(), int32_t(words.next())});
    for (int k = 1; k <= kAvailabilityKinds; ++k)
        for (AvailabilityEntry& entry : player.availability(AvailabilityKind(k)))
            entry.state = uint32_t(words.next());
    for (uint8_t& b : player.computerSettings())
        b = words.nextByte();
    const Bytes record = PlayerRecord::pack(player);
    const std::vector<CreaturePoolEntry> pool = player.creaturePool();
    std::vector<std::vector<AvailabilityEntry>> lists;
    for (int k = 1; k <= kAvailabilityKinds; ++k)
        lists.push_back(player.availability(AvailabilityKind(k)));
    level.doc->SetModifiedFlag(false);
    VorlanPropertiesSession session(*level.doc, level.types, player.id());
    if (session.commit())
        return false;
    bool same = PlayerRecord::pack(player) == record && !level.doc->isModified() &&
                player.creaturePool().size() == pool.size();
    for (size_t i = 0; same && i < pool.size(); ++i)
        same =
            player.creaturePool()[i].type == pool[i].type && player.creaturePool()[i].count == pool[i].count;
    for (int k = 1; same && k <= kAvailabilityKinds; ++k) {
        const std::vector<AvailabilityEntry>& now = player.availability(AvailabilityKind(k));
        same = now.size() == lists[size_t(k - 1)].size();
        for (size_t i = 0; same && i < now.size(); ++i)
            same =
                now[i].type == lists[size_t(k - 1)][i].type && now[i].state == lists[size_t(k - 1)][i].state;
    }
    return same;
}

/// The computer-player sheet on a settings area from the input, every page shown, OK'd: every byte
/// of the area stays.
inline bool computerSheetRoundTrip(FormLevel& level, std::span<const uint8_t> input)
{
    Bytes area(kComputerSettingsSize, 0);
    std::copy_n(input.begin(), std::min(input.size(), area.size()), area.begin());
    const Bytes before = area;
    ComputerPlayerSheet sheet(area, "Vorlan", level.doc->types().roomTypes(),
                              [](uint8_t) { return std::string(); });
    for (size_t p = 0; p < kComputerPlayerPageCount; ++p)
        sheet.show(ComputerPlayerPage(p));
    return !sheet.confirm() && area == before;
}

/// "Edit Action Text Messages" on texts from the input, OK'd untouched: the level keeps them.
inline bool textMessagesRoundTrip(FormLevel& level, std::span<const uint8_t> input)
{
    LevelProperties properties = level.doc->properties();
    InputWords words(input);
    for (std::u16string& text : properties.textMessages) {
        text.assign(words.nextByte() * 3u, u' ');
        for (char16_t& c : text)
            c = char16_t(words.nextByte() << 8 | words.nextByte());
    }
    level.doc->setProperties(properties);
    TextMessagesEdit edit(properties);
    if (edit.confirm(edit.text(edit.current()), *level.doc))
        return false;
    return level.doc->properties().textMessages == properties.textMessages;
}

/// A special room's dialog opened and OK'd untouched on a room whose health, direction or owner
/// come from the input.
inline bool specialRoomsRoundTrip(FormLevel& level, std::span<const uint8_t> input)
{
    InputWords words(input);
    CWorldEditorDoc& doc = *level.doc;
    bool kept = true;
    for (size_t i = 0; i < doc.PlayerCount(); ++i) {
        CPlayer& player = *doc.PlayerAt(i);
        for (PortalEntry& portal : player.portals()) {
            portal.health = uint16_t(words.next());
            kept = kept && sessionWritesNothing(doc, portalSession(doc, portal.centre, level.types).get());
        }
        for (HeroGateEntry& gate : player.heroGates()) {
            gate.direction = words.nextByte();
            kept = kept && sessionWritesNothing(doc, heroGateSession(doc, gate.reference).get());
        }
        if (player.hasHeart()) {
            player.setHeartHealth(int16_t(words.next()));
            kept = kept && sessionWritesNothing(doc, heartSession(doc, player).get());
        }
    }
    return kept;
}

inline const std::vector<LevelFormLine>& levelForms()
{
    static const std::vector<LevelFormLine> lines = [] {
        using L = FormLevel;
        auto creature = [](CCreature* (*pick)(L&)) {
            return [pick](L& l) {
                return creatureForm(creatureSubjectOf(*l.doc, *pick(l)), l.types, l.prompter).description;
            };
        };
        auto trigger = [](size_t owner) { return [owner](L& l) -> CTrigger& { return *l.triggers[owner]; }; };
        auto pageContext = [](L& l) {
            return TriggerPageContext{l.playerTrigger(), *l.doc, l.types, l.usage};
        };
        auto actionContext = [](L& l) { return ActionPageContext{l.actionPlace, *l.doc, l.types, l.usage}; };
        std::vector<LevelFormLine> list = {
            modelLine<CreatureEdit>("creature on the map",
                                    creature([](L& l) { return l.doc->creatures().front().get(); })),
            modelLine<CreatureEdit>("hero party member", creature([](L& l) { return l.party->member(1); })),
            modelLine<CreatureEdit>("creature of a Create Creature action",
                                    creature([](L& l) { return l.actionCreature; })),
            modelLine<DoorEdit>("door", [](L& l) { return doorForm(*l.doc->doors().front(), l.types); }),
            modelLine<TrapEdit>("trap", [](L& l) { return trapForm(*l.doc->traps().front(), l.types); }),
            modelLine<ObjectEdit>("object",
                                  [](L& l) { return objectForm(*l.doc->objects().back(), l.types); }),
            modelLine<ActionPointEdit>("action point",
                                       [](L& l) { return actionPointForm(*l.doc->actionPoints().back()); }),
            modelLine<EffectGeneratorEdit>(
                "effect generator",
                [](L& l) { return effectGeneratorForm(*l.doc->effectGenerators().front(), l.types); }),
            {"portal, heart and hero gate", specialRoomsRoundTrip},
            modelLine<AttributePageModel>("trigger attribute page",
                                          [=](L& l) { return attributePageForm(pageContext(l)); }),
            modelLine<EventPageModel>("trigger event page",
                                      [=](L& l) { return eventPageForm(pageContext(l)); }),
            modelLine<PlayerPageModel>("trigger player page",
                                       [=](L& l) { return playerPageForm(pageContext(l)); }),
            modelLine<ComparePageModel>("trigger flag page",
                                        [=](L& l) { return comparePageForm(pageContext(l), 1); }),
            modelLine<ComparePageModel>("trigger timer page",
                                        [=](L& l) { return comparePageForm(pageContext(l), 2); }),
            modelLine<ActionPointPageModel>("trigger action point page",
                                            [=](L& l) { return actionPointPageForm(pageContext(l)); }),
            modelLine<PartyPageModel>("trigger party page",
                                      [=](L& l) { return partyPageForm(pageContext(l)); }),
            modelLine<GuiPageModel>("trigger gui page", [=](L& l) { return guiPageForm(pageContext(l)); }),
            modelLine<RepeatPageModel>("trigger repeat page", [](L&) { return repeatPageForm(); }),
            modelLine<AvailabilityPageModel>("availability action page",
                                             [=](L& l) { return availabilityPageForm(actionContext(l)); }),
            modelLine<FlagActionPageModel>("flag action page",
                                           [=](L& l) { return flagActionPageForm(actionContext(l)); }),
            modelLine<TimerActionPageModel>("timer action page", [](L&) { return timerActionPageForm(); }),
            modelLine<InfoPageModel>("info action page",
                                     [=](L& l) { return infoPageForm(actionContext(l)); }),
            modelLine<GamePageModel>("game action page",
                                     [=](L& l) { return gamePageForm(actionContext(l)); }),
            modelLine<GuiActionPageModel>("gui action page",
                                          [=](L& l) { return guiActionPageForm(actionContext(l)); }),
            modelLine<ApActionPageModel>("ap action page",
                                         [=](L& l) { return apActionPageForm(actionContext(l)); }),
            modelLine<PartyActionPageModel>("party action page",
                                            [=](L& l) { return partyActionPageForm(actionContext(l)); }),
            modelLine<MapPageModel>("map action page", [=](L& l) { return mapPageForm(actionContext(l)); }),
            modelLine<CreaturePageModel>("creature action page",
                                         [=](L& l) { return creaturePageForm(actionContext(l)); }),
            {"action editor", actionSheetRoundTrip},
            {"Modify Vorlan Properties", vorlanPropertiesRoundTrip},
            modelLine<std::string>("Rename Vorlan", [](L&) { return renameVorlanForm(); }),
            {"computer player sheet", computerSheetRoundTrip},
            modelLine<LevelVariablesEdit>(
                "level variables", [](L& l) { return levelVariablesForm(l.doc->properties()); },
                LevelVariablesEdit{}),
            modelLine<LevelProperties>("Level Information", [](L&) { return levelInformationForm(); }),
            modelLine<LevelProperties>("level text and speech ids",
                                       [](L& l) { return levelTextIdsForm(l.types); }),
            {"action text messages", textMessagesRoundTrip},
            modelLine<SacrificeEntry>("sacrifice combination", [](L& l) { return sacrificeForm(l.types); }),
            {"experience increases",
             [](L& l, std::span<const uint8_t> input) {
                 bool kept = true;
                 for (size_t stat : offeredExperienceStats())
                     kept = modelRoundTrip(experienceForm(), ExperienceStat{&l.types.variables(), stat},
                                           input) &&
                            kept;
                 return kept;
             }},
            {"light",
             [](L&, std::span<const uint8_t> input) {
                 // A light descriptor is 24 bytes.
                 Bytes light(24, 0);
                 std::copy_n(input.begin(), std::min(input.size(), light.size()), light.begin());
                 return bytesRoundTrip(lightForm(), light);
             }},
        };
        for (size_t owner = 0; owner < 5; ++owner)
            list.push_back({"trigger editor", [=](L& l, std::span<const uint8_t> input) {
                                return triggerSheetRoundTrip(l, trigger(owner)(l), input);
                            }});
        for (size_t p = 0; p < kComputerPlayerPageCount; ++p)
            list.push_back({"computer player page", [p](L& l, std::span<const uint8_t> input) {
                                Bytes area(kComputerSettingsSize, 0);
                                std::copy_n(input.begin(), std::min(input.size(), area.size()), area.begin());
                                const uint32_t personality = personalityOf(area);
                                (void)l;
                                return bytesRoundTrip(
                                    computerPlayerPageForm(ComputerPlayerPage(p), personality), area);
                            }});
        return list;
    }();
    return lines;
}

/// Runs one input on any form: its first byte picks a type-record form (formRoundTrip, whose
/// inputs it takes as they are) or a line of levelForms() after them, and the rest gives the values.
inline bool anyFormRoundTrip(FormLevel& level, std::span<const uint8_t> input)
{
    if (input.empty())
        return true;
    const size_t typeForms = typeRecordForms().size();
    const size_t pick = input[0] % (typeForms + levelForms().size());
    if (pick < typeForms) {
        Bytes typeInput(input.begin(), input.end());
        typeInput[0] = uint8_t(pick);
        return formRoundTrip(level.types, typeInput);
    }
    return levelForms()[pick - typeForms].run(level, input.subspan(1));
}

} // namespace gr2::test
