#include "support/ExtremeLevel.h"

#include "document/SampleLevel.h"
#include "level/CActionPoint.h"
#include "level/CCreature.h"
#include "level/CDoor.h"
#include "level/CEffectGenerator.h"
#include "level/CHeroParty.h"
#include "level/CObjectThing.h"
#include "level/CPlayer.h"
#include "level/CTrap.h"
#include "level/LevelIds.h"
#include "level/LevelProperties.h"
#include "level/VariableOverrides.h"
#include "script/ActionKind.h"
#include "script/CAction.h"
#include "script/CTrigger.h"
#include "script/LevelScript.h"
#include "script/TriggerKind.h"

#include <limits>

namespace gr2::test {

namespace {

constexpr uint8_t kAllBits8 = 0xFF;
constexpr uint16_t kAllBits16 = 0xFFFF;
constexpr uint32_t kAllBits32 = 0xFFFFFFFF;

/// Alternates the top and the bottom of each field's storage between the things of a kind.
void pushThings(CWorldEditorDoc& doc)
{
    bool high = true;
    auto next = [&high] {
        const uint8_t byte = high ? kAllBits8 : 0;
        high = !high;
        return byte;
    };
    for (const auto& creature : doc.creatures()) {
        const uint8_t byte = next();
        creature->setLevel(byte == 0 ? 1 : byte);
        creature->setHealth(byte == 0 ? 0 : 100);
        creature->setGoldHeld(byte == 0 ? 0 : 100);
        creature->setExtraValue(byte == 0 ? std::numeric_limits<int32_t>::min()
                                          : std::numeric_limits<int32_t>::max());
        creature->setBehaviour(byte);
        creature->setObjective(byte);
        creature->setObjectiveValue(byte);
        creature->setObjectiveTarget(byte);
        creature->setFlags1(byte);
        creature->setFlags2(byte);
    }
    for (const auto& door : doc.doors())
        door->setFlagByte(next());
    for (const auto& trap : doc.traps())
        trap->setShots(next());
    for (const auto& object : doc.objects())
        object->setSpell(next());
    for (const auto& point : doc.actionPoints()) {
        const uint8_t byte = next();
        point->setWaitDelay(byte == 0 ? 0 : kAllBits16);
        point->setFlags(byte);
    }
    for (const auto& generator : doc.effectGenerators()) {
        const uint8_t byte = next();
        for (size_t i = 0; i < 8; ++i)
            generator->setEffect(i, byte == 0 ? 0 : kAllBits16);
        generator->setFrequency(byte);
    }
}

void pushPlayers(CWorldEditorDoc& doc)
{
    for (size_t i = 0; i < doc.PlayerCount(); ++i) {
        CPlayer& player = *doc.PlayerAt(i);
        const bool high = i % 2 == 0;
        // The longest name the record holds, unique per player.
        std::string name(CPlayer::kMaxNameLength, 'W');
        name[0] = char('A' + i);
        doc.RenamePlayer(player, name);
        player.setStartingGold(high ? std::numeric_limits<int32_t>::max() : 0);
        player.setHeartHealth(high ? std::numeric_limits<int16_t>::max()
                                   : std::numeric_limits<int16_t>::min());
        player.setComputer(high);
        player.computerSettings().fill(high ? kAllBits8 : 0);
        player.setComputerSettingsLastValue(high ? kAllBits16 : 0);
    }
}

void pushVariables(CWorldEditorDoc& doc)
{
    LevelProperties p = doc.properties();
    p.name.assign(LevelProperties::kNameLength, u'N');
    p.description.assign(LevelProperties::kDescriptionLength, u'D');
    p.ticksPerSecond = kAllBits16;
    p.rating = 1e30;
    p.averageTime = std::numeric_limits<int32_t>::max();
    p.textTableId = kAllBits8;
    p.soundTrack = kAllBits8;
    p.talismanPieces = kAllBits8;
    p.levelNumber = kAllBits8;
    p.secretOrSpecialNumber = kAllBits8;
    p.vidadSpeechId = std::numeric_limits<int16_t>::min();
    p.previousRewards.fill(kAllBits8);
    p.nextRewards.fill(0);
    p.textIds.fill(std::numeric_limits<int16_t>::max());
    p.speechIds.fill(std::numeric_limits<int16_t>::min());
    for (IntroductionOverride& o : p.introductionOverrides)
        o = {kAllBits8, std::numeric_limits<int16_t>::min()};
    for (std::u16string& message : p.textMessages)
        message.assign(LevelProperties::kTextMessageLength, u'M');
    p.flags = kAllBits16;
    doc.setProperties(p);

    VariableOverrides& variables = doc.loadedVariables();
    bool high = true;
    for (uint32_t id : variables.overridableIds()) {
        variables.SetVariable(id, high ? 3.0e38 : -3.0e38);
        high = !high;
    }
}

/// A trigger of every kind, each with an action of one kind (every action kind once), each
/// parameter byte `byte`, chained after the last trigger of `owner` (the level for none). Ids run
/// from `firstId` + 1.
void addEveryKind(CWorldEditorDoc& doc, CLevelObject* owner, int16_t firstId, uint8_t byte)
{
    LevelScript& script = *LevelScript::of(doc);
    CTrigger* last = script.FindTrigger(owner ? owner->firstTrigger() : int16_t(1));
    while (last && last->next() != 0 && script.FindTrigger(last->next()))
        last = script.FindTrigger(last->next());
    // Kind 0 is a trigger or an action the designer has not given a kind yet, which its sheet
    // shows as its first kind; every stored kind is 1 on.
    for (int k = 1; k < kTriggerKindCount; ++k) {
        const auto id = int16_t(firstId + k);
        auto trigger = script.makeTrigger();
        trigger->setId(id);
        trigger->setKind(uint8_t(k));
        trigger->setValue(byte ? kAllBits32 : 0);
        trigger->setFlags(byte);
        trigger->setOp(byte);
        trigger->setOther(byte);
        trigger->setSubject(byte);
        trigger->setRepeat(byte);
        trigger->setNext(int16_t(k + 1 < kTriggerKindCount ? id + 1 : 0));
        trigger->setChild(k < kActionKindCount ? int16_t(-id) : int16_t(0));
        script.addLoadedTrigger(std::move(trigger));
        if (k >= kActionKindCount)
            continue;
        auto action = script.makeAction();
        action->setId(int16_t(-id));
        action->setKind(uint8_t(k));
        ActionParameters all;
        all.a.fill(byte);
        all.b = byte ? kAllBits32 : 0;
        action->setParameters(all);
        script.addLoadedAction(std::move(action));
    }
    if (last)
        last->setNext(int16_t(firstId + 1));
    else if (owner)
        owner->setFirstTrigger(int16_t(firstId + 1));
}

/// Every kind under the level and under each kind of owner the sheets serve, the top and the
/// bottom of the storage in turn.
void addEveryKindEverywhere(CWorldEditorDoc& doc)
{
    addEveryKind(doc, nullptr, 1000, kAllBits8);
    addEveryKind(doc, doc.FindPlayer(PlayerId::FirstVorlan), 2000, 0);
    if (!doc.creatures().empty())
        addEveryKind(doc, doc.creatures().front().get(), 3000, kAllBits8);
    if (!doc.actionPoints().empty())
        addEveryKind(doc, doc.actionPoints().front().get(), 4000, 0);
    if (CHeroParty* party = doc.HeroPartyAt(0))
        addEveryKind(doc, party, 5000, kAllBits8);
    LevelScript& script = *LevelScript::of(doc);
    script.AttachUnownedActions();
    script.ResolveScript();
}

/// Markers with the largest ids their records hold, which the actions' parameters of all ones name.
void addLargestIds(CWorldEditorDoc& doc)
{
    if (CActionPoint* point = doc.AddActionPoint({1, 1, 2, 2}))
        point->setId(kAllBits8);
    if (CEffectGenerator* generator = doc.AddEffectGenerator({3, 1}))
        generator->setId(kAllBits8);
}

} // namespace

void buildExtremeLevel(CWorldEditorDoc& doc, const std::string& path)
{
    buildSampleLevel(doc, path);
    addLargestIds(doc);
    pushThings(doc);
    pushPlayers(doc);
    pushVariables(doc);
    addEveryKindEverywhere(doc);
}

} // namespace gr2::test
