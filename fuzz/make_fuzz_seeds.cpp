// Writes the seed corpus of the fuzz targets: small world-data files made by our own writers,
// one per section kind and record-size rule, into the folder given as the first argument.

#include "app/PngFile.h"
#include "worlddata/AtomicFile.h"
#include "worlddata/SectionWriter.h"

#include <cstdio>
#include <filesystem>
#include <string>

using namespace gr2;

namespace {

Bytes pattern(uint32_t size, uint8_t seed)
{
    Bytes b(size);
    for (uint32_t i = 0; i < size; ++i)
        b[i] = uint8_t(seed * 31 + i);
    return b;
}

} // namespace

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
    const SectionId typeSections[] = {SectionId::Terrain, SectionId::Room, SectionId::Trap, SectionId::Door,
                                      SectionId::VorlanSpell, SectionId::CreatureSpell, SectionId::Creature,
                                      SectionId::Player, SectionId::Variable, SectionId::Object,
                                      SectionId::EffectElement, SectionId::Shot, SectionId::Effect};
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
    return 0;
}
