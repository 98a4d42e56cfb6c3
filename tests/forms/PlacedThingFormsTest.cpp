// The door, trap and object dialogs without a window: their enabling rules as tables of states,
// what each control writes, and the object's type that goes in at once and comes back on Cancel.

#include "forms/DoorForm.h"
#include "forms/ObjectForm.h"
#include "forms/TrapForm.h"
#include "level/CDoor.h"
#include "level/CObjectThing.h"
#include "level/CTrap.h"
#include "support/LevelBuilder.h"
#include "support/TypeDataBuilder.h"
#include "typedb/CDoorType.h"
#include "typedb/CTrapType.h"
#include "typedb/CTypeDatabase.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

using test::addType;
using test::TestObject::Crate;
using test::TestObject::Gold;
using test::TestObject::Plain;
using test::TestObject::SpellBook;

constexpr uint8_t kWooden = 1, kBarricade = 2, kSentry = 1, kDoorTrap = 2, kBoulder = 3;
constexpr uint8_t kLightning = 4, kHaste = 9;

struct ThingsFixture {
    test::LevelBuilder level;
    CTypeDatabase types;

    ThingsFixture()
    {
        level.playersUpTo(4);
        addType(types.doors(), kWooden, "Wooden");
        addType(types.doors(), kBarricade, "Barricade").setFlags(1u << DoorTypeFlag::Barricade);
        addType(types.traps(), kSentry, "Sentry");
        addType(types.traps(), kDoorTrap, "Door Trap").setFlags(1u << TrapTypeFlag::DoorTrap);
        addType(types.traps(), kBoulder, "Boulder");
        for (uint8_t id : {Gold, SpellBook, Crate, Plain})
            addType(types.objects(), id, "Object " + std::to_string(id));
        addType(types.vorlanSpells(), kLightning, "Lightning");
        addType(types.vorlanSpells(), kHaste, "Haste");
    }
    CWorldEditorDoc& doc() { return level.doc(); }
};

TEST(PlacedThingFormsTest, DoorLockedFollowsTypeAndBlueprint)
{
    struct Case {
        uint8_t type;
        bool blueprint;
        bool lockedEnabled;
    } cases[] = {{kWooden, false, true},
                 {kWooden, true, false},
                 {kBarricade, false, false},
                 {kBarricade, true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.type) << " blueprint " << c.blueprint);
        ThingsFixture f;
        CDoor& door = *f.doc().CreateDoor(kWooden, 3, {4, 4});
        door.setLocked(true);
        auto session = doorSession(f.doc(), door, f.types);
        DoorRows rows{};
        doorForm(door, f.types, &rows);
        FormState& s = session->state();
        s.setValue(rows.type, c.type);
        s.setChecked(rows.blueprint, c.blueprint);
        EXPECT_EQ(s.isEnabled(rows.locked), c.lockedEnabled);
        ASSERT_EQ(session->accept(), std::nullopt);
        // A barricade or a blueprint is never stored locked.
        EXPECT_EQ(door.isLocked(), c.lockedEnabled);
        EXPECT_EQ(door.type(), c.type);
        EXPECT_EQ(door.isBlueprint(), c.blueprint);
    }
    ThingsFixture f;
    CDoor& door = *f.doc().CreateDoor(kWooden, 3, {4, 4});
    auto session = doorSession(f.doc(), door, f.types);
    EXPECT_EQ(session->caption(), "Edit Door [ 5, 5 ]");
    DoorRows rows{};
    doorForm(door, f.types, &rows);
    session->state().setValue(rows.owner, 4);
    ASSERT_EQ(session->accept(), std::nullopt);
    EXPECT_EQ(door.ownerId(), 4);
}

// A barricade door stored locked shows "Locked" checked and greyed, as the door holds it; OK keeps
// it, and the dialog reopened shows the same.
TEST(PlacedThingFormsTest, ALockedBarricadeShowsWhatTheDoorHolds)
{
    ThingsFixture f;
    CDoor& door = *f.doc().CreateDoor(kBarricade, 3, {4, 4});
    door.setLocked(true);
    DoorRows rows{};
    doorForm(door, f.types, &rows);
    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass == 0 ? "opened" : "reopened");
        auto session = doorSession(f.doc(), door, f.types);
        EXPECT_FALSE(session->state().isEnabled(rows.locked));
        EXPECT_TRUE(session->state().checked(rows.locked));
        ASSERT_EQ(session->accept(), std::nullopt);
        EXPECT_TRUE(door.isLocked());
    }
}

