// The room editor's table: the rooms it lists and in which order, the room's own fields and its
// floor's, the fixed form storing gives the floor, the torch's 9-bit colours and the height its
// field can hold, and a room without a floor.

#include "forms/TypeEditorForms.h"
#include "support/TypeDataBuilder.h"
#include "typedb/CTypeDatabase.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

class RoomTypeFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::addType(db.effects(), 300, "Smoke");
        CTerrainType& floor = test::addType(db.terrains(), 10, "Lair Floor");
        floor.setFlags(1u << TerrainTypeFlag::Solid | 1u << 5 | 1u << 6 | 1u << 16 | 1u << 30);
        floor.setIntValue(TerrainField::GoldValue, 50);
        floor.setIntValue(TerrainField::ManaGain, 7);
        floor.setIntValue(TerrainField::MaxManaGain, 9);
        floor.setIntValue(TerrainField::MaxHealthType, 3);
        floor.setIntValue(TerrainField::DestroyedType, 4);
        floor.setIntValue(TerrainField::MaxHealthEffect, 300);
        floor.setIntValue(TerrainField::DestroyedEffect, 300);
        floor.setIntValue(TerrainField::MaxHealth, 200);
        test::addType(db.terrains(), 2, "Earth");
        addRoom(1, "Lair", 10, 2);
        addRoom(2, "Treasury", 10, 1); // shares the lair's floor
        addRoom(3, "Vault", 0, 3);     // names no floor
        addRoom(4, "Lost", 99, 4);     // names a floor no terrain has
        addRoom(5, "Unlisted", 2, 0);
        addRoom(6, "Gate", 34, 5);
        addRoom(7, "Far", 2, 8); // an index past the number of rooms
    }
    CRoomType& addRoom(uint16_t id, const char* name, uint8_t floor, uint8_t index)
    {
        CRoomType& room = test::addType(db.rooms(), id, name);
        room.setFloorTerrainId(floor);
        room.setIntValue(RoomField::IntroductionIndex, index);
        return room;
    }
    size_t rowOf(const std::string& label, size_t from = 0) const
    {
        for (size_t i = from; i < description.rows.size(); ++i)
            if (description.rows[i].label == label)
                return i;
        throw std::runtime_error("no row " + label);
    }
    CTerrainType& floor() { return *db.terrains().findById(10); }

    CTypeDatabase db;
    FormDescription<CTypeRecord> description = roomTypeForm(db);
};

TEST_F(RoomTypeFormTest, TheSelectorListsRoomsByIntroductionIndexKeyedByTablePosition)
{
    std::vector<std::string> listed;
    for (size_t position : typeEditorListing(TypeFamily::Room, db))
        listed.push_back(db.rooms().recordAt(position)->name());
    // Rooms of a shared, missing or no floor are all reached; index 0, an index past the count
    // and the game's own gate floors are left out.
    EXPECT_EQ(listed, (std::vector<std::string>{"Treasury", "Lair", "Vault", "Lost"}));
    EXPECT_EQ(description.caption, "Modify Room Properties");
}

TEST_F(RoomTypeFormTest, StoringARoomWritesItsFieldsAndGivesItsFloorExactlyTheFixedValues)
{
    CRoomType& lair = *db.rooms().findById(1);
    const Bytes floorBefore(floor().bytes().begin(), floor().bytes().end());
    Form<CTypeRecord> form(description);
    form.load(lair);
    FormState& s = form.state();
    EXPECT_EQ(s.text(rowOf("Max &Health:")), "200") << "the floor's value";
    EXPECT_TRUE(s.isEnabled(rowOf("Max &Health:")));
    s.setText(rowOf("&Cost:"), "1500");
    s.setText(rowOf("Max &Health:"), "900");
    s.setText(rowOf("R:", rowOf("Intensity:") - 4), "300"); // the torch's red
    ASSERT_FALSE(form.store(lair));

    EXPECT_EQ(lair.intValue(RoomField::Cost), 1500);
    EXPECT_EQ(lair.intValue(RoomField::TorchRed), 44);
    EXPECT_TRUE(lair.hasFlag(RoomTypeFlag::TorchRedNinthBit));
    CTerrainType& f = floor();
    EXPECT_EQ(f.intValue(TerrainField::MaxHealth), 900);
    EXPECT_EQ(f.intValue(TerrainField::GoldValue), 0);
    EXPECT_EQ(f.intValue(TerrainField::ManaGain), 0);
    EXPECT_EQ(f.intValue(TerrainField::MaxManaGain), 0);
    EXPECT_EQ(f.intValue(TerrainField::MaxHealthType), 10);
    EXPECT_EQ(f.intValue(TerrainField::DestroyedType), 8);
    EXPECT_EQ(f.intValue(TerrainField::MaxHealthEffect), 0);
    EXPECT_EQ(f.intValue(TerrainField::DestroyedEffect), 0);
    EXPECT_EQ(f.flags(), 1u << TerrainTypeFlag::Ownable | 1u << TerrainTypeFlag::RoomLink | 1u << 5 |
                             1u << 16 | 1u << 30)
        << "bits 0, 1, 3 and 6-14 cleared, Ownable and the room link set, the others kept";
    // Every other byte of the floor is as it was.
    const std::vector<std::pair<size_t, size_t>> written = {{400, 4}, {410, 6}, {420, 4}, {473, 2}, {511, 2}};
    for (size_t i = 0; i < floorBefore.size(); ++i) {
        bool isWritten = false;
        for (auto [offset, width] : written)
            isWritten = isWritten || (i >= offset && i < offset + width);
        if (!isWritten) {
            EXPECT_EQ(f.bytes()[i], floorBefore[i]) << "byte " << i;
        }
    }
}

