#include "document/SampleData.h"

#include "app/EditorApp.h"
#include "app/IconCells.h"
#include "app/ReservedNames.h"
#include "document/SampleLevel.h"
#include "images/BmpFile.h"
#include "images/PixelFont.h"
#include "images/PngFile.h"
#include "typedb/CTypeDatabase.h"
#include "typedb/TypeDatabaseWriter.h"
#include "worlddata/AtomicFile.h"

#include <map>
#include <sstream>

namespace gr2 {

namespace {

// ---- what the sample types are -----------------------------------------------------------------

struct TerrainSpec {
    uint8_t id;
    const char* name;
    const char* label; ///< up to two short lines for the icon, separated by '/'
    uint32_t colour;
    std::vector<int> flags;
};

using TF = std::vector<int>;
constexpr int kSolid = 0, kImpenetrable = 1, kOwnable = 2, kRoomFloor = 4, kWater = 7, kLava = 8;

// The terrains whose ids the editor gives a role: rock and earth, paths and walls with owner
// variants, water, lava, gold and gems, the room floors, the border and the hero gates.
const std::vector<TerrainSpec> kTerrains = {
    {1, "Hard Rock", "HARD/ROCK", 0x505050, {kSolid, kImpenetrable}},
    {2, "Earth", "EARTH", 0x7A5230, {kSolid}},
    {3, "Path", "PATH", 0xA08060, {}},
    {4, "Water", "WATER", 0x2050C0, {kWater}},
    {5, "Lava", "LAVA", 0xE04010, {kLava}},
    {6, "Gold Seam", "GOLD", 0xE0C020, {kSolid}},
    {7, "Gem Seam", "GEMS", 0x40C0C0, {kSolid, kImpenetrable}},
    {8, "Claimed Path", "CLAIM/PATH", 0xB09070, {kOwnable}},
    {9, "Claimed Wall", "CLAIM/WALL", 0x806040, {kSolid, kOwnable}},
    {10, "Treasury Floor", "TREAS", 0xC0A000, {kOwnable, kRoomFloor}},
    {12, "Portal Floor", "PORTL", 0x8040C0, {kOwnable, kRoomFloor}},
    {14, "Heart Floor", "HEART", 0xC00030, {kOwnable, kRoomFloor}},
    {17, "Lair Floor", "LAIR", 0x806080, {kOwnable, kRoomFloor}},
    {26, "Guard Floor", "GUARD", 0x607080, {kOwnable, kRoomFloor}},
    {27, "Library Floor", "LIBR", 0x4060A0, {kOwnable, kRoomFloor}},
    {30, "Border Rock", "BORDR", 0x202020, {kSolid, kImpenetrable}},
    {31, "Bridge", "BRIDG", 0x906030, {}},
    {32, "Claimed Bridge", "CLAIM/BRIDG", 0xA07040, {kOwnable}},
    {33, "Hero Gate", "GATE", 0xD0D0F0, {kOwnable, kRoomFloor}},
    {34, "Great Hero Gate", "GREAT/GATE", 0xB0B0E0, {kOwnable, kRoomFloor}},
    {36, "Hero Guard Floor", "HERO/GUARD", 0x90A0C0, {kOwnable, kRoomFloor}},
    {37, "Turning Gate", "TURN/GATE", 0xC0C0FF, {kOwnable, kRoomFloor}},
    {38, "Hatchery Floor", "HATCH", 0xA06040, {kOwnable, kRoomFloor}},
    {40, "Hero Portal Floor", "HERO/PORTL", 0xA060E0, {kOwnable, kRoomFloor}},
};

struct RoomSpec {
    uint8_t id; ///< the same as its floor terrain's id, which keeps the sample easy to read
    const char* name;
    bool buildable;
    /// Only the Good player's own rooms: the rooms page leaves them out, and the guard room swaps
    /// to the hero one when the Good player draws. The gates and the hero portal are placed from
    /// the rooms page, so they are not Good rooms.
    bool good;
};

const std::vector<RoomSpec> kRooms = {
    {10, "Treasury", true, false},       {12, "Portal", false, false},
    {14, "Dungeon Heart", false, false}, {17, "Lair", true, false},
    {26, "Guard Room", true, false},     {27, "Library", true, false},
    {33, "Hero Gate", false, false},     {34, "Great Hero Gate", false, false},
    {36, "Hero Guard Room", true, true}, {37, "Turning Hero Gate", false, false},
    {38, "Hatchery", true, false},       {40, "Hero Portal", false, false},
};

struct CreatureSpec {
    uint8_t id;
    const char* name;
    const char* label;
    std::vector<int> flags1;
    std::vector<int> flags2;
    uint8_t eliteOf = 0;
    uint16_t health = 400;
};

constexpr int kWorker = 0, kEvil = 7, kGood = 8, kViaPortal = 10, kElite = 27, kInvader = 30;
constexpr int kViaHeroPortal = 3;

const std::vector<CreatureSpec> kCreatures = {
    {1, "Digger", "DIGGR", {kWorker, kEvil, kViaPortal}, {}, 0, 150},
    {2, "Brute", "BRUTE", {kEvil, kViaPortal}, {}, 0, 900},
    {3, "Sorcerer", "SORC", {kEvil, kViaPortal}, {}, 0, 450},
    {4, "Shade", "SHADE", {kEvil, kViaPortal}, {}, 0, 500},
    {5, "Gnawer", "GNAWR", {kEvil, kViaPortal}, {}, 0, 300},
    {6, "Knight", "KNGHT", {kGood}, {kViaHeroPortal}, 0, 1000},
    {7, "Archer", "ARCHR", {kGood}, {kViaHeroPortal}, 0, 400},
    {8, "Delver", "DELVR", {kGood, kInvader}, {kViaHeroPortal}, 0, 600},
    {9, "Elite Brute", "ELITE/BRUTE", {kEvil, kElite}, {}, 2, 1400},
    {10, "Elite Knight", "ELITE/KNGHT", {kGood, kElite}, {}, 6, 1600},
};

struct ThingTypeSpec {
    uint8_t id;
    const char* name;
    const char* label;
    std::vector<int> flags;
    uint8_t crateObject = 0;
};

constexpr int kDoorSecret = 5, kDoorGood = 7;
const std::vector<ThingTypeSpec> kDoors = {
    {1, "Wooden Door", "WOOD/DOOR", {}, 53},
    {2, "Hero Wooden Door", "HERO/WOOD", {kDoorGood}, 53},
    {3, "Iron Door", "IRON/DOOR", {}, 56},
    {4, "Hero Iron Door", "HERO/IRON", {kDoorGood}, 56},
    {5, "Secret Door", "SECRT/DOOR", {kDoorSecret}, 53},
};

constexpr int kTrapDoorTrap = 13, kTrapGood = 15;
const std::vector<ThingTypeSpec> kTraps = {
    {1, "Spike Trap", "SPIKE", {}, 5},
    {2, "Hero Spike Trap", "HERO/SPIKE", {kTrapGood}, 5},
    {3, "Fire Trap", "FIRE", {}, 42},
    {4, "Hero Fire Trap", "HERO/FIRE", {kTrapGood}, 42},
    {5, "Door Alarm", "DOOR/ALARM", {kTrapDoorTrap}, 0},
};

constexpr int kSpecial = 2, kSpellBook = 3, kCrate = 4, kLair = 5, kGold = 6, kFood = 7, kPickUp = 8;
constexpr int kLevelGem = 12, kPlaceable = 23;
const std::vector<ThingTypeSpec> kObjects = {
    {1, "Gold Pile", "GOLD/PILE", {kGold, kPickUp, kPlaceable}},
    {2, "Chicken", "CHICK", {kFood, kPickUp, kPlaceable}},
    {3, "Spell Book", "SPELL/BOOK", {kSpellBook, kPickUp, kPlaceable}},
    {4, "Reveal Map", "REVL/MAP", {kSpecial, kPlaceable}},
    {5, "Spike Trap Crate", "SPIKE/CRATE", {kCrate, kPickUp}},
    {6, "Lair Bed", "LAIR/BED", {kLair}},
    {7, "Level Gem", "LEVEL/GEM", {kLevelGem, kPlaceable}},
    {8, "Barrel", "BARRL", {kPlaceable}},
    {9, "Extra Gold", "XTRA/GOLD", {kSpecial, kPlaceable}},
    {42, "Fire Trap Crate", "FIRE/CRATE", {kCrate, kPickUp}},
    {53, "Wooden Door Crate", "WOOD/CRATE", {kCrate, kPickUp}},
    {56, "Iron Door Crate", "IRON/CRATE", {kCrate, kPickUp}},
};

struct NamedSpec {
    uint16_t id;
    const char* name;
    const char* label;
};

const std::vector<NamedSpec> kVorlanSpells = {
    {1, "Create Digger", "MAKE/DIGGR"},
    {2, "Sight", "SIGHT"},
    {3, "Call To Arms", "CALL/ARMS"},
    {4, "Lightning", "LIGHT"},
    {5, "Heal", "HEAL"},
    {6, "Possession", "POSS"},
    {7, "Tremor", "TREMR"},
    {8, "Haste", "HASTE"},
    {9, "Turncoat", "TURN"},
    {10, "Chicken Rain", "CHICK/RAIN"},
    {11, "Inferno", "INFRN"},
    {12, "Thunderclap", "THNDR"},
    {13, "Hold Audience", "HOLD"},
    {14, "Gem Summons", "GEM/SUMMN"},
};
const std::vector<NamedSpec> kCreatureSpells = {
    {1, "Fireball", "FIRE/BALL"},
    {2, "Freeze", "FREEZ"},
    {3, "Heal Self", "HEAL/SELF"},
    {4, "Blink", "BLINK"},
};
const std::vector<NamedSpec> kShots = {
    {1, "Fire Bolt", ""}, {2, "Ice Shard", ""}, {3, "Arrow", ""}, {4, "Spark", ""}};
const std::vector<NamedSpec> kEffects = {{1, "Smoke Puff", ""}, {2, "Sparkle", ""}, {3, "Blood Splash", ""}};
const std::vector<NamedSpec> kEffectElements = {
    {1, "Smoke Mote", ""}, {2, "Spark Mote", ""}, {3, "Blood Drop", ""}};

uint32_t bits(const std::vector<int>& flags)
{
    uint32_t word = 0;
    for (int b : flags)
        word |= 1u << b;
    return word;
}

template <class T> T& addRecord(TypeTable<T>& table, uint16_t id, const char* name)
{
    auto record = std::make_unique<T>();
    record->setId(id);
    record->setName(name);
    T& ref = *record;
    table.append(std::move(record));
    return ref;
}

// ---- icons ---------------------------------------------------------------------------------------

/// Player colours of the owner variants: cell n is player 3, then 4, 5, 6, and (terrains 8 and 9)
/// the Good player at n + 4; terrain 32 has its unowned cell at n − 1.
const std::map<int, uint32_t> kOwnerColours = {{1, 0xF0F0F0}, {2, 0x909090}, {3, 0xD02020},
                                               {4, 0x2040E0}, {5, 0x20A040}, {6, 0xE0D020}};

/// Collects the cells of one family's sheet as they are drawn, eight to a row.
class SheetBuilder {
public:
    int add(uint32_t background, const std::string& label, int id, uint32_t ownerColour = 0)
    {
        m_cells.push_back({background, label, id, ownerColour});
        return int(m_cells.size()) - 1;
    }
    RgbImage image() const
    {
        constexpr int kColumns = 8;
        const int rows = std::max(1, int((m_cells.size() + kColumns - 1) / kColumns));
        RgbImage img(kColumns * kIconCellSize, rows * kIconCellSize, 0x000000);
        for (size_t i = 0; i < m_cells.size(); ++i)
            drawCell(img, int(i % kColumns) * kIconCellSize, int(i / kColumns) * kIconCellSize, m_cells[i]);
        return img;
    }

private:
    struct Cell {
        uint32_t background;
        std::string label;
        int id;
        uint32_t ownerColour;
    };

