// The text form of levels and game data: what is exported comes back byte for byte, whatever the
// files hold, and a bad document names the place and the rule before anything is written.

#include "document/LevelJson.h"
#include "document/FileJson.h"
#include "document/SampleData.h"
#include "document/SampleLevel.h"
#include "support/TempDir.h"
#include "worlddata/SectionIds.h"
#include "worlddata/SectionInfo.h"
#include "worlddata/SectionWriter.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

using test::readFile;
using test::TempDir;

class LevelJsonTest : public ::testing::Test {
protected:
    static const std::filesystem::path& sample()
    {
        static TempDir dir;
        static const bool written = writeSampleData(dir.path()).empty();
        EXPECT_TRUE(written);
        return dir.path();
    }
    std::filesystem::path sampleLevel() const
    {
        return sample() / "Maps" / (std::string(kSampleLevelName) + ".vwd");
    }

    /// The JSON through its text and back, as a file on disk would carry it.
    static Json throughText(const Json& json)
    {
        JsonFormResult<Json> parsed = parseJsonText(jsonText(json));
        EXPECT_TRUE(parsed.value) << parsed.error;
        return parsed.value ? *parsed.value : Json();
    }

    TempDir out;
};

TEST_F(LevelJsonTest, SampleLevelComesBackByteForByte)
{
    const JsonFormResult<Json> exported = exportLevelJson(sampleLevel());
    ASSERT_TRUE(exported.value) << exported.error;
    const Json& files = (*exported.value)["files"];
    for (const char* key : {"level", "Triggers", "Players", "Map", "Things", "Variables"})
        EXPECT_TRUE(files.contains(key)) << key;
    // Records by field names, the map as rows of tile codes.
    EXPECT_TRUE(files["Map"]["sections"][0]["rows"].is_array());
    EXPECT_TRUE(files["Players"]["sections"][0]["records"][0].is_object());

    const std::filesystem::path target = out / (std::string(kSampleLevelName) + ".vwd");
    const JsonFormResult<std::vector<FileBytes>> files2 =
        levelFilesFromJson(throughText(*exported.value), target);
    ASSERT_TRUE(files2.value) << files2.error;
    ASSERT_EQ(writeFiles(*files2.value), "");
    const std::string from = (sample() / "Maps" / kSampleLevelName).string();
    const std::string to = (out / kSampleLevelName).string();
    EXPECT_EQ(readFile(to + ".vwd"), readFile(from + ".vwd"));
    for (const LevelPart& part : kLevelParts) {
        if (!std::filesystem::exists(from + part.suffix))
            continue;
        EXPECT_EQ(readFile(to + part.suffix), readFile(from + part.suffix)) << part.suffix;
    }

    // And the written level exports to the same document.
    const JsonFormResult<Json> again = exportLevelJson(target);
    ASSERT_TRUE(again.value);
    EXPECT_EQ(jsonText(*again.value), jsonText(*exported.value));
}

TEST_F(LevelJsonTest, GameDataComesBackByteForByte)
{
    const JsonFormResult<Json> exported = exportGameDataJson(sample());
    ASSERT_TRUE(exported.value) << exported.error;
    EXPECT_GE((*exported.value)["files"].size(), 12u); // eleven type files and the variables
    const JsonFormResult<std::vector<FileBytes>> files =
        gameDataFilesFromJson(throughText(*exported.value), out.path());
    ASSERT_TRUE(files.value) << files.error;
    ASSERT_EQ(writeFiles(*files.value), "");
    for (const auto& [path, bytes] : *files.value)
        EXPECT_EQ(readFile(path), readFile(sample() / path.filename())) << path;
}

Bytes recordSection(SectionId id, uint32_t count, const Bytes& data)
{
    Bytes file;
    SectionInfo info;
    info.count = count;
    info.created = DateStamp{2020, 1, 2, 3, 4, 5};
    info.saved = DateStamp{2021, 6, 7, 8, 9, 10};
    const size_t size = count ? data.size() / count : 0;
    std::vector<Bytes> records;
    for (size_t i = 0; i < count; ++i)
        records.emplace_back(data.begin() + std::ptrdiff_t(i * size),
                             data.begin() + std::ptrdiff_t((i + 1) * size));
    writeRecordSection(file, id, info, uint32_t(size), records);
    return file;
}

Bytes withByte(Bytes bytes, size_t at, uint8_t value)
{
    bytes.at(at) = value;
    return bytes;
}

