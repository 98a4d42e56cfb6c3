#include "document/SampleLevel.h"

#include "app/EditorApp.h"
#include "app/QuietPrompter.h"
#include "document/LevelDocument.h"
#include "level/CWorldEditorDoc.h"
#include "script/LevelScript.h"

namespace gr2 {

namespace {

// Ids of the sample type data.
constexpr uint8_t kEarth = 2, kPath = 3, kWater = 4, kLava = 5, kGoldSeam = 6, kClaimed = 8, kClaimedWall = 9;
constexpr uint8_t kDigger = 1, kBrute = 2, kSorcerer = 3, kKnight = 6, kArcher = 7;
constexpr uint8_t kWoodenDoor = 1, kSpikeTrap = 1, kGoldPile = 1, kSpellBook = 3;

void paint(CWorldEditorDoc& doc, const TileRect& block, uint8_t terrain, uint8_t owner)
{
    for (int32_t y = block.top; y <= block.bottom; ++y)
        for (int32_t x = block.left; x <= block.right; ++x)
            if (doc.IsInterior({x, y}))
                doc.StoreTile({x, y}, terrain, owner);
}

void dungeon(CWorldEditorDoc& doc, uint8_t owner, TilePoint heart, TileRect treasury)
{
    paint(doc, TileRect::around(heart, 4), kClaimedWall, owner);
    paint(doc, TileRect::around(heart, 3), kClaimed, owner);
    paint(doc, heartFootprint(heart), TerrainId::DungeonHeart, owner);
    paint(doc, treasury, TerrainId::Treasury, owner);
    if (CPlayer* p = doc.FindPlayer(owner)) {
        p->setHeartPosition(heart);
        p->setCameraStart(heart);
    }
}

} // namespace

void buildSampleLevel(CWorldEditorDoc& doc, const std::string& title)
{
    doc.NewLevel({title, 32, 24, kEarth, PlayerId::Neutral});
    CPlayer* second = doc.CreateNewPlayer();
    if (second) {
        second->setComputer(true);
        second->setStartingGold(5000);
    }

    dungeon(doc, PlayerId::FirstVorlan, {6, 6}, {3, 12, 5, 13});
    dungeon(doc, 4, {25, 17}, {26, 10, 28, 11});
    paint(doc, {10, 5, 22, 5}, kPath, PlayerId::Neutral);
    paint(doc, {15, 5, 15, 18}, kPath, PlayerId::Neutral);
    paint(doc, {10, 18, 22, 18}, kPath, PlayerId::Neutral);
    // The first dungeon's doorway out to the path: a door stands on claimed floor.
    paint(doc, {10, 5, 10, 5}, kClaimed, PlayerId::FirstVorlan);
    paint(doc, {2, 20, 9, 21}, kWater, PlayerId::Neutral);
    paint(doc, {21, 2, 29, 3}, kLava, PlayerId::Neutral);
    paint(doc, {12, 20, 14, 21}, kGoldSeam, PlayerId::Neutral);

    // A neutral portal between the two dungeons and a hero gate of the Good player in the north.
    const TilePoint portal{16, 12};
    paint(doc, portalFootprint(portal), TerrainId::Portal, PlayerId::Neutral);
    PortalEntry portalEntry;
    portalEntry.centre = portal;
    portalEntry.terrain = TerrainId::Portal;
    doc.AddPortal(PlayerId::Neutral, portalEntry);
    HeroGateEntry gate;
    gate.reference = {18, 1};
    gate.terrain = TerrainId::HeroGate;
    paint(doc, heroGateFootprint(gate), TerrainId::HeroGate, PlayerId::Good);
    doc.AddHeroGate(PlayerId::Good, gate);

    doc.CreateCreature(kDigger, PlayerId::FirstVorlan, {8, 8}, false);
    doc.CreateCreature(kDigger, PlayerId::FirstVorlan, {4, 8}, false);
    if (CCreature* brute = doc.CreateCreature(kBrute, 4, {23, 15}, false))
        brute->setLevel(3);
    if (CCreature* sorcerer = doc.CreateCreature(kSorcerer, PlayerId::Neutral, {15, 16}, false))
        sorcerer->setGoldHeld(50);
    doc.CreateCreature(kKnight, PlayerId::Good, {19, 5}, false);
    doc.CreateDoor(kWoodenDoor, PlayerId::FirstVorlan, {10, 5});
    doc.CreateTrap(kSpikeTrap, PlayerId::FirstVorlan, {11, 5});
    if (CObjectThing* gold = doc.CreateObjectThing(kGoldPile, {14, 18}))
        gold->setData2(250);
    if (CObjectThing* book = doc.CreateObjectThing(kSpellBook, {17, 18}))
        book->setData1(4);

    CActionPoint* atPortal = doc.AddActionPoint(portalFootprint(portal));
    // On the hero gate: the heroes come in here and walk on to the portal.
    CActionPoint* path = doc.AddActionPoint({18, 2, 18, 2});
    if (atPortal && path)
        path->setNextWaypoint(atPortal->id());

    auto party = std::make_unique<CHeroParty>(&doc);
    for (uint8_t type : {kKnight, kArcher}) {
        auto member = std::make_unique<CCreature>(&doc, type);
        member->setOwnerById(PlayerId::Good);
        member->setPlaced(false);
        member->setPosition({18, 2});
        member->setFlag1(CreatureFlag1::Leader, type == kKnight);
        party->addMember(member);
    }
    doc.AddHeroParty(std::move(party));
    if (CEffectGenerator* smoke = doc.AddEffectGenerator({21, 4})) {
        smoke->setExtent(2, 1);
        smoke->setEffect(0, 1);
    }

    // The script: when the level has run for a moment, show the objective and zoom to the portal,
    // and let the hero party in through the gate.
    if (LevelScript* script = LevelScript::of(doc)) {
        auto trigger = script->makeTrigger();
        trigger->setId(1);
        trigger->setKind(uint8_t(TriggerKind::Time));
        trigger->setValue(5);
        trigger->setChild(-1);
        script->addLoadedTrigger(std::move(trigger));
        auto objective = script->makeAction();
        objective->setId(-1);
        objective->setKind(uint8_t(ActionKind::DisplayObjective));
        objective->setA(0, 1);
        objective->parameters().b = atPortal ? atPortal->id() : 0;
        objective->setNext(-2);
        script->addLoadedAction(std::move(objective));
        auto heroes = script->makeAction();
        heroes->setId(-2);
        heroes->setKind(uint8_t(ActionKind::CreateHeroParty));
        heroes->setA(0, 0); // the first hero party
        heroes->parameters().b = path ? path->id() : 0;
        script->addLoadedAction(std::move(heroes));
        LevelProperties properties = doc.properties();
        properties.rootTrigger = 1;
        properties.description = u"A first level to look around in: two dungeons, a portal and a hero gate.";
        properties.author = u"GR2 World Editor";
        doc.setProperties(properties);
        script->FinishReading();
    }
    doc.AddAlliance(PlayerId::FirstVorlan, 4);
    doc.SetModifiedFlag(true);
}

bool writeSampleLevel(const std::filesystem::path& rootDirectory)
{
    QuietPrompter prompter;
    EditorApp app(rootDirectory, prompter);
    app.loadGlobalData();
    ThumbnailColours colours;
    LevelDocument level(app, colours);
    const std::string path = (rootDirectory / "Maps" / (std::string(kSampleLevelName) + ".vwd")).string();
    buildSampleLevel(level.doc(), path);
    level.doc().setPath(path);
    level.doc().setNamed(true);
    return level.files().SaveLevel(false) == SaveResult::Saved && level.files().WriteThumbnail();
}

} // namespace gr2