    static uint32_t textColourOn(uint32_t background)
    {
        const int luminance =
            int(((background >> 16) & 255) * 3 + ((background >> 8) & 255) * 6 + (background & 255));
        return luminance > 1100 ? 0x000000 : 0xFFFFFF;
    }

    static void drawCell(RgbImage& img, int x, int y, const Cell& cell)
    {
        img.fillRect(x, y, kIconCellSize, kIconCellSize, 0x101010);
        img.fillRect(x + 1, y + 1, kIconCellSize - 2, kIconCellSize - 2, cell.background);
        if (cell.ownerColour)
            img.fillRect(x + 1, y + 1, kIconCellSize - 2, 6, cell.ownerColour);
        const uint32_t ink = textColourOn(cell.background);
        std::vector<std::string> lines;
        std::stringstream in(cell.label);
        for (std::string line; std::getline(in, line, '/');)
            lines.push_back(line);
        const int lineHeight = 16;
        int top = y + (kIconCellSize - int(lines.size()) * lineHeight) / 2 + 1;
        for (const std::string& line : lines) {
            const int w = pixelTextWidth(line, 2);
            drawPixelText(img, x + (kIconCellSize - w) / 2, top, line, ink, 2);
            top += lineHeight;
        }
        const std::string number = std::to_string(cell.id);
        drawPixelText(img, x + kIconCellSize - 3 - pixelTextWidth(number, 1), y + kIconCellSize - 9, number,
                      ink, 1);
    }

