// gr2tool dump shows type records and global variables by name, through the same field tables
// the type database reads and writes with.

#include "support/TempDir.h"
#include "support/ToolProcess.h"
#include "support/TypeDataBuilder.h"
#include "typedb/TypeDatabaseWriter.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sys/wait.h>

namespace gr2 {
namespace {

std::string dumpOf(const std::filesystem::path& file, int& status)
{
    const test::ToolRun run = test::runTool("dump " + test::shellQuoted(file), "/dev/null");
    status = run.status;
    return run.out;
}

TEST(DumpTypeFieldsTest, EveryFamilyPrintsEveryFieldByName)
{
    CTypeDatabase db;
    test::buildSmallTypeData(db);
    db.traps().at(0)->setRealValue(TrapField::ShotOffsetX, 1.5);
    db.traps().at(0)->setTextValue(TrapField::IconResource, "Trap\xE9#4"); // Latin-1 byte in a name
    db.rooms().at(0)->setRealValue(RoomField::TorchHeight, 2.25);

    test::TempDir dir;
    for (TypeFamily family : kAllTypeFamilies) {
        SCOPED_TRACE(familyName(family));
        std::filesystem::path path = dir / (std::string(fileBaseName(family)) + ".vwd");
        ASSERT_TRUE(writeFamilyFile(path, db, family).ok);
        int status = -1;
        std::string out = dumpOf(path, status);
        EXPECT_EQ(status, 0);
        for (const FieldDef& f : layoutOf(family).fields)
            EXPECT_NE(out.find(std::string("\"").append(f.name).append("\": ")), std::string::npos) << f.name;
        EXPECT_EQ(out.find("\"bytes\""), std::string::npos); // no record falls back to raw bytes
        if (family == TypeFamily::Trap) {
            EXPECT_NE(out.find("\"shotOffsetX\": 1.5"), std::string::npos);
            EXPECT_NE(out.find("\"name\": \"Trap\xC3\xA9#4\""), std::string::npos);
            EXPECT_NE(out.find("\"shotType\": 1"), std::string::npos);
        }
        if (family == TypeFamily::Room) {
            EXPECT_NE(out.find("\"torchHeight\": 2.25"), std::string::npos);
        }
        if (family == TypeFamily::Effect) {
            EXPECT_NE(out.find("\"id\": 300"), std::string::npos);
        }
    }
}

TEST(DumpTypeFieldsTest, VariablesFilePrintsVariableNamesAndValues)
{
    CTypeDatabase db;
    db.variables().setValue(220, 2.5);
    db.cameraModes() = defaultCameraModes();
    test::TempDir dir;
    ASSERT_TRUE(writeVariablesFile(dir / "GlobalVariables.vwd", db).ok);
    int status = -1;
    std::string out = dumpOf(dir / "GlobalVariables.vwd", status);
    EXPECT_EQ(status, 0);
    for (const char* expected : {"\"name\": \"Entrance Generation Speed (Seconds)\"", "\"value\": 180",
                                 "Radius (Tiles)\",\n          \"value\": 2.5",
                                 "\"name\": \"<Non-Configurable>\"", "\"name\": \"Camera\""})
        EXPECT_NE(out.find(expected), std::string::npos) << expected;
}

} // namespace
} // namespace gr2
