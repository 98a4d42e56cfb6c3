// Every form over a type record, opened on each sample record and on records whose bytes sit at
// the extremes of their storage, and stored back with no change made: no byte of the type data
// moves. The form fuzz target runs the same check on random records.

#include "support/FormRoundTrip.h"
#include "document/SampleData.h"
#include "forms/ActionPageForms.h"
#include "forms/DoorForm.h"
#include "forms/ObjectForm.h"
#include "forms/TrapForm.h"
#include "forms/TriggerPageForms.h"
#include "level/CDoor.h"
#include "level/CObjectThing.h"
#include "level/CTrap.h"
#include "script/ScriptUsage.h"
#include "support/LevelBuilder.h"
#include "support/TypeDataBuilder.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

/// An input for the form and record at these indices, the record's bytes made by `fill`.
Bytes input(size_t form, size_t record, size_t size, const std::function<uint8_t(size_t)>& fill)
{
    Bytes in{uint8_t(form), uint8_t(record)};
    for (size_t i = 0; i < size; ++i)
        in.push_back(fill(i));
    return in;
}

TEST(FormRoundTripTest, OpeningAndStoringAFormKeepsEveryByteOfTheTypeData)
{
    CTypeDatabase db;
    buildSampleTypes(db);
    const std::vector<uint8_t> pristine = test::allTypeBytes(db);
    const struct {
        const char* name;
        std::function<uint8_t(size_t)> fill;
    } fillings[] = {
        {"all bits set", [](size_t) { return uint8_t(0xFF); }},
        {"signed extremes", [](size_t i) { return uint8_t(i % 2 ? 0x80 : 0x7F); }},
        {"largest unsigned words", [](size_t i) { return uint8_t(i % 4 == 3 ? 0x7F : 0xFF); }},
        {"a counting pattern", [](size_t i) { return uint8_t(i * 37 + 11); }},
    };
    const auto& forms = test::typeRecordForms();
    for (size_t f = 0; f < forms.size(); ++f) {
        const TypeTableBase& table = db.table(forms[f].family);
        const std::vector<size_t> records = test::formRecords(forms[f], db);
        for (size_t r = 0; r < records.size() && r < 256; ++r) {
            SCOPED_TRACE(std::string(forms[f].name) + " of " + table.recordAt(records[r])->name());
            const auto own = table.recordAt(records[r])->bytes();
            EXPECT_TRUE(test::formRoundTrip(db, input(f, r, own.size(), [&](size_t i) { return own[i]; })))
                << "the record's own bytes";
            for (const auto& [name, fill] : fillings)
                EXPECT_TRUE(test::formRoundTrip(db, input(f, r, own.size(), fill))) << name;
        }
    }
    EXPECT_TRUE(test::allTypeBytes(db) == pristine) << "each record got its own bytes back";
}

// The forms over a copy of a placed thing's values and over a script page's model: each is
// opened on values at the extremes of their storage (and on a counting pattern) and OK'd untouched.
TEST(FormRoundTripTest, ThingDialogsAndScriptPagesKeepEveryValueTheyAreOpenedOn)
{
    test::LevelBuilder level;
    level.playersUpTo(4);
    CTypeDatabase types;
    test::addType(types.doors(), 1, "Wooden");
    test::addType(types.traps(), 1, "Sentry");
    test::addType(types.objects(), test::TestObject::SpellBook, "Spell Book");
    test::addType(types.vorlanSpells(), 4, "Lightning");
    CWorldEditorDoc& doc = level.doc();
    CDoor& door = *doc.CreateDoor(1, 1, {2, 2});
    CTrap& trap = *doc.CreateTrap(1, 1, {3, 3});
    CObjectThing& object = *doc.CreateObjectThing(test::TestObject::SpellBook, {4, 4});
    ActionPlace place;
    place.root = TriggerOwnerKind::Player;
    place.ownerPlayer = place.rootPlayer = 1;
    place.hasActionPoints = place.hasHeroParties = place.hasVorlanPlayer = place.hasPortalGemObject = true;
    place.playerCount = 4;
    place.mapWidth = place.mapHeight = 12;
    const ScriptUsage usage;
    const ActionPageContext action{place, doc, types, usage};

    using Run = std::function<bool(std::span<const uint8_t>)>;
    const struct {
        const char* name;
        Run run;
    } forms[] = {
        {"door", [&](auto in) { return test::modelRoundTrip(doorForm(door, types), DoorEdit{}, in); }},
        {"trap", [&](auto in) { return test::modelRoundTrip(trapForm(trap, types), TrapEdit{}, in); }},
        {"object",
         [&](auto in) { return test::modelRoundTrip(objectForm(object, types), ObjectEdit{}, in); }},
        {"repeat page",
         [&](auto in) { return test::modelRoundTrip(repeatPageForm(), RepeatPageModel{}, in); }},
        {"availability page",
         [&](auto in) {
             return test::modelRoundTrip(availabilityPageForm(action), AvailabilityPageModel{}, in);
         }},
        {"flag action page",
         [&](auto in) {
             return test::modelRoundTrip(flagActionPageForm(action), FlagActionPageModel{}, in);
         }},
        {"timer action page",
         [&](auto in) { return test::modelRoundTrip(timerActionPageForm(), TimerActionPageModel{}, in); }},
        {"info page",
         [&](auto in) { return test::modelRoundTrip(infoPageForm(action), InfoPageModel{}, in); }},
        {"game page",
         [&](auto in) { return test::modelRoundTrip(gamePageForm(action), GamePageModel{}, in); }},
        {"gui action page",
         [&](auto in) { return test::modelRoundTrip(guiActionPageForm(action), GuiActionPageModel{}, in); }},
        {"ap action page",
         [&](auto in) { return test::modelRoundTrip(apActionPageForm(action), ApActionPageModel{}, in); }},
        {"party action page",
         [&](auto in) {
             return test::modelRoundTrip(partyActionPageForm(action), PartyActionPageModel{}, in);
         }},
        {"map page", [&](auto in) { return test::modelRoundTrip(mapPageForm(action), MapPageModel{}, in); }},
        {"creature page",
         [&](auto in) { return test::modelRoundTrip(creaturePageForm(action), CreaturePageModel{}, in); }},
    };
    const struct {
        const char* name;
        std::function<uint8_t(size_t)> fill;
    } fillings[] = {
        {"zeros", [](size_t) { return uint8_t(0); }},
        {"all bits set", [](size_t) { return uint8_t(0xFF); }},
        {"a counting pattern", [](size_t i) { return uint8_t(i * 37 + 11); }},
    };
    for (const auto& form : forms)
        for (const auto& [name, fill] : fillings) {
            Bytes in(512);
            for (size_t i = 0; i < in.size(); ++i)
                in[i] = fill(i);
            EXPECT_TRUE(form.run(in)) << form.name << ", " << name;
        }
}

} // namespace
} // namespace gr2