TEST(PlacedThingFormsTest, TrapBlueprintHoldsNoShots)
{
    ThingsFixture f;
    CTrap& trap = *f.doc().CreateTrap(kSentry, 3, {4, 4});
    trap.setShots(0);
    TrapRows rows{};
    trapForm(trap, f.types, &rows);
    {
        auto session = trapSession(f.doc(), trap, f.types);
        FormState& s = session->state();
        EXPECT_EQ(session->caption(), "Edit Trap [ 5, 5 ]");
        EXPECT_TRUE(s.checked(rows.blueprint)) << "a trap without shots opens as a blueprint";
        EXPECT_FALSE(s.isEnabled(rows.shots));
        EXPECT_EQ(s.choices(rows.type), (ChoiceList{{kSentry, "Sentry"}, {kBoulder, "Boulder"}}));
        s.setChecked(rows.blueprint, false);
        EXPECT_TRUE(s.isEnabled(rows.shots));
        s.setText(rows.shots, "12");
        s.setValue(rows.type, kBoulder);
        s.setValue(rows.owner, 4);
        ASSERT_EQ(session->accept(), std::nullopt);
    }
    EXPECT_EQ(trap.shots(), 12);
    EXPECT_EQ(trap.type(), kBoulder);
    EXPECT_EQ(trap.ownerId(), 4);
    {
        auto session = trapSession(f.doc(), trap, f.types);
        session->state().setChecked(rows.blueprint, true);
        EXPECT_EQ(session->state().text(rows.shots), "0");
        ASSERT_EQ(session->accept(), std::nullopt);
    }
    EXPECT_EQ(trap.shots(), 0);
    {
        auto session = trapSession(f.doc(), trap, f.types);
        session->state().setChecked(rows.blueprint, false);
        session->state().setText(rows.shots, "256");
        const auto refused = session->accept();
        ASSERT_TRUE(refused);
        EXPECT_EQ(refused->message, "Please enter an integer between 0 and 255.");
    }
}

TEST(PlacedThingFormsTest, ObjectDataFollowsItsClass)
{
    struct Case {
        uint8_t type;
        bool spellShown;
        bool data1Shown;
        bool data2Shown;
    } cases[] = {
        {SpellBook, true, true, false},
        {Gold, false, false, true},
        {Crate, false, false, false},
        {Plain, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.type));
        ThingsFixture f;
        CObjectThing& object = *f.doc().CreateObjectThing(Plain, {4, 4});
        ObjectRows rows{};
        objectForm(object, f.types, &rows);
        auto session = objectSession(f.doc(), object, f.types);
        FormState& s = session->state();
        s.setValue(rows.type, c.type);
        EXPECT_EQ(s.isVisible(rows.spell), c.spellShown);
        EXPECT_EQ(s.isVisible(rows.data1), c.data1Shown);
        EXPECT_FALSE(s.isEnabled(rows.data1));
        EXPECT_EQ(s.isVisible(rows.data2) && s.isEnabled(rows.data2), c.data2Shown);
    }
}

TEST(PlacedThingFormsTest, ObjectWritesSpellAndAmount)
{
    ThingsFixture f;
    CObjectThing& book = *f.doc().CreateObjectThing(Plain, {4, 4});
    ObjectRows rows{};
    objectForm(book, f.types, &rows);
    {
        auto session = objectSession(f.doc(), book, f.types);
        FormState& s = session->state();
        s.setValue(rows.type, SpellBook);
        EXPECT_EQ(s.value(rows.spell), kLightning) << "a new book shows the first spell";
        EXPECT_EQ(s.text(rows.data1), "4");
        s.setValue(rows.spell, kHaste);
        EXPECT_EQ(s.text(rows.data1), "9");
        s.setValue(rows.owner, 4);
        ASSERT_EQ(session->accept(), std::nullopt);
    }
    EXPECT_EQ(book.type(), SpellBook);
    EXPECT_EQ(book.data1(), kHaste);
    EXPECT_EQ(book.ownerId(), 4);

    CObjectThing& gold = *f.doc().CreateObjectThing(Gold, {6, 6});
    {
        auto session = objectSession(f.doc(), gold, f.types);
        session->state().setText(rows.data2, "32767");
        ASSERT_EQ(session->accept(), std::nullopt);
    }
    EXPECT_EQ(gold.data2(), 32767);
    // A crate's values are cleared when the type is chosen.
    {
        auto session = objectSession(f.doc(), gold, f.types);
        session->state().setValue(rows.type, Crate);
        ASSERT_EQ(session->accept(), std::nullopt);
    }
    EXPECT_EQ(gold.type(), Crate);
    EXPECT_EQ(gold.storedData1(), 0);
}

TEST(PlacedThingFormsTest, ObjectTypeGoesInAtOnceAndCancelPutsItBack)
{
    ThingsFixture f;
    CObjectThing& object = *f.doc().CreateObjectThing(Plain, {4, 4});
    ObjectRows rows{};
    objectForm(object, f.types, &rows);
    auto session = objectSession(f.doc(), object, f.types);
    session->state().setValue(rows.type, Gold);
    EXPECT_EQ(object.type(), Gold) << "the map shows the chosen type while the dialog is open";
    session->cancel();
    EXPECT_EQ(object.type(), Plain);
}

} // namespace
} // namespace gr2
