#include "app/EditorApp.h"
#include "document/LevelDocument.h"
#include "document/SampleData.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "typedb/TypeDatabaseWriter.h"
#include "worlddata/CaseInsensitivePath.h"
#include "worlddata/SectionReader.h"
#include "worlddata/SectionWriter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include <sys/stat.h>

namespace gr2 {
namespace {

using test::ScriptedPrompter;
using test::TempDir;
using ::testing::ElementsAre;

/// Writes one family's section of the sample types into a file of any name.
void writeFamily(const std::filesystem::path& path, TypeFamily family, const CTypeDatabase& db)
{
    ASSERT_TRUE(writeFamilyFile(path, db, family, DateStamp{2020, 1, 1, 0, 0, 0}).ok);
}

/// The names of the "*.vwd"-like files of a folder whose names are `name` in any case, and of
/// what was set aside beside them.
std::set<std::string> namesLike(const std::filesystem::path& dir, const std::string& name)
{
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
        const std::string file = e.path().filename().string();
        if (equalsIgnoringCase(file.substr(0, std::min(file.size(), name.size())), name))
            names.insert(file);
    }
    return names;
}

std::vector<std::string> terrainNames(const CTypeDatabase& db)
{
    std::vector<std::string> names;
    for (const CTerrainType& t : db.terrains())
        names.push_back(t.name());
    return names;
}

class EditorAppTest : public ::testing::Test {
protected:
    TempDir root;
    ScriptedPrompter prompter;
    EditorApp app{root.path(), prompter};
};

TEST_F(EditorAppTest, EmptyRootStartsWithEmptyTablesAndDefaultCameraModes)
{
    app.loadGlobalData();
    for (TypeFamily family : kAllTypeFamilies)
        EXPECT_EQ(app.types().table(family).count(), 0u);
    ASSERT_EQ(app.types().cameraModes().size(), 18u);
    EXPECT_EQ(app.types().cameraModes()[17].id(), 18);
    // A missing variables file is reported by the reader, and start-up goes on.
    EXPECT_THAT(prompter.texts(),
                ElementsAre("Unable to open Binary File '" + (root / "GlobalVariables.vwd").string() + "'"));
}

TEST_F(EditorAppTest, TypeFilesAreRecognisedByTheirFirstSection)
{
    CTypeDatabase sample;
    buildSampleTypes(sample);
    CTypeDatabase one, two;
    one.terrains().append(std::unique_ptr<CTerrainType>(
        static_cast<CTerrainType*>(sample.terrains().at(0)->clone().release())));
    two.terrains().append(std::unique_ptr<CTerrainType>(
        static_cast<CTerrainType*>(sample.terrains().at(1)->clone().release())));
    writeFamily(root / "b_more.VWD", TypeFamily::Terrain, two);
    writeFamily(root / "a_terrain.vwd", TypeFamily::Terrain, one);
    writeFamily(root / "rooms.vwd", TypeFamily::Room, sample);

    // Files whose first section is the variables or the map are not type files.
    Bytes variables;
    writeRecordSection(variables, SectionId::Variable, SectionInfo{}, RecordSize::Variable,
                       std::vector<Bytes>{Bytes(16, 0)});
    test::writeFile(root / "vars.vwd", variables);
    Bytes map;
    writeMapSection(map, 1, 1, Bytes(4, 0));
    test::writeFile(root / "map.vwd", map);
    test::writeFile(root / "notes.txt", Bytes{1, 2, 3});

    app.LoadTypeFiles();
    // Both terrain files are read, in name order, whatever their extension's case.
    EXPECT_THAT(terrainNames(app.types()), ElementsAre("Hard Rock", "Earth"));
    EXPECT_EQ(app.types().rooms().count(), sample.rooms().count());
    EXPECT_EQ(app.types().variables().value(3), CGlobalVariables::defaultValue(3));
    EXPECT_TRUE(prompter.entries().empty());
}

TEST_F(EditorAppTest, SampleDataLoadsAndSavesBackByteForByte)
{
    ASSERT_TRUE(writeSampleData(root.path()).empty());
    std::map<std::string, Bytes> before;
    for (auto& e : std::filesystem::directory_iterator(root.path()))
        if (e.path().extension() == ".vwd")
            before[e.path().filename().string()] = test::readFile(e.path());
    ASSERT_EQ(before.size(), 12u);

    app.loadGlobalData();
    EXPECT_TRUE(prompter.entries().empty());
    EXPECT_GT(app.types().terrains().count(), 20u);
    EXPECT_EQ(app.terrainToRoom().size(), app.types().terrains().count());
    ASSERT_TRUE(app.SaveGameData());

    for (const auto& [name, bytes] : before) {
        Bytes after = test::readFile(root / name);
        ASSERT_EQ(after.size(), bytes.size()) << name;
        // Only the time of saving may differ: the second DateStamp of every header block.
        size_t differing = 0;
        for (size_t i = 0; i < bytes.size(); ++i)
            differing += bytes[i] != after[i];
        EXPECT_LE(differing, name == "GlobalVariables.vwd" ? 14u : 7u) << name;
    }
}

TEST_F(EditorAppTest, ResetAnsweredNoChangesNothing)
{
    ASSERT_TRUE(writeSampleData(root.path()).empty());
    app.loadGlobalData();
    app.types().terrains().at(0)->setName("Edited");
    prompter.queueAnswer(Prompter::Answer::No);
    EXPECT_FALSE(app.ResetToGR2Defaults());
    EXPECT_EQ(app.types().terrains().at(0)->name(), "Edited");
    ASSERT_EQ(prompter.entries().size(), 1u);
    EXPECT_EQ(prompter.entries()[0].text, EditorApp::kResetQuestion);
    EXPECT_EQ(prompter.entries()[0].icon, Prompter::Icon::Question);
}

TEST_F(EditorAppTest, ResetTwiceThenSaveWritesEveryListEntryOnce)
{
    ASSERT_TRUE(writeSampleData(root.path()).empty());
    app.loadGlobalData();
    CGlobalVariables& vars = app.types().variables();
    vars.typeValueList().push_back(TypeValueEntry{1, 10, 77});
    vars.sacrifices()[5].ingredients = {1, 2, 0, 0, 0, 0};
    vars.sacrifices()[5].rewardKind = 3;
    vars.sacrifices()[5].amount = 900;
    vars.setValue(3, 999);
    ASSERT_TRUE(app.SaveGameData());

    int resets = 0;
    app.addGlobalDataListener([&](EditorApp::Change c) { resets += c == EditorApp::Change::Reset; });
    for (int i = 0; i < 2; ++i) {
        prompter.queueAnswer(Prompter::Answer::Yes);
        ASSERT_TRUE(app.ResetToGR2Defaults());
    }
    EXPECT_EQ(resets, 2);
    EXPECT_EQ(app.types().cameraModes().size(), 18u);
    EXPECT_THAT(vars.typeValueList(), ElementsAre(TypeValueEntry{1, 10, 77}));
    EXPECT_EQ(vars.sacrifices()[0].amount, 900u); // packed from index 0 on reading
    EXPECT_TRUE(vars.sacrifices()[1].empty());
    EXPECT_EQ(vars.value(3), 999);
    CTypeDatabase sample;
    buildSampleTypes(sample);
    EXPECT_EQ(app.types().terrains().count(), sample.terrains().count()); // read afresh, not appended

    ASSERT_TRUE(app.SaveGameData());
    std::map<uint32_t, int> counts;
    RecordSink sink;
    sink.variable.record = [&](const FlaggedRecord& r) {
        ++counts[loadU32(r.bytes().data())];
        return true;
    };
    int cameras = 0;
    sink.thing.camera = [&](const FlaggedRecord&) {
        ++cameras;
        return true;
    };
    ASSERT_TRUE(ReadSectionFile(root / "GlobalVariables.vwd", sink, prompter));
    EXPECT_EQ(cameras, 18);
    EXPECT_EQ(counts[VariableId::TypeValueList], 1);
    EXPECT_EQ(counts[VariableId::Sacrifice], 1);
}

TEST_F(EditorAppTest, ReadOnlyTypeFileIsReportedOnceAndNoFileIsReplaced)
{
    ASSERT_TRUE(writeSampleData(root.path()).empty());
    app.loadGlobalData();
    const Bytes doors = test::readFile(root / "Doors.vwd");
    chmod((root / "Doors.vwd").c_str(), 0444);
    for (auto& e : std::filesystem::directory_iterator(root.path()))
        if (e.path().filename() != "Doors.vwd")
            std::filesystem::last_write_time(e.path(), std::filesystem::file_time_type{});

    EXPECT_FALSE(app.SaveGameData());
    EXPECT_THAT(prompter.texts(), ElementsAre("Failed to open NAME Types Configuration file.\n"));
    EXPECT_EQ(test::readFile(root / "Doors.vwd"), doors);
    // The game data is saved as one: with one family refused, the other files stay as they were.
    for (auto& e : std::filesystem::directory_iterator(root.path())) {
        if (e.path().extension() == ".vwd" && e.path().filename() != "Doors.vwd") {
            EXPECT_EQ(std::filesystem::last_write_time(e.path()), std::filesystem::file_time_type{})
                << e.path();
        }
    }
}

TEST_F(EditorAppTest, UnwritableVariablesFileNamesItsPathAndCause)
{
    std::filesystem::create_directory(root / "GlobalVariables.vwd"); // a folder cannot be replaced by a file
    app.loadGlobalData();
    prompter.clear();
    EXPECT_FALSE(app.SaveGameData());
    ASSERT_FALSE(prompter.entries().empty());
    EXPECT_EQ(prompter.entries()[0].text, "Failed to save \"" + (root / "GlobalVariables.vwd").string() +
                                              "\" (cause = 21: Is a directory)\n");
    EXPECT_EQ(prompter.entries()[0].icon, Prompter::Icon::Exclamation);
    EXPECT_FALSE(std::filesystem::exists(root / "Terrain.vwd")) << "no file of a refused save is written";
}

TEST_F(EditorAppTest, TypeFileNamedInAnotherCaseIsWrittenBackInPlace)
{
    ASSERT_TRUE(writeSampleData(root.path()).empty());
    std::filesystem::rename(root / "Doors.vwd", root / "doors.VWD");
    // A file of another family under a door name in another case keeps its name and contents.
    std::filesystem::rename(root / "Traps.vwd", root / "DOORS.vwd");
    const Bytes traps = test::readFile(root / "DOORS.vwd");
    app.loadGlobalData();
    const size_t doors = app.types().doors().count();
    ASSERT_GT(doors, 0u);

    for (int save = 0; save < 3; ++save) {
        ASSERT_TRUE(app.SaveGameData());
        EXPECT_EQ(namesLike(root.path(), "Doors.vwd"), (std::set<std::string>{"DOORS.vwd", "doors.VWD"}));
        EXPECT_EQ(test::readFile(root / "DOORS.vwd"), traps);
        ScriptedPrompter again;
        EditorApp next(root.path(), again);
        next.loadGlobalData();
        EXPECT_EQ(next.types().doors().count(), doors) << "save " << save;
        EXPECT_TRUE(again.entries().empty());
    }
    EXPECT_TRUE(prompter.entries().empty());
}

TEST_F(EditorAppTest, SameFamilyInNamesDifferingOnlyInCaseIsSavedOnceAndTheTwinSetAside)
{
    ASSERT_TRUE(writeSampleData(root.path()).empty());
    std::filesystem::copy_file(root / "Doors.vwd", root / "doors.VWD");
    test::writeFile(root / "doors.VWD.old", Bytes{1}); // a name already taken is not overwritten
    app.loadGlobalData();
    const size_t doors = app.types().doors().count(); // both files were read
    prompter.clear();

    ASSERT_TRUE(app.SaveGameData());
    EXPECT_THAT(
        prompter.texts(),
        ElementsAre("The Door types were read from both \"Doors.vwd\" and \"doors.VWD\".\nThey were saved "
                    "to \"Doors.vwd\", and \"doors.VWD\" was renamed \"doors.VWD.old2\" so that they are not "
                    "read twice.\n"));
    EXPECT_EQ(namesLike(root.path(), "Doors.vwd"),
              (std::set<std::string>{"Doors.vwd", "doors.VWD.old", "doors.VWD.old2"}));
    EXPECT_EQ(test::readFile(root / "doors.VWD.old"), Bytes{1});

    // The next start reads what this one had, and saving again changes nothing more.
    ScriptedPrompter again;
    EditorApp next(root.path(), again);
    next.loadGlobalData();
    EXPECT_EQ(next.types().doors().count(), doors);
    ASSERT_TRUE(next.SaveGameData());
    EXPECT_TRUE(again.entries().empty());
}

TEST_F(EditorAppTest, ResetStartsTheVariablesOfEveryOpenLevelFromTheNewGlobalValues)
{
    ASSERT_TRUE(writeSampleData(root.path()).empty());
    app.loadGlobalData();
    const uint32_t id = CGlobalVariables::overridableIds().front();
    // The variables file now holds 777 for the variable; the values in memory say otherwise.
    app.types().variables().setValue(id, 777);
    ASSERT_TRUE(app.SaveGameData());
    app.types().variables().setValue(id, 5);

    LevelDocument overridden(app), untouched(app);
    overridden.doc().NewLevel({"Overridden", 16, 16, 2, PlayerId::Neutral});
    overridden.doc().SetVariable(id, 12345);
    overridden.doc().SetCreatureStatOverride(1, 2, 40, true);
    overridden.doc().SetModifiedFlag(false);
    untouched.doc().NewLevel({"Untouched", 16, 16, 2, PlayerId::Neutral});
    untouched.doc().SetVariable(id, 777);
    untouched.doc().SetModifiedFlag(false);
    {
        LevelDocument closed(app); // a level closed before the reset is not reached
        closed.doc().NewLevel({"Closed", 16, 16, 2, PlayerId::Neutral});
    }
    EXPECT_EQ(app.openLevels().size(), 2u);

    prompter.queueAnswer(Prompter::Answer::No);
    EXPECT_FALSE(app.ResetToGR2Defaults());
    EXPECT_EQ(overridden.doc().GetVariable(id), 12345);

    prompter.queueAnswer(Prompter::Answer::Yes);
    ASSERT_TRUE(app.ResetToGR2Defaults());
    for (const CWorldEditorDoc* level : {&overridden.doc(), &untouched.doc()}) {
        SCOPED_TRACE(level->title());
        for (uint32_t v = 0; v < VariableOverrides::kVariableCount; ++v)
            EXPECT_EQ(level->GetVariable(v), app.types().variables().value(v)) << v;
    }
    EXPECT_EQ(overridden.doc().GetVariable(id), 777);
    EXPECT_TRUE(overridden.doc().isModified());
    EXPECT_FALSE(untouched.doc().isModified()) << "nothing of it changed";
    ASSERT_NE(overridden.doc().variables().findCreatureStatOverride(1, 2), nullptr);
    EXPECT_EQ(overridden.doc().variables().findCreatureStatOverride(1, 2)->value, 40);
}

} // namespace
} // namespace gr2
