#include "forms/ComputerPlayerForms.h"

#include "forms/FormChoices.h"
#include "forms/FormRows.h"
#include "forms/RecordFields.h"
#include "level/ComputerPlayerSettings.h"

#include <utility>

namespace gr2 {

namespace {

namespace F = ComputerPlayerField;

/// The field of the area at `blockOffset` within the 142-byte settings block.
const FieldDef& at(uint32_t blockOffset)
{
    for (const FieldDef& f : F::kTable)
        if (f.offset == F::kBlock + blockOffset)
            return f;
    return F::def(F::Carried); // unreachable for the offsets the pages name
}

ChoiceSource choices(std::initializer_list<const char*> texts)
{
    ChoiceList list;
    int64_t value = 0;
    for (const char* text : texts)
        list.push_back({value++, text});
    return FormChoices::fixed(std::move(list));
}

/// A value of the stored width, accepting `low` to `high`; `unit` is the text after the field.
FormRow number(std::string label, double low, double high, std::string unit = {})
{
    FormRow row = integerRow(std::move(label), low, high);
    row.unit = std::move(unit);
    return row;
}

FormRow slider(std::string label, std::string low, std::string high)
{
    FormRow row;
    row.label = std::move(label);
    row.kind = ControlKind::Slider;
    row.range = NumberRange{0, 4};
    row.sliderEnds = std::make_pair(std::move(low), std::move(high));
    return row;
}

/// "Will Not Slap Creatures": checked while the bit that allows slapping is clear; the other
/// bits of the byte are the game's and stay as they are.
FieldAccess<Bytes> slapRefused()
{
    FieldAccess<Bytes> access;
    const FieldDef& slap = F::def(F::SlapBits);
    access.traits.capacity = {0, 1};
    access.traits.isUnsigned = true;
    access.footprint = {{slap.offset, slap.width, kSlapAllowedBit}};
    access.read = [slap](const Bytes& b) {
        return FieldValue(int64_t((getIntField(b, slap) & kSlapAllowedBit) == 0));
    };
    access.write = [slap](Bytes& b, const FieldValue& v) {
        const int64_t byte = getIntField(b, slap);
        setIntField(b, slap, integerOf(v) ? (byte & ~int64_t(kSlapAllowedBit)) : (byte | kSlapAllowedBit));
    };
    return access;
}

/// The check box in front of "Number Of Creatures Is At Least ": the area has no field for it,
/// because the count always applies. It is shown checked and greyed and stores nothing.
FieldAccess<Bytes> alwaysOn()
{
    FieldAccess<Bytes> access;
    access.traits.capacity = {0, 1};
    access.read = [](const Bytes&) { return FieldValue(int64_t(1)); };
    access.write = [](Bytes&, const FieldValue&) {};
    return access;
}

FormRow leadingCheck()
{
    FormRow row = flagRow("");
    row.leadsNextLine = true;
    return row;
}

void general(FormDescription<Bytes>& form, uint32_t personality)
{
    ChoiceList types;
    for (uint32_t p = 0; p < kPersonalityCount; ++p)
        types.push_back({int64_t(p), std::string(personalityName(p))});
    if (personality >= kPersonalityCount)
        types.push_back({int64_t(personality), std::to_string(personality)});
    form.add(choiceRow("&Type:", FormChoices::fixed(std::move(types))), blockField(F::def(F::Personality)));
}

void rooms(FormDescription<Bytes>& form)
{
    form.add(number("Min Time Before Placing Researched Room:", 0, 255), blockField(at(0)));
    form.add(number("Default Size (Square Tiles):", 0, 255), blockField(at(9)));
    form.add(number("Tiles Left Between Rooms:", 0, 255), blockField(at(10)));
    form.add(choiceRow("Distance Between Rooms That Should Be Close, Man:", choices({"Close", "Random"})),
             blockField(at(15)));
    form.add(number("Build Lost Room After", 0, 255, " Seconds"), blockField(at(16)));
    form.add(choiceRow("Corridor Style:", choices({"Any Angle", "45 And 90 Degrees", "90 Degrees"})),
             blockField(at(17)));
    form.add(
        choiceRow("When More Space In Room Required ", choices({"Expand Existing", "Create New", "Ignore"})),
        blockField(at(18)));
    form.add(number("Dig To Neutral Rooms Within ", 0, 255, " Tiles Of Heart"), blockField(at(19)));
    form.add(number("Dig To Neutral Rooms Within ", 0, 255, " Tiles Of Claimed Area"), blockField(at(20)));
    form.add(number("Flexibility:", 0, 100), blockField(at(21)));
    form.add(flagRow("Create Empty Areas When Idle"), blockField(at(1)));
    form.add(flagRow("Build Bigger Lair After Claiming Portal"), blockField(at(5)));
    form.add(flagRow("Sell Captured Rooms If Low On Gold"), blockField(at(11)));
}

void doorsTraps(FormDescription<Bytes>& form)
{
    form.add(slider("Trap Use Style:", "Aggressive", "Defensive"), blockField(at(37)));
    form.add(slider("Preference:", "Traps", "Doors"), blockField(at(38)));
    form.add(choiceRow("Door Usage:", choices({"Best Door", "Worst Door", "Random"})), blockField(at(39)));
    form.add(number("Chance Of Looking To Use Traps && Doors:", 0, 100, "%"), blockField(at(48)));
    form.add(flagRow("Boulder Traps On Long Corridors"), blockField(at(40)));
    form.add(flagRow("Boulder Traps On Route To Breach Points"), blockField(at(44)));
}

void initialAttack(FormDescription<Bytes>& form)
{
    const std::string group = "Attack When...";
    auto inGroup = [&](FormRow row) {
        row.group = group;
        return row;
    };
    FormRow countOn = leadingCheck();
    countOn.enabled = never();
    form.add(inGroup(countOn), alwaysOn());
    form.add(inGroup(number("Number Of Creatures Is At Least ", 0, 255)), blockField(at(49)));
    const size_t levelOn = form.add(inGroup(leadingCheck()), blockField(at(51)));
    FormRow level = inGroup(number("All Creatures Are At Least Level ", 1, 10));
    level.enabled = isChecked(levelOn);
    form.add(std::move(level), blockField(at(50)));
    const size_t threatOn = form.add(inGroup(leadingCheck()), blockField(at(56)));
    FormRow threat = inGroup(number("Total Threat Is ", 0, 255, " % Greater Than The Enemy"));
    threat.enabled = isChecked(threatOn);
    form.add(std::move(threat), blockField(at(55)));
    form.add(inGroup(flagRow("  All Room Types Placed")), blockField(at(60)));
    form.add(inGroup(flagRow("   All Vorlan Spells Researched")), blockField(at(64)));
    form.add(choiceRow("1st Attempt To Breach:",
                       choices({"Enemy Dungeon Heart", "Random", "Weak Room", "Strong Room"})),
             blockField(at(68)));
    form.add(choiceRow("1st Dig-To-Enemy Point:",
                       choices({"Furthest From Heart", "Randon", "Heart", "Closest To Enemy Heart"})),
             blockField(at(69)));
    form.add(number("Breach At ", 0, 255, "Points Simultaneously"), blockField(at(70)));
    form.add(number("Use ", 0, 100, " % Of Total Creatures In 1st Fight After Breach.  Or Something."),
             blockField(at(71)));
    form.add(flagRow("Only Attack Attackers"), blockField(at(72)));
    form.add(flagRow("Never Attack.  Ever."), blockField(at(76)));
}

void battles(FormDescription<Bytes>& form)
{
    form.add(number("Threat Value Of Dropped Creatures Is ", 0, 255, " % Of Enemy Threat Value  [ ? ]"),
             blockField(at(80)));
    form.add(slider("Spell Style:", "Aggressive", "Defensive"), blockField(at(81)));
    form.add(number("Place 'Call To Arms' Where Threat Value Is Greater Than ", 0, 32767),
             blockField(at(82)));
    form.add(number("Attempt To Imprison ", 0, 100, " % Of Enemy Creatures"), blockField(at(84)));
    form.add(number("If Creature Health Is ", 0, 100, " % And Not In Own Room, Move To Lair / Temple"),
             blockField(at(89)));
    form.add(number("Remove Call To Arms After ", 0, 32767, " Seconds"), blockField(at(90)));
    form.add(number("Remove Call To Arms If < ", 0, 255, "Enemy Creatures Within "), blockField(at(92)));
    FormRow tiles = number("", 0, 255, " Tiles");
    tiles.sameLine = true;
    form.add(std::move(tiles), blockField(at(93)));
    form.add(number("Remove Call To Arms If Total Creatures < ", 0, 255), blockField(at(94)));
    form.add(number("Wait ", 0, 32767, " Seconds After Previous Attack Before Attacking Again"),
             blockField(at(95)));
    form.add(flagRow("Pull Creature From Fight If Outnumbered And Unable To Drop Reinforcements"),
             blockField(at(85)));
}

void creatures(FormDescription<Bytes>& form)
{
    form.add(choiceRow("Disposal Method:", choices({"Sack", "Sacrifice"})), blockField(at(109)));
    form.add(number("Maximum Number Of Imps:", 0, 255), blockField(at(114)));
    form.add(flagRow("Try To Make Unhappy Ones Happy"), blockField(at(97)));
    form.add(flagRow("Try To Make Angry Ones Happy"), blockField(at(101)));
    form.add(flagRow("'Dispose' Of Angry Creatures"), blockField(at(105)));
    form.add(flagRow("'Dispose' Of Rubbish Creatures If Better Ones Come Along"), blockField(at(110)));
    form.add(flagRow("Will Not Slap Creatures"), slapRefused());
}

void spells(FormDescription<Bytes>& form)
{
    form.add(choiceRow("Use 'Sight Of Evil':", choices({"None", "Random", "Enemy Land"})),
             blockField(at(116)));
    form.add(slider("Use In Battle:", "Often", "Rarely"), blockField(at(117)));
    form.add(slider("Power Preference:", "High Power", "Low Power"), blockField(at(122)));
    form.add(
        choiceRow("Use 'Call To Arms':", choices({"Towards Heart", "At Heart With Creatures", "At Heart"})),
        blockField(at(123)));
    form.add(flagRow("Use 'Lightning' (Or Whatever It's Called) If Enemy Is In Water"), blockField(at(118)));
}

void misc(FormDescription<Bytes>& form)
{
    form.add(choiceRow("Likelihood of Moving Creatures To Library For Researching:",
                       choices({"Very Likely", "Probable", "Unlikely"})),
             blockField(at(124)));
    form.add(number("Mine Gold Until Gold Held >", 0, 65535), blockField(at(125)));
    form.add(number("Explore Up To ", 0, 255, " Tiles To Find Specials"), blockField(at(127)));
    form.add(number("Chance Of Exploring To Find Specials:", 0, 100, " %"), blockField(at(128)));
    form.add(number("Chance Of Finding Specials When Exploring:", 0, 100, "%"), blockField(at(129)));
    form.add(number("Imps To Tiles Ratio  -  1 :", 0, 255), blockField(at(130)));
    form.add(choiceRow("Fate Of Imprisoned Creatures:",
                       choices({"Torture", "Leave To Die", "Place In Pit", "Sacrifice"})),
             blockField(at(131)));
    form.add(number("Starting Mana:", 0, 64000), blockField(at(132)));
    form.add(number("Speed:", 1, 5), blockField(at(136)));
    form.add(number("Openness:", 0, 100, "%"), blockField(at(137)));
    form.add(number("Mana Value:", 0, 32767, "%"), blockField(at(138)));
    form.add(number("Gold Value:", 0, 32767, "%"), blockField(at(140)));
}

} // namespace

std::string_view computerPlayerPageTitle(ComputerPlayerPage page)
{
    constexpr std::string_view kTitles[kComputerPlayerPageCount] = {
        "&General", "&Rooms",     "&Doors / Traps", "&Initial Attack",
        "&Battles", "&Creatures", "&Spells",        "&Misc",
    };
    return kTitles[size_t(page)];
}

FormDescription<Bytes> computerPlayerPageForm(ComputerPlayerPage page, uint32_t personality)
{
    FormDescription<Bytes> form;
    form.caption = std::string(computerPlayerPageTitle(page));
    switch (page) {
    case ComputerPlayerPage::General:
        general(form, personality);
        break;
    case ComputerPlayerPage::Rooms:
        rooms(form);
        break;
    case ComputerPlayerPage::DoorsTraps:
        doorsTraps(form);
        break;
    case ComputerPlayerPage::InitialAttack:
        initialAttack(form);
        break;
    case ComputerPlayerPage::Battles:
        battles(form);
        break;
    case ComputerPlayerPage::Creatures:
        creatures(form);
        break;
    case ComputerPlayerPage::Spells:
        spells(form);
        break;
    case ComputerPlayerPage::Misc:
        misc(form);
        break;
    }
    return form;
}

} // namespace gr2