    std::vector<Cell> m_cells;
};

uint32_t shade(uint32_t colour, int step)
{
    auto channel = [&](int shift) {
        return uint32_t(std::clamp(int((colour >> shift) & 255) + step, 0, 255)) << shift;
    };
    return channel(16) | channel(8) | channel(0);
}

struct SampleSheets {
    std::map<TypeFamily, SheetBuilder> sheets;
};

void buildTypesAndIcons(CTypeDatabase& db, SampleSheets* icons)
{
    auto sheet = [&](TypeFamily f) -> SheetBuilder* { return icons ? &icons->sheets[f] : nullptr; };

    // Terrains: 8 and 9 get a cell per owner (3, 4, 5, 6, then the Good player), 32 an unowned cell
    // before its four owner cells.
    for (const TerrainSpec& t : kTerrains) {
        CTerrainType& terrain = addRecord(db.terrains(), t.id, t.name);
        terrain.setFlags(bits(t.flags));
        terrain.setIntValue(TerrainField::MaxHealth, 256);
        terrain.setIntValue(TerrainField::StartingHealth, 256);
        if (t.id == 6)
            terrain.setIntValue(TerrainField::GoldValue, 1024);
        int index = 0;
        if (SheetBuilder* s = sheet(TypeFamily::Terrain)) {
            if (t.id == 32)
                s->add(t.colour, t.label, t.id);
            index = s->add(t.colour, t.label, t.id,
                           (t.id == 8 || t.id == 9 || t.id == 32) ? kOwnerColours.at(3) : 0);
            if (t.id == 8 || t.id == 9 || t.id == 32) {
                for (int owner : {4, 5, 6})
                    s->add(t.colour, t.label, t.id, kOwnerColours.at(owner));
                if (t.id != 32)
                    s->add(t.colour, t.label, t.id, kOwnerColours.at(1));
            }
        }
        terrain.setIconIndex(index);
    }

    for (const RoomSpec& r : kRooms) {
        CRoomType& room = addRecord(db.rooms(), r.id, r.name);
        room.setFloorTerrainId(r.id);
        // The room editor lists rooms by this index, 1 for the first.
        room.setIntValue(RoomField::IntroductionIndex, int64_t(&r - kRooms.data()) + 1);
        room.setFlag(RoomTypeFlag::OnLand, true);
        room.setFlag(RoomTypeFlag::Buildable, r.buildable);
        room.setFlag(RoomTypeFlag::IsGood, r.good);
        uint32_t colour = 0x808080;
        for (const TerrainSpec& t : kTerrains)
            if (t.id == r.id)
                colour = shade(t.colour, 30);
        std::string label = r.name;
        label = label.size() > 5 ? label.substr(0, 5) : label;
        if (SheetBuilder* s = sheet(TypeFamily::Room))
            room.setIconIndex(s->add(colour, label, r.id));
    }

    for (const CreatureSpec& c : kCreatures) {
        CCreatureType& creature = addRecord(db.creatures(), c.id, c.name);
        creature.setFlags1(bits(c.flags1));
        creature.setFlags2(bits(c.flags2));
        creature.setEliteBaseId(c.eliteOf);
        creature.setIntValue(CreatureField::Health, c.health);
        creature.setIntValue(CreatureField::MaxGoldHeld, 500);
        creature.setTextValue(CreatureField::IconResource, "CreatureIcon");
        const uint32_t colour = c.flags1.empty() || bits(c.flags1) & (1u << kGood) ? 0x6080C0 : 0x803030;
        if (SheetBuilder* s = sheet(TypeFamily::Creature))
            creature.setIconIndex(s->add(c.eliteOf ? shade(colour, -30) : colour, c.label, c.id));
    }

    // Objects have no crate field.
    auto addThingTypes = [&](auto& table, const std::vector<ThingTypeSpec>& items, TypeFamily family,
                             TypeField iconResource, std::optional<TypeField> crateObject, uint32_t colour,
                             const char* resourceName) {
        for (const ThingTypeSpec& item : items) {
            auto& record = addRecord(table, item.id, item.name);
            record.setFlags(bits(item.flags));
            if (item.crateObject && crateObject)
                record.setIntValue(*crateObject, item.crateObject);
            record.setTextValue(iconResource, resourceName);
            if (SheetBuilder* s = sheet(family))
                record.setIconIndex(s->add(shade(colour, (item.id % 4) * 20), item.label, item.id));
        }
    };
    addThingTypes(db.doors(), kDoors, TypeFamily::Door, DoorField::IconResource, DoorField::CrateObject,
                  0x705030, "DoorIcon");
    addThingTypes(db.traps(), kTraps, TypeFamily::Trap, TrapField::IconResource, TrapField::CrateObject,
                  0x604070, "TrapIcon");
    addThingTypes(db.objects(), kObjects, TypeFamily::Object, ObjectField::IconResource, std::nullopt,
                  0x307050, "ObjectIcon");

    // Shots, effects and effect elements have no icons: they take no icon resource.
    auto addNamed = [&](auto& table, const std::vector<NamedSpec>& items,
                        std::optional<TypeField> iconResource, uint32_t colour, const char* resourceName) {
        for (const NamedSpec& item : items) {
            auto& record = addRecord(table, item.id, item.name);
            if (!iconResource)
                continue;
            record.setTextValue(*iconResource, resourceName);
            if (SheetBuilder* s = sheet(iconResource->family))
                record.setIconIndex(s->add(shade(colour, (item.id % 3) * 25), item.label, item.id));
        }
    };
    addNamed(db.vorlanSpells(), kVorlanSpells, VorlanSpellField::IconResource, 0x303080, "SpellIcon");
    addNamed(db.creatureSpells(), kCreatureSpells, CreatureSpellField::IconResource, 0x308080,
             "CreatureSpellIcon");
    addNamed(db.shots(), kShots, std::nullopt, 0, "");
    addNamed(db.effects(), kEffects, std::nullopt, 0, "");
    addNamed(db.effectElements(), kEffectElements, std::nullopt, 0, "");

    // Written as start-up leaves them, so loading and saving the sample changes nothing but times.
    db.applyRoomFloorFixups();
    db.buildDefaultAvailability();
    db.cameraModes() = defaultCameraModes();
}

/// The thumbnail colour table: the colour each slot should have, laid out as the 37 pixels its
/// reader spreads over the slots (pixel 0 → slot 0, 1-15 → 2-16, 16-22 → 18-24, 23-29 → 27-33,
/// 30-36 → 36-42). Slots 1, 17, 26 and 35 (the border and unowned tiles) stay black.
RgbImage sampleMapColours()
{
    std::map<int, uint32_t> slot = {
        {2, 0xA08060},  // path (terrain 3)
        {3, 0x505050},  // hard rock (1)
        {4, 0x7A5230},  // earth (2)
        {5, 0x40C0C0},  // gem seam (7)
        {7, 0xE0C020},  // gold seam (6)
        {9, 0x2050C0},  // water (4)
        {11, 0xE04010}, // lava (5)
    };
    const uint32_t owners[7] = {0xF0F0F0, 0x909090, 0xD02020, 0x2040E0, 0x20A040, 0xE0D020, 0xA040C0};
    for (int owner = 1; owner <= 7; ++owner) {
        slot[17 + owner] = shade(owners[owner - 1], -60); // claimed walls (terrain 9)
        slot[26 + owner] = shade(owners[owner - 1], -20); // claimed paths (terrain 8)
        slot[35 + owner] = owners[owner - 1];             // rooms and other owned terrain
    }
    auto slotOfPixel = [](int pixel) {
        if (pixel == 0)
            return 0;
        if (pixel <= 15)
            return pixel + 1;
        if (pixel <= 22)
            return pixel + 2;
        if (pixel <= 29)
            return pixel + 4;
        return pixel + 6;
    };
    RgbImage img(37, 1, 0);
    for (int pixel = 0; pixel < 37; ++pixel) {
        auto it = slot.find(slotOfPixel(pixel));
        img.at(pixel, 0) = it == slot.end() ? 0x000000 : it->second;
    }
    return img;
}

} // namespace

void buildSampleTypes(CTypeDatabase& db)
{
    SampleSheets icons; // drawn and dropped, so the icon indexes are those of the written data
    buildTypesAndIcons(db, &icons);
}

std::vector<std::string> writeSampleData(const std::filesystem::path& dir)
{
    std::vector<std::string> failed;
    std::error_code ec;
    std::filesystem::create_directories(dir / "Graphics", ec);
    std::filesystem::create_directories(dir / "Maps" / "Thumbnails", ec);

    CTypeDatabase db;
    SampleSheets icons;
    buildTypesAndIcons(db, &icons);

    const DateStamp stamp = DateStamp::now();
    for (TypeFamily family : kSaveOrder) {
        const auto path = dir / (std::string(fileBaseName(family)) + ".vwd");
        if (!writeFamilyFile(path, db, family, stamp).ok)
            failed.push_back(path.string());
    }
    if (!writeVariablesFile(dir / EditorApp::kVariablesFileName, db, stamp).ok)
        failed.push_back((dir / EditorApp::kVariablesFileName).string());

    const std::pair<TypeFamily, const char*> sheetFiles[] = {
        {TypeFamily::Terrain, "TerrainIcons.bmp"},
        {TypeFamily::Room, "RoomIcons.bmp"},
        {TypeFamily::Creature, "CreatureIcons.bmp"},
        {TypeFamily::Door, "DoorIcons.bmp"},
        {TypeFamily::Trap, "TrapIcons.bmp"},
        {TypeFamily::Object, "ObjectIcons.bmp"},
        {TypeFamily::VorlanSpell, "VorlanSpellIcons.bmp"},
        {TypeFamily::CreatureSpell, "CreatureSpellIcons.bmp"}};
    for (const auto& [family, name] : sheetFiles) {
        const auto path = dir / "Graphics" / name;
        if (!writeBmp24(path, icons.sheets[family].image()).ok)
            failed.push_back(path.string());
    }

    const auto colours = dir / "Maps" / "Thumbnails" / "MapColours.png";
    if (!writePng(colours, sampleMapColours()).ok)
        failed.push_back(colours.string());

    const std::string names = "Tutorial Caverns\nThe Sunken Hall\nEmbers Below\nLast Light\nThe Iron Gate\n";
    const auto reserved = dir / ReservedLevelNames::kFileName;
    if (!writeFileAtomically(reserved, Bytes(names.begin(), names.end())).ok)
        failed.push_back(reserved.string());

    // A level to open, saved by the editor's own code over the data just written.
    if (!writeSampleLevel(dir))
        failed.push_back((dir / "Maps" / (std::string(kSampleLevelName) + ".vwd")).string());
    return failed;
}

} // namespace gr2
