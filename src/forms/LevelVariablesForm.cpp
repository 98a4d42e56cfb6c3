#include "forms/LevelVariablesForm.h"

#include "forms/FormChoices.h"
#include "forms/FormRows.h"
#include "forms/LevelForms.h"
#include "level/CWorldEditorDoc.h"
#include "level/TextConversion.h"
#include "typedb/CGlobalVariables.h"
#include "typedb/CTypeDatabase.h"

#include <string>

namespace gr2 {

namespace {

/// The game ticks variable the ticks field replaces.
constexpr uint32_t kTicksVariable = 29;
constexpr double kVariableLimit = 32767;

template <class T> FieldAccess<LevelVariablesEdit> property(T LevelProperties::*member)
{
    return integerAccess<LevelVariablesEdit, T>(
        [member](const LevelVariablesEdit& e) { return e.properties.*member; },
        [member](LevelVariablesEdit& e, T v) { e.properties.*member = v; });
}

FieldAccess<LevelVariablesEdit> flagBit(uint16_t bit)
{
    return integerAccess<LevelVariablesEdit, uint8_t>(
        [bit](const LevelVariablesEdit& e) { return uint8_t(e.properties.hasFlag(bit)); },
        [bit](LevelVariablesEdit& e, uint8_t on) { e.properties.setFlag(bit, on != 0); });
}

/// The secret or special number: each row writes only while its kind is the level's (the flags
/// rows are stored before it), so the number of the checked kind is the one kept.
FieldAccess<LevelVariablesEdit> levelNumberFor(bool secret)
{
    return integerAccess<LevelVariablesEdit, uint8_t>(
        [](const LevelVariablesEdit& e) { return e.properties.secretOrSpecialNumber; },
        [secret](LevelVariablesEdit& e, uint8_t v) {
            if (e.properties.hasFlag(LevelFlag::SecretLevel) == secret)
                e.properties.setSecretOrSpecialNumber(v);
        });
}

FieldAccess<LevelVariablesEdit> reward(bool next, size_t index)
{
    return integerAccess<LevelVariablesEdit, uint8_t>(
        [next, index](const LevelVariablesEdit& e) {
            return next ? e.properties.nextReward(index) : e.properties.previousReward(index);
        },
        [next, index](LevelVariablesEdit& e, uint8_t v) {
            if (next)
                e.properties.setNextReward(index, v);
            else
                e.properties.setPreviousReward(index, v);
        });
}

FieldAccess<LevelVariablesEdit> variable(uint32_t id)
{
    FieldAccess<LevelVariablesEdit> access;
    access.read = [id](const LevelVariablesEdit& e) { return FieldValue(e.values[id]); };
    access.write = [id](LevelVariablesEdit& e, const FieldValue& v) {
        if (const auto* d = std::get_if<double>(&v))
            e.values[id] = *d;
        else
            e.values[id] = double(integerOf(v));
    };
    return access;
}

/// `list`, with `stored` added as its number when the list does not hold it, so that the level's
/// value is shown and kept.
ChoiceList keeping(ChoiceList list, int64_t stored)
{
    for (const Choice& c : list)
        if (c.value == stored)
            return list;
    list.push_back({stored, std::to_string(stored)});
    return list;
}

FormRow limitedText(const char* label, size_t maxLength, bool wide)
{
    FormRow row;
    row.label = label;
    row.kind = ControlKind::Text;
    row.maxLength = maxLength;
    row.wideText = wide;
    return row;
}

} // namespace

LevelVariablesEdit levelVariablesOf(const CWorldEditorDoc& doc)
{
    LevelVariablesEdit edit;
    edit.properties = doc.properties();
    for (uint32_t id = 0; id < edit.values.size(); ++id)
        edit.values[id] = doc.GetVariable(id);
    return edit;
}

void applyLevelVariables(CWorldEditorDoc& doc, const LevelVariablesEdit& edit)
{
    doc.setProperties(edit.properties);
    for (uint32_t id = 0; id < edit.values.size(); ++id)
        doc.SetVariable(id, edit.values[id]);
}

bool overridesGlobal(const CWorldEditorDoc& doc, const CGlobalVariables& globals, uint32_t id)
{
    return doc.GetVariable(id) != globals.value(id);
}

const std::vector<RewardEntry>& rewardTable()
{
    static const std::vector<RewardEntry> table = [] {
        const char* const names[] = {"None",
                                     "Alarm",
                                     "Barricade",
                                     "Boulder",
                                     "Braced",
                                     "Bridge_Stone",
                                     "Bridge_Wooden",
                                     "Call_To_Arms",
                                     "Casino",
                                     "Chicken",
                                     "Create_Gold",
                                     "Create_Imp",
                                     "Dark_Library",
                                     "Earthquake",
                                     "Fear",
                                     "Fireburst",
                                     "Freeze",
                                     "Gas",
                                     "Graveyard",
                                     "Guard_Room",
                                     "Guard_Post",
                                     "Hatchery",
                                     "Heal",
                                     "Inferno",
                                     "Lair",
                                     "Lightning",
                                     "Magic_Door",
                                     "Pit",
                                     "Possess",
                                     "Prison",
                                     "Reaper_Talisman04",
                                     "Fight",
                                     "Secret_Door",
                                     "Sentry",
                                     "Sight_Of_Evil",
                                     "Spike",
                                     "Steel_Door",
                                     "Summon_Reaper",
                                     "<Not Used>",
                                     "Temple",
                                     "Thunderbolt",
                                     "Torture",
                                     "Training",
                                     "Treasury",
                                     "Trigger",
                                     "Turncoat",
                                     "<Not Used>",
                                     "Wood_Door",
                                     "Workshop",
                                     "Reaper_Talisman01",
                                     "Reaper_Talisman02",
                                     "Reaper_Talisman03"};
        const uint8_t notOffered[] = {9, 10, 11, 13, 22, 23, 28, 31, 34, 37, 38, 40, 45, 46};
        std::vector<RewardEntry> entries;
        for (const char* name : names) {
            const uint8_t id = uint8_t(entries.size());
            const bool offered =
                std::find(std::begin(notOffered), std::end(notOffered), id) == std::end(notOffered);
            entries.push_back({id, name, offered});
        }
        return entries;
    }();
    return table;
}

const ChoiceList& textTableList()
{
    static const ChoiceList list = [] {
        ChoiceList l{{0, "None"}};
        auto add = [&l](int64_t id, std::string name) { l.push_back({id, std::move(name)}); };
        for (int i = 1; i <= 5; ++i)
            add(i, "Level " + std::to_string(i));
        add(6, "Level 6a");
        add(7, "Level 6b");
        for (int i = 7; i <= 10; ++i)
            add(i + 1, "Level " + std::to_string(i));
        add(12, "Level 11a");
        add(13, "Level 11b");
        add(14, "Level 11c");
        for (int i = 12; i <= 14; ++i)
            add(i + 3, "Level " + std::to_string(i));
        add(18, "Level 15a");
        add(19, "Level 15b");
        for (int i = 16; i <= 20; ++i)
            add(i + 4, "Level " + std::to_string(i));
        add(25, "Multi-Player 1");
        add(26, "Snug Burrow 1");
        for (int i = 1; i <= 5; ++i)
            add(26 + i, "Secret " + std::to_string(i));
        for (int i = 1; i <= 3; ++i)
            add(31 + i, "Demo " + std::to_string(i));
        for (int i = 2; i <= 6; ++i)
            add(33 + i, "Snug Burrow " + std::to_string(i));
        for (int i = 2; i <= 20; ++i)
            add(39 + i, "Multi-Player " + std::to_string(i));
        return l;
    }();
    return list;
}

FormDescription<LevelVariablesEdit> levelVariablesForm(const LevelProperties& shown,
                                                       LevelVariablesRows* rowsOut)
{
    namespace L = LevelTextLimits;
    FormDescription<LevelVariablesEdit> form;
    form.caption = "Edit Level Variables [ Overrides Globals ]";
    LevelVariablesRows r;

    // One value field, shown for the variable chosen; an edit stays with its variable when another
    // is chosen, and every value is stored on "OK".
    ChoiceList names;
    std::vector<uint32_t> ids;
    for (uint32_t id : CGlobalVariables::levelEditorIds()) {
        if (id == kTicksVariable)
            continue;
        names.push_back({int64_t(id), utf8ToLatin1(utf16ToUtf8(CGlobalVariables::name(id)))});
        ids.push_back(id);
    }
    // The list opens on its first variable; choosing one stores nothing of its own.
    const int64_t first = names.empty() ? 0 : names.front().value;
    r.variableList = form.add(choiceRow("Misc. Variables", FormChoices::fixed(names)),
                              unstoredField<LevelVariablesEdit>(FieldValue(first)));
    form.row(r.variableList).group = "Misc. Variables";
    r.firstValue = form.rows.size();
    r.valueCount = ids.size();
    for (uint32_t id : ids) {
        const size_t row = form.add(realRow("Value:", -kVariableLimit, kVariableLimit), variable(id));
        FormRow& v = form.row(row);
        v.sameLine = true;
        v.group = "Misc. Variables";
        const size_t list = r.variableList;
        v.visible = [list, id](const FormState& s) { return s.value(list) == int64_t(id); };
        v.whenInactive = InactiveRule::KeepEdits;
        v.revealedBy = RevealedBy{list, int64_t(id)};
    }

    {
        FormRow ticks = integerRow("Game Ticks:", 1, 50);
        ticks.unit = "Per Second";
        r.ticks = form.add(std::move(ticks), property(&LevelProperties::ticksPerSecond));
    }
    {
        FieldAccess<LevelVariablesEdit> rating;
        rating.read = [](const LevelVariablesEdit& e) { return FieldValue(e.properties.rating); };
        rating.write = [](LevelVariablesEdit& e, const FieldValue& v) {
            if (const auto* d = std::get_if<double>(&v))
                e.properties.setRating(*d);
        };
        form.add(realRow("Level Rating:", 0, 32767), std::move(rating));
    }
    {
        FieldAccess<LevelVariablesEdit> category;
        category.read = [](const LevelVariablesEdit& e) { return FieldValue(e.properties.soundCategory); };
        category.write = [](LevelVariablesEdit& e, const FieldValue& v) {
            if (const auto* t = std::get_if<std::string>(&v))
                e.properties.soundCategory = *t;
        };
        form.add(limitedText("Sound Category:", L::kSoundCategory, false), std::move(category));
    }
    form.add(integerRow("Vidad Talisman Pieces:", 0, 4), property(&LevelProperties::talismanPieces));
    form.add(integerRow("Average Time:", 0, 32767), property(&LevelProperties::averageTime));
    // A stored 0 shows as 1, the first track.
    form.add(integerRow("Sound Track:", 1, 3),
             integerAccess<LevelVariablesEdit, uint8_t>(
                 [](const LevelVariablesEdit& e) {
                     return uint8_t(e.properties.soundTrack == 0 ? 1 : e.properties.soundTrack);
                 },
                 [](LevelVariablesEdit& e, uint8_t v) { e.properties.setSoundTrack(v); }));

    r.secretCheck = form.add(flagRow("Secret Level:"), flagBit(LevelFlag::SecretLevel));
    r.secretNumber = form.add(integerRow("Secret Level Number:", 0, 16), levelNumberFor(true));
    r.specialCheck = form.add(flagRow("Special Level:"), flagBit(LevelFlag::SpecialLevel));
    r.specialNumber = form.add(integerRow("Special Level Number:", 0, 16), levelNumberFor(false));
    for (auto [check, number] :
         {std::pair{r.secretCheck, r.secretNumber}, std::pair{r.specialCheck, r.specialNumber}}) {
        FormRow& n = form.row(number);
        n.enabled = isChecked(check);
        n.whenInactive = InactiveRule::ShowZero;
    }
    excludeEachOther(form.rows, {r.secretCheck, r.specialCheck});

    form.add(integerRow("Level:", 0, 10), property(&LevelProperties::levelNumber));
    r.textTable =
        form.add(choiceRow("Text Table ID:", FormChoices::fixed(keeping(textTableList(), shown.textTableId))),
                 property(&LevelProperties::textTableId));
    {
        FieldAccess<LevelVariablesEdit> path;
        path.read = [](const LevelVariablesEdit& e) {
            return FieldValue(e.properties.alternativeTerrainPath);
        };
        path.write = [](LevelVariablesEdit& e, const FieldValue& v) {
            if (const auto* t = std::get_if<std::string>(&v))
                e.properties.alternativeTerrainPath = *t;
        };
        form.add(limitedText("Alternative Terrain Path:", L::kAlternativeTerrainPath, false),
                 std::move(path));
    }
    {
        FieldAccess<LevelVariablesEdit> lord;
        lord.read = [](const LevelVariablesEdit& e) {
            return FieldValue(utf16ToUtf8(e.properties.lordOfTheLand));
        };
        lord.write = [](LevelVariablesEdit& e, const FieldValue& v) {
            if (const auto* t = std::get_if<std::string>(&v))
                e.properties.lordOfTheLand = utf8ToUtf16(*t);
        };
        form.add(limitedText("Lord Of The Land Name:", L::kLordOfTheLand, true), std::move(lord));
    }
    form.add(integerRow("Vidad Speech ID:", 0, 32767), property(&LevelProperties::vidadSpeechId));

    ChoiceList offered;
    for (const RewardEntry& e : rewardTable())
        if (e.offered)
            offered.push_back({e.id, e.name});
    for (bool next : {false, true}) {
        for (size_t i = 0; i < LevelProperties::kRewards; ++i) {
            const std::string label = std::string(next ? "Next " : "Previous ") + std::to_string(i + 1) + ":";
            const uint8_t stored = next ? shown.nextReward(i) : shown.previousReward(i);
            const size_t row =
                form.add(choiceRow(label, FormChoices::fixed(keeping(offered, stored))), reward(next, i));
            form.row(row).group = "Rewards";
            if (i == 0)
                (next ? r.firstNext : r.firstPrevious) = row;
        }
    }

    const std::pair<const char*, uint16_t> flags[] = {
        {"Always Imprison Enemies", LevelFlag::AlwaysImprisonEnemies},
        {"One-Shot Vidad Spell Available", LevelFlag::OneShotVidadSpell},
        {"Display 'Heroes Killed' Tally", LevelFlag::DisplayHeroesKilled},
        {"Automatically Show Objective Box", LevelFlag::ShowObjectiveBox},
        {"Last Heart Generates Portal Gem", LevelFlag::LastHeartGeneratesGem},
        {"Freeze Game Options", LevelFlag::FreezeGameOptions},
        {"MultiPlayer Level", LevelFlag::MultiPlayer},
        {"Skirmish Level", LevelFlag::Skirmish},
        {"SNB Level", LevelFlag::SnbLevel}};
    for (const auto& [label, bit] : flags)
        form.add(flagRow(label), flagBit(bit));

    if (rowsOut)
        *rowsOut = r;
    return form;
}

void showGlobalDefaults(FormState& state, const LevelVariablesRows& rows, LevelVariablesEdit& edit,
                        const CGlobalVariables& globals)
{
    for (uint32_t id = 0; id < edit.values.size(); ++id)
        edit.values[id] = globals.value(id);
    for (size_t i = 0; i < rows.valueCount; ++i) {
        const size_t row = rows.firstValue + i;
        const std::optional<RevealedBy> by = state.row(row).revealedBy;
        if (by)
            state.assignText(row, state.shownText(row, FieldValue(globals.value(uint32_t(by->value)))));
    }
}

} // namespace gr2
