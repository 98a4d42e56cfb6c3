// Writes the seed corpus of the fuzz targets: small world-data files made by our own writers,
// one per section kind and record-size rule, into the folder given as the first argument.

#include "app/EditorApp.h"
#include "document/LevelDocument.h"
#include "document/LevelJson.h"
#include "document/SampleData.h"
#include "document/SampleLevel.h"
#include "images/BmpFile.h"
#include "images/PngFile.h"
#include "script/LevelScript.h"
#include "support/FormRoundTrip.h"
#include "support/HostileLevel.h"
#include "support/LevelFormRoundTrip.h"
#include "worlddata/AtomicFile.h"
#include "worlddata/SaveJournal.h"
#include "worlddata/SectionWriter.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

using namespace gr2;

namespace {

Bytes pattern(uint32_t size, uint8_t seed)
{
    Bytes b(size);
    for (uint32_t i = 0; i < size; ++i)
        b[i] = uint8_t(seed * 31 + i);
    return b;
}

/// Stats texts: every section with every code its table might hold, world variables, experience
/// lines, the cell kinds, and the line-end variants the import accepts.
void writeStatsSeeds(const std::filesystem::path& dir)
{
    std::filesystem::create_directories(dir / "stats_import");
    auto save = [&](const std::string& name, const std::string& text) {
        writeFileAtomically(dir / "stats_import" / name, Bytes(text.begin(), text.end()));
    };
    const char* const cellKinds[] = {"12",   "-5", "2.5", "TRUE",    "FALSE",
                                     "#N/A", "-",  "300", "Fighter", "Pressure"};
    auto section = [&](const std::string& name, int codes, const std::vector<std::string>& ids) {
        std::string text = "[START: " + name + "]\r\n\t";
        for (int c = 1; c <= codes; ++c)
            text += "\t" + std::to_string(c);
        text += "\r\nID\tName\r\n";
        for (const std::string& id : ids) {
            text += id + "\tType " + id;
            for (int c = 1; c <= codes; ++c)
                text += std::string("\t") + cellKinds[(c + id.size()) % std::size(cellKinds)];
            text += "\r\n";
        }
        return text + "[END: " + name + "]\r\n";
    };
    std::string all;
    const struct {
        const char* name;
        int codes;
    } sections[] = {{"TERRAIN", 19},        {"ROOMS", 24},         {"CREATURES", 100},
                    {"DOORS", 6},           {"TRAPS", 26},         {"OBJECTS", 11},
                    {"CREATURE SPELLS", 4}, {"VORLAN SPELLS", 11}, {"CAMERA MODES", 3}};
    for (const auto& s : sections) {
        std::vector<std::string> ids = {"1", "2", "10", "99"};
        if (std::string(s.name) == "CREATURES")
            ids.insert(ids.end(), {"-3", "-11", "-1"});
        const std::string text = section(s.name, s.codes, ids);
        std::string file = s.name;
        for (char& c : file)
            c = c == ' ' ? '-' : char(std::tolower(static_cast<unsigned char>(c)));
        save(file + ".txt", text);
        all += text;
    }
    std::string variables = "[START: WORLD VARIABLES]\r\nRow\tName\tValue\r\n";
    for (int row = 0; row <= 206; row += 7)
        variables += std::to_string(row) + "\tRow\t" + cellKinds[row % std::size(cellKinds)] + "\r\n";
    variables += "[END: WORLD VARIABLES]\r\n";
    save("world-variables.txt", variables);
    all += variables;
    save("all-sections.txt", all);

    std::string lf;
    for (char c : all)
        if (c != '\r')
            lf += c;
    save("all-sections-lf.txt", lf);
    save("missing-end.txt", all.substr(0, all.find("[END:")));
    save("unknown-section.txt", "[START: SOMETHING ELSE]\r\n\t\t1\r\n" + all);
}

Bytes readBytes(const std::filesystem::path& path)
{
    Bytes bytes;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        uint8_t buffer[65536];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
            bytes.insert(bytes.end(), buffer, buffer + n);
        std::fclose(f);
    }
    return bytes;
}

