// The pattern every type editor shares, without a window: paging by table position (so duplicate
// ids reach their own record), the remembered position per family, stores on switching, Cancel,
// the icon spin's wrap and restore, and what closing tells the application.

#include "forms/TypeEditorSession.h"
#include "app/EditorApp.h"
#include "forms/TypeEditorForms.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "support/TypeDataBuilder.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

size_t rowOf(FormSession& session, const std::string& label)
{
    for (size_t i = 0; i < session.state().rowCount(); ++i)
        if (session.state().row(i).label == label)
            return i;
    throw std::runtime_error("no row " + label);
}

class TypeEditorSessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (auto [id, name] : {std::pair{1, "Wooden"}, std::pair{2, "Iron"}, std::pair{2, "Iron Again"},
                                std::pair{4, "Magic"}}) {
            CDoorType& door = test::addType(app.types().doors(), uint16_t(id), name);
            door.setTextValue(DoorField::IconResource, "DOOR#" + std::to_string(id));
            door.setIntValue(DoorField::GoldCost, 100 * id);
        }
    }
    std::unique_ptr<TypeEditorSession> open(std::optional<uint16_t> id = std::nullopt, int cells = 8)
    {
        return std::make_unique<TypeEditorSession>(app, TypeFamily::Door, doorTypeForm(app.types()), id,
                                                   cells);
    }
    CDoorType& door(size_t position) { return *app.types().doors().at(position); }

    test::TempDir root;
    test::ScriptedPrompter prompter;
    EditorApp app{root.path(), prompter};
};

TEST_F(TypeEditorSessionTest, TheSelectorListsTypesByPositionSoADuplicateIdEditsItsOwnRecord)
{
    auto session = open();
    EXPECT_EQ(session->entries(), (std::vector<std::string>{"Wooden", "Iron", "Iron Again", "Magic"}));
    EXPECT_EQ(session->caption(), "Modify Door Properties");
    ASSERT_FALSE(session->select(2));
    EXPECT_EQ(session->selectorLabel(), "[ ID 2 ] Name:");
    EXPECT_EQ(session->state().text(rowOf(*session, "Gold &Cost:")), "200");
    session->state().setText(rowOf(*session, "Gold &Cost:"), "250");
    ASSERT_FALSE(session->accept());
    EXPECT_EQ(door(1).intValue(DoorField::GoldCost), 200) << "the first door with id 2 is left alone";
    EXPECT_EQ(door(2).intValue(DoorField::GoldCost), 250);
}

TEST_F(TypeEditorSessionTest, EachFamilyReopensWhereItWasLeftAndAnOpenersIdWins)
{
    {
        auto session = open();
        EXPECT_EQ(session->position(), 0u);
        ASSERT_FALSE(session->select(3));
    }
    EXPECT_EQ(open()->position(), 3u) << "opened from the menu again";
    EXPECT_EQ(open(2)->position(), 1u) << "the palette names a type: its first record";
    EXPECT_EQ(open()->position(), 1u) << "and that becomes the remembered position";
    EXPECT_EQ(open(99)->position(), 1u) << "an id no type has leaves the remembered position";

    ASSERT_FALSE(open()->select(3));
    app.types().doors().removeAt(3);
    app.types().doors().removeAt(2);
    auto shrunk = open();
    EXPECT_EQ(shrunk->position(), 1u) << "the table shrank: its last type";
    EXPECT_EQ(shrunk->current(), &door(1));

    app.types().doors().deleteAll();
    auto empty = open();
    EXPECT_FALSE(empty->hasTarget());
    EXPECT_FALSE(empty->accept());
}

TEST_F(TypeEditorSessionTest, CancelAfterSwitchingKeepsTheFirstTypesEditsAndDropsTheShownOnes)
{
    auto session = open();
    const size_t gold = rowOf(*session, "Gold &Cost:");
    session->state().setText(gold, "111");
    ASSERT_FALSE(session->select(3));
    session->state().setText(gold, "444");
    session->cancel();
    EXPECT_TRUE(session->finish());
    EXPECT_EQ(door(0).intValue(DoorField::GoldCost), 111);
    EXPECT_EQ(door(3).intValue(DoorField::GoldCost), 400);
    EXPECT_TRUE(app.isGameDataModified());
}

TEST_F(TypeEditorSessionTest, ARefusedValueKeepsTheShownTypeAndStoresNothing)
{
    auto session = open();
    session->state().setText(rowOf(*session, "Gold &Cost:"), "123");
    session->state().setText(rowOf(*session, "&Health:"), "40000");
    const std::optional<FormError> error = session->select(1);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->row, rowOf(*session, "&Health:"));
    EXPECT_EQ(error->message, "Please enter an integer between 0 and 32767.");
    EXPECT_EQ(session->position(), 0u);
    EXPECT_EQ(door(0).intValue(DoorField::GoldCost), 100);
    EXPECT_EQ(open()->position(), 0u) << "the refused switch is not remembered";
}

TEST_F(TypeEditorSessionTest, TheIconSpinWrapsAtOnceAndCancelPutsBackTheIconTheTypeWasShownWith)
{
    auto session = open(4); // "Magic", icon 4 of 8 cells
    ASSERT_TRUE(session->hasIconSpin());
    struct Step {
        int delta;
        int icon;
    } steps[] = {{+1, 5}, {+1, 6}, {+1, 7}, {+1, 0}, {-1, 7}, {+3, 2}, {-1, 1}, {-1, 0}, {-1, 7}};
    for (const Step& step : steps) {
        session->stepIcon(step.delta);
        EXPECT_EQ(door(3).iconIndex(), step.icon) << "the record changes before OK";
    }
    EXPECT_EQ(door(3).textValue(DoorField::IconResource), "DOOR#7");
    session->cancel();
    EXPECT_EQ(door(3).iconIndex(), 4);
    EXPECT_FALSE(session->finish()) << "nothing differs from the opening";
    EXPECT_FALSE(app.isGameDataModified());

    EXPECT_EQ(TypeEditorSession::wrappedIcon(300, +1, 8), 5) << "an index beyond the sheet comes into it";
    EXPECT_FALSE(open(std::nullopt, 0)->hasIconSpin()) << "a family without a sheet has no spin";
    auto noSheet = open(std::nullopt, 0);
    noSheet->stepIcon(1);
    EXPECT_EQ(door(3).iconIndex(), 4);
}

TEST_F(TypeEditorSessionTest, ClosingUntouchedLeavesTheGameDataUnmodifiedButRebuildsWhatDependsOnIt)
{
    int rebuilt = 0;
    app.addGlobalDataListener([&rebuilt](EditorApp::Change change) {
        if (change == EditorApp::Change::Edited)
            ++rebuilt;
    });
    auto session = open();
    ASSERT_FALSE(session->accept());
    EXPECT_FALSE(session->finish());
    EXPECT_FALSE(app.isGameDataModified());
    EXPECT_EQ(rebuilt, 1);
}

} // namespace
} // namespace gr2