TEST_F(RoomTypeFormTest, ARoomOKdUntouchedLeavesItsFloorAsItIs)
{
    CRoomType& lair = *db.rooms().findById(1);
    floor().setIntValue(TerrainField::GoldValue, 12); // not a room floor's fixed value
    const Bytes floorBefore(floor().bytes().begin(), floor().bytes().end());
    Form<CTypeRecord> form(description);
    form.load(lair);
    bool changed = false;
    ASSERT_FALSE(form.store(lair, &changed));
    EXPECT_FALSE(changed);
    EXPECT_TRUE(std::equal(floorBefore.begin(), floorBefore.end(), floor().bytes().begin()));
}

TEST_F(RoomTypeFormTest, ARoomWithoutAFloorShowsItsOwnFieldsAndDisablesTheFloors)
{
    for (uint16_t id : {3, 4}) {
        SCOPED_TRACE(id);
        CRoomType& room = *db.rooms().findById(id);
        const Bytes earthBefore(db.terrains().findById(2)->bytes().begin(),
                                db.terrains().findById(2)->bytes().end());
        Form<CTypeRecord> form(description);
        form.load(room);
        FormState& s = form.state();
        EXPECT_TRUE(s.isEnabled(rowOf("&Cost:")));
        for (const char* floorLabel : {"Max &Health:", "D&amage:", "Terrain Light", "Ambient Light"})
            EXPECT_FALSE(s.isEnabled(rowOf(floorLabel))) << floorLabel;
        s.setText(rowOf("&Cost:"), "77");
        ASSERT_FALSE(form.store(room));
        EXPECT_EQ(room.intValue(RoomField::Cost), 77);
        EXPECT_TRUE(
            std::equal(earthBefore.begin(), earthBefore.end(), db.terrains().findById(2)->bytes().begin()));
    }
}

TEST_F(RoomTypeFormTest, TheTorchHeightEndsAtTheLargestValueItsFieldHolds)
{
    CRoomType& lair = *db.rooms().findById(1);
    Form<CTypeRecord> form(description);
    form.load(lair);
    FormState& s = form.state();
    const size_t height = rowOf("Height:", rowOf("Terrain Light Height:") + 1);
    ASSERT_TRUE(description.rows[height].range);
    EXPECT_EQ(description.rows[height].range->high, 32767.0 / 4096.0);
    const Bytes before(lair.bytes().begin(), lair.bytes().end());
    s.setText(height, "8");
    ASSERT_TRUE(form.store(lair)) << "8.0 would wrap to a negative height";
    EXPECT_TRUE(std::equal(before.begin(), before.end(), lair.bytes().begin())) << "nothing stored";
    s.setText(height, "7.5");
    ASSERT_FALSE(form.store(lair));
    EXPECT_DOUBLE_EQ(lair.realValue(RoomField::TorchHeight), 7.5);
}

TEST_F(RoomTypeFormTest, TheObjectsAndEffectsEditorNamesTheRoomAndWritesSixOfEachAndNothingElse)
{
    test::addType(db.objects(), 5, "Chest");
    test::addType(db.objects(), 6, "Torch");
    const FormDescription<CTypeRecord> withLists = roomTypeForm(db);
    size_t button = 0;
    while (withLists.rows[button].label != "Objects && Effects...")
        ++button;
    const FormDescription<Bytes>& sub = *withLists.rows[button].subForm;
    std::vector<std::string> labels;
    for (const FormRow& row : sub.rows)
        labels.push_back(row.label);
    EXPECT_EQ(labels, (std::vector<std::string>{
                          "Object 0:", "Object 1:", "Object 2:", "Object 3:", "Object 4:", "Object 5:",
                          "Effect 0:", "Effect 1:", "Effect 2:", "Effect 3:", "Effect 4:", "Effect 5:"}));

    CRoomType& lair = *db.rooms().findById(1);
    for (size_t i = 0; i < 8; ++i) {
        lair.setIntValue(RoomField::Objects, 90 + int(i), i); // ids no object has, as a file may hold
        lair.setIntValue(RoomField::Effects, 900 + int(i), i);
    }
    const Bytes before(lair.bytes().begin(), lair.bytes().end());
    Form<CTypeRecord> form(withLists);
    form.load(lair);
    Bytes block = form.state().bytes(button);
    Form<Bytes> objects(sub);
    objects.load(block);
    EXPECT_EQ(objects.caption(), "Modify Objects and Effects for Room \"Lair\"");
    EXPECT_FALSE(objects.state().choiceIndex(0)) << "an id no object has shows none";
    objects.state().choose(0, 1);  // Chest
    objects.state().choose(5, 2);  // Torch
    objects.state().choose(6, 1);  // Smoke
    objects.state().choose(11, 0); // <none>
    ASSERT_FALSE(objects.store(block));
    form.state().setBytes(button, block);
    ASSERT_FALSE(form.store(lair));

    const std::vector<int64_t> objectsAfter = {5, 91, 92, 93, 94, 6, 96, 97};
    const std::vector<int64_t> effectsAfter = {300, 901, 902, 903, 904, 0, 906, 907};
    for (size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(lair.intValue(RoomField::Objects, i), objectsAfter[i]) << i;
        EXPECT_EQ(lair.intValue(RoomField::Effects, i), effectsAfter[i]) << i;
    }
    const auto isArray = [](size_t i) { return (i >= 898 && i < 914) || (i >= 922 && i < 930); };
    for (size_t i = 0; i < before.size(); ++i)
        if (!isArray(i)) {
            EXPECT_EQ(lair.bytes()[i], before[i]) << "byte " << i;
        }
}

} // namespace
} // namespace gr2