/// Form inputs: every form on each of the first sample records of its family, with the record's
/// own bytes.
void writeFormSeeds(const std::filesystem::path& dir)
{
    std::filesystem::create_directories(dir / "form_round_trip");
    CTypeDatabase db;
    buildSampleTypes(db);
    const auto& forms = test::typeRecordForms();
    for (size_t f = 0; f < forms.size(); ++f) {
        const std::vector<size_t> records = test::formRecords(forms[f], db);
        for (size_t r = 0; r < records.size() && r < 4; ++r) {
            Bytes in{uint8_t(f), uint8_t(r)};
            const auto bytes = db.table(forms[f].family).recordAt(records[r])->bytes();
            in.insert(in.end(), bytes.begin(), bytes.end());
            writeFileAtomically(
                dir / "form_round_trip" / ("form-" + std::to_string(f) + "-" + std::to_string(r)), in);
        }
    }
    // The forms over a level, each on every byte filling; a first byte past the type forms picks
    // a level form.
    const auto& lines = test::levelForms();
    for (size_t l = 0; l < lines.size(); ++l)
        for (size_t k = 0; k < std::size(test::kByteFillings); ++k) {
            Bytes in{uint8_t(forms.size() + l)};
            const Bytes values = test::filledBytes(4096, test::kByteFillings[k]);
            in.insert(in.end(), values.begin(), values.end());
            writeFileAtomically(
                dir / "form_round_trip" / ("level-form-" + std::to_string(l) + "-" + std::to_string(k)), in);
        }
}

/// The sample data set as our own code writes it, read back as seeds of every target that reads
/// a kind of file it holds: the type and variables files, the sample level (joined, with and
/// without its copy of the global data, and with a hostile script), the icon sheets and the
/// thumbnail colour table.
void writeSampleDataSeeds(const std::filesystem::path& dir)
{
    const std::filesystem::path sample = dir / ".sample-data";
    std::filesystem::remove_all(sample);
    writeSampleData(sample);
    auto saveIn = [&](const char* target, const std::string& name, const Bytes& bytes) {
        std::filesystem::create_directories(dir / target);
        writeFileAtomically(dir / target / name, bytes);
    };
    for (const auto& root : {sample, sample / "Maps"})
        for (const auto& entry : std::filesystem::directory_iterator(root))
            if (entry.is_regular_file() &&
                (entry.path().extension() == ".vwd" || entry.path().extension() == ".vld"))
                saveIn("section_reader", "sample-" + entry.path().filename().string(),
                       readBytes(entry.path()));

    const std::string base = (sample / "Maps" / kSampleLevelName).string();
    std::vector<Bytes> level;
    for (const char* suffix : test::kLevelFileSuffixes)
        level.push_back(readBytes(base + suffix));
    saveIn("level_open", "sample-level", test::joinLevelFiles(level));
    // The text form of the sample level and of the global data.
    auto saveJson = [&](const char* name, const JsonFormResult<Json>& json) {
        if (json.value) {
            const std::string text = jsonText(*json.value);
            saveIn("json_import", name, Bytes(text.begin(), text.end()));
        }
    };
    saveJson("sample-level.json", exportLevelJson(base + ".vwd"));
    saveJson("game-data.json", exportGameDataJson(sample));
    std::vector<Bytes> hostile = level;
    hostile[1] = test::hostileTriggerFile();
    saveIn("level_open", "hostile-script", test::joinLevelFiles(hostile));
    std::vector<Bytes> masterOnly(level.begin(), level.begin() + 1);
    saveIn("level_open", "master-only", test::joinLevelFiles(masterOnly));

    // The level's copy of the global data, as a save answered Yes writes it.
    test::HostilePrompter prompter;
    EditorApp app(sample, prompter);
    app.loadGlobalData();
    std::vector<Bytes> withGlobals = level;
    withGlobals[5].clear();
    app.WriteAllTypeSections(withGlobals[5], DateStamp{2020, 1, 2, 3, 4, 5});
    saveIn("level_open", "sample-level-globals", test::joinLevelFiles(withGlobals));

    // The icon-sheet target takes the family from its first byte, in IconSheets::kFamilies order
    // (that class needs Qt, which this program does without).
    const char* const sheets[] = {"TerrainIcons.bmp",     "RoomIcons.bmp",         "CreatureIcons.bmp",
                                  "DoorIcons.bmp",        "TrapIcons.bmp",         "ObjectIcons.bmp",
                                  "VorlanSpellIcons.bmp", "CreatureSpellIcons.bmp"};
    for (size_t i = 0; i < std::size(sheets); ++i) {
        Bytes sheet{uint8_t(i)};
        const Bytes bmp = readBytes(sample / "Graphics" / sheets[i]);
        sheet.insert(sheet.end(), bmp.begin(), bmp.end());
        saveIn("icon_sheets", sheets[i], sheet);
    }
    // Small sheets of odd sizes, within the fuzzer's input length: less than a cell, one cell,
    // a row, a column and sizes that are not whole cells.
    const std::pair<int, int> sizes[] = {{1, 1}, {63, 64}, {64, 64}, {640, 64}, {64, 200}, {130, 129}};
    for (size_t i = 0; i < std::size(sizes); ++i) {
        RgbImage picture(sizes[i].first, sizes[i].second);
        for (size_t p = 0; p < picture.pixels.size(); ++p)
            picture.pixels[p] = uint32_t(p * 2654435761u) & 0xffffff;
        Bytes sheet{uint8_t(i)};
        const Bytes bmp = encodeBmp24(picture);
        sheet.insert(sheet.end(), bmp.begin(), bmp.end());
        saveIn("icon_sheets",
               "small-" + std::to_string(sizes[i].first) + "x" + std::to_string(sizes[i].second) + ".bmp",
               sheet);
    }
    for (const auto& entry : std::filesystem::directory_iterator(sample / "Maps" / "Thumbnails"))
        if (entry.path().extension() == ".png")
            saveIn("png_colours", "sample-" + entry.path().filename().string(), readBytes(entry.path()));
    std::filesystem::remove_all(sample);
}

} // namespace