// Files that are not what our own writers make: each must still come back exactly.
TEST_F(LevelJsonTest, OddFilesComeBackExactly)
{
    Bytes terrain = recordSection(SectionId::Terrain, 2, Bytes(2 * RecordSize::Terrain, 0x41));
    Bytes player(RecordSize::Player, 0);
    player[0] = 'V';
    player[3] = 'x'; // bytes after the text's end: the field is kept as hex
    const ThingItem unknownThing{999, Bytes{1, 2, 3}};
    Bytes things;
    SectionInfo info;
    info.count = 1;
    writeThingSection(things, info, std::span(&unknownThing, 1));
    Bytes map;
    writeMapSection(map, 3, 2,
                    Bytes{2, 1, 0, 0, 3, 17, 0, 0, 4, 0, 9, 0, 5, 2, 0, 0, 6, 3, 0, 7, 2, 0, 0, 0});

    const std::pair<const char*, Bytes> cases[] = {
        {"records", terrain},
        {"old record size", recordSection(SectionId::Door, 3, Bytes(3 * 500, 7))},
        {"text with bytes after its end", recordSection(SectionId::Player, 1, player)},
        {"unknown thing", things},
        {"map with every byte of a tile", map},
        {"cut in the middle", Bytes(terrain.begin(), terrain.begin() + 700)},
        {"unknown section and trailing bytes",
         [] {
             Bytes b;
             for (uint32_t v : {777u, 4u, 20u, 5u, 0u})
                 appendU32(b, v);
             b.push_back(9);
             return b;
         }()},
        {"count that does not divide", withByte(terrain, 12 + 8, 3)},
        {"date that is no date", withByte(terrain, 12 + 8 + 8 + 4, 0xEE)},
        {"empty", Bytes{}},
    };
    for (const auto& [what, bytes] : cases) {
        const Json json = throughText(fileToJson(bytes));
        std::vector<uint8_t> back;
        try {
            back = fileFromJson(json, "$");
        } catch (const JsonFormError& e) {
            ADD_FAILURE() << what << ": " << e.what();
            continue;
        }
        EXPECT_EQ(back, bytes) << what;
    }
}

// A bad value stops the import with its JSON path and the rule it breaks, and nothing is written.
TEST_F(LevelJsonTest, BadDocumentsNameThePlaceAndTheRule)
{
    const JsonFormResult<Json> exported = exportLevelJson(sampleLevel());
    ASSERT_TRUE(exported.value);
    auto edited = [&](auto edit) {
        Json json = *exported.value;
        edit(json);
        return json;
    };
    const struct {
        const char* what;
        Json json;
        const char* error;
    } cases[] = {
        {"tile code", edited([](Json& j) { j["files"]["Map"]["sections"][0]["rows"][3] = "zz91"; }),
         "$.files.Map.sections[0].rows[3] tile 0: a tile is four hex digits"},
        {"short row", edited([](Json& j) { j["files"]["Map"]["sections"][0]["rows"][0] = "0201"; }),
         "$.files.Map.sections[0].rows[0]: a row of"},
        {"field range",
         edited([](Json& j) { j["files"]["Players"]["sections"][0]["records"][0].begin().value() = 1e9; }),
         "$.files.Players.sections[0].records[0]."},
        {"unknown field",
         edited([](Json& j) { j["files"]["Players"]["sections"][0]["records"][0]["colour!"] = 1; }),
         "$.files.Players.sections[0].records[0].colour!: not a field of"},
        {"unknown part", edited([](Json& j) { j["files"]["Extra"] = Json::object(); }),
         "$.files.Extra: a level's files are"},
        {"format", edited([](Json& j) { j["format"] = "gr2-game-data"; }), "$.format: \"gr2-level\""},
        {"hex", edited([](Json& j) { j["files"]["Map"]["trailing"] = "abc"; }),
         "$.files.Map.trailing: hex bytes come in pairs"},
    };
    const std::filesystem::path target = out / "Broken.vwd";
    for (const auto& c : cases) {
        const JsonFormResult<std::vector<FileBytes>> files = levelFilesFromJson(c.json, target);
        EXPECT_FALSE(files.value) << c.what;
        EXPECT_NE(files.error.find(c.error), std::string::npos) << c.what << ": " << files.error;
    }
    EXPECT_TRUE(std::filesystem::is_empty(out.path()));

    EXPECT_FALSE(parseJsonText("{\"a\": [1, 2").value);
    EXPECT_FALSE(parseJsonText(std::string(100, '[') + std::string(100, ']')).value);
}

TEST_F(LevelJsonTest, GameDataNamesStayInTheRoot)
{
    for (const char* name : {"../Terrain.vwd", "sub/Terrain.vwd", "Terrain.txt", ".vwd"}) {
        const Json json{{"format", kGameDataJsonFormat},
                        {"version", 1},
                        {"files", {{name, {{"sections", Json::array()}}}}}};
        const JsonFormResult<std::vector<FileBytes>> files = gameDataFilesFromJson(json, out.path());
        EXPECT_FALSE(files.value) << name;
    }
}

} // namespace
} // namespace gr2
