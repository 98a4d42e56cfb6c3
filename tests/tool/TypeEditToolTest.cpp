// gr2tool edit-type as a separate process: a type edited through its editor's table and saved
// with the game data is read back with the change, and a value the editor refuses saves nothing.

#include "app/EditorApp.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "typedb/CTypeDatabase.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace gr2 {
namespace {

int run(const std::string& args)
{
    int status = std::system((std::string(GR2TOOL_PATH) + " " + args + " 2>/dev/null").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string contents(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class TypeEditToolTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(run("sample-data " + dir.path().string()), 0); }
    std::string tool(const std::string& args) const { return "--root " + dir.path().string() + " " + args; }
    /// The global data as the editor reads it at start-up.
    std::unique_ptr<EditorApp> reread()
    {
        auto app = std::make_unique<EditorApp>(dir.path(), prompter);
        app->loadGlobalData();
        return app;
    }
    test::TempDir dir;
    test::ScriptedPrompter prompter;
};

TEST_F(TypeEditToolTest, AnEditedTypeIsSavedAndReadBackWithTheChange)
{
    ASSERT_EQ(run(tool("edit-type door --id 3 \"Gold Cost=250\" \"material type=Metal 1\" \"Height=2.5\"")),
              0);
    auto app = reread();
    const CDoorType* iron = app->types().doors().findById(3);
    ASSERT_TRUE(iron);
    EXPECT_EQ(iron->intValue(DoorField::GoldCost), 250);
    EXPECT_EQ(iron->intValue(DoorField::MaterialType), 4);
    EXPECT_EQ(iron->realValue(DoorField::Height), 2.5);
    EXPECT_EQ(app->types().doors().findById(1)->intValue(DoorField::GoldCost), 0) << "other doors unchanged";

    ASSERT_EQ(run(tool("edit-type trap --position 0 \"Require Mana=on\" \"Mana Cost To Fire=120\"")), 0);
    ASSERT_EQ(run(tool("edit-type object --id 53 \"Object Class=Normal\" \"Cast Shadow=yes\"")), 0);
    app = reread();
    EXPECT_EQ(app->types().traps().at(0)->intValue(TrapField::ManaCostToFire), 120);
    const CObjectType* crate = app->types().objects().findById(53);
    EXPECT_FALSE(crate->hasFlag(ObjectTypeFlag::Crate));
    EXPECT_TRUE(crate->hasFlag(ObjectTypeFlag::CastShadow));

    // A creature's attributes go by the names the attribute list shows.
    ASSERT_EQ(run(tool("edit-type creature --id 2 \"Health=950\" \"Speed (Tiles Per Second)=1.5\" "
                       "\"Is Fearless=yes\"")),
              0);
    app = reread();
    const CCreatureType* brute = app->types().creatures().findById(2);
    EXPECT_EQ(brute->health(), 950);
    EXPECT_EQ(brute->realValue(CreatureField::Speed), 1.5);
    EXPECT_TRUE(brute->hasFlag1(18)) << "Is Fearless";
}

TEST_F(TypeEditToolTest, WhatTheEditorRefusesSavesNothing)
{
    const std::string doors = contents(dir / "Doors.vwd");
    const std::string traps = contents(dir / "Traps.vwd");
    const std::string creatures = contents(dir / "Creatures.vwd");
    for (const char* args : {
             "edit-type door --id 1 \"Gold Cost=12\" \"Health=40000\"", // out of range
             "edit-type door --id 1 \"Gold Cost=many\"",                // not a number
             "edit-type door --id 1 \"Colour=red\"",                    // no such field
             "edit-type door --id 1 \"Material Type=Cheese\"",          // no such entry
             "edit-type door --id 99 \"Gold Cost=1\"",                  // no such door
             "edit-type trap --id 1 \"Mana Cost To Fire=5\"",           // greyed without Require Mana
             "edit-type creature --id 1 \"Gold Cost=1\"",               // no such creature field
             "edit-type creature --id 1 \"Health=-1\"",                 // a u16 holds no negative
         }) {
        SCOPED_TRACE(args);
        EXPECT_EQ(run(tool(args)), 1);
        EXPECT_EQ(contents(dir / "Doors.vwd"), doors);
        EXPECT_EQ(contents(dir / "Traps.vwd"), traps);
        EXPECT_EQ(contents(dir / "Creatures.vwd"), creatures);
    }
}

} // namespace
} // namespace gr2