/// Journals of saves of several files, as a save writes them.
void writeSaveJournalSeeds(const std::filesystem::path& dir)
{
    std::filesystem::create_directories(dir / "save_journal");
    const std::vector<std::vector<SaveJournal::Entry>> journals = {
        {{"Level.vwd", true, {5, 0x0123456789abcdefull}}},
        {{"Level.vwd", true, {120, 1}},
         {"LevelPlayers.vld", true, {300, 2}},
         {"LevelMap.vld", false, {0, 3}},
         {"My Level%\xe9.vld", true, {7, 4}}},
    };
    for (size_t i = 0; i < journals.size(); ++i) {
        const std::string text = SaveJournal::encode(journals[i]);
        writeFileAtomically(dir / "save_journal" / ("journal-" + std::to_string(i)),
                            Bytes(text.begin(), text.end()));
    }
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_fuzz_seeds DIR\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir / "section_reader");
    auto save = [&](const std::string& name, const Bytes& bytes) {
        writeFileAtomically(dir / "section_reader" / name, bytes);
    };

    SectionInfo info;
    info.created = DateStamp{2020, 1, 2, 3, 4, 5};
    info.saved = info.created;
    const SectionId typeSections[] = {SectionId::Terrain,  SectionId::Room,          SectionId::Trap,
                                      SectionId::Door,     SectionId::VorlanSpell,   SectionId::CreatureSpell,
                                      SectionId::Creature, SectionId::Player,        SectionId::Variable,
                                      SectionId::Object,   SectionId::EffectElement, SectionId::Shot,
                                      SectionId::Effect};
    Bytes all;
    for (SectionId id : typeSections) {
        Bytes one;
        std::vector<Bytes> records = {pattern(recordSize(id), 1), pattern(recordSize(id), 2)};
        writeRecordSection(one, id, info, recordSize(id), records);
        save("type-" + std::to_string(uint32_t(id)) + ".vwd", one);
        all.insert(all.end(), one.begin(), one.end());
    }
    save("all-types.vwd", all);

    Bytes map;
    writeMapSection(map, 5, 4, pattern(80, 3));
    save("map.vld", map);

    std::vector<ThingItem> things;
    for (uint32_t kind = 194; kind <= 206; ++kind)
        things.push_back({kind, pattern(thingRecordSize(kind), uint8_t(kind))});
    things.push_back({201, pattern(264, 1)});
    things.push_back({201, pattern(268, 2)});
    things.push_back({201, pattern(300, 3)});
    things.push_back({197, pattern(40, 4)});
    things.push_back({999, pattern(9, 5)});
    Bytes thingFile;
    writeThingSection(thingFile, info, things);
    save("things.vld", thingFile);

    std::vector<ThingItem> items = {{213, pattern(16, 1)}, {214, pattern(16, 2)}, {214, pattern(16, 3)}};
    Bytes triggers;
    writeTriggerSection(triggers, TriggerSectionInfo{}, items);
    save("triggers.vld", triggers);

    Bytes level;
    std::vector<Bytes> resources = {pattern(72, 1)};
    std::vector<uint32_t> creatures = {3, 5};
    writeLevelSection(level, SectionInfo::forLevel(0, 0, kLevelFormatVersion, info.created, info.saved),
                      pattern(RecordSize::LevelDescription, 6), resources, creatures);
    save("level.vwd", level);

    Bytes unknown;
    SectionWriter w(unknown);
    w.beginSection(777);
    w.raw(pattern(20, 7));
    w.endSection();
    save("unknown.vwd", unknown);
    std::filesystem::create_directories(dir / "png_colours");
    RgbImage colours(37, 1);
    for (int i = 0; i < 37; ++i)
        colours.at(i, 0) = uint32_t(i) * 0x030507u;
    writePng(dir / "png_colours" / "MapColours.png", colours);
    writePng(dir / "png_colours" / "square.png", RgbImage(8, 8, 0x336699));
    writeStatsSeeds(dir);
    writeFormSeeds(dir);
    writeSampleDataSeeds(dir);
    writeSaveJournalSeeds(dir);
    return 0;
}
