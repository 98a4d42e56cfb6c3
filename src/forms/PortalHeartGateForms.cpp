#include "forms/PortalHeartGateForms.h"

#include "forms/FormChoices.h"
#include "forms/FormRows.h"
#include "forms/LevelChoices.h"
#include "forms/NumberText.h"
#include "level/CPlayer.h"
#include "level/LevelIds.h"
#include "typedb/CTypeDatabase.h"
#include "typedb/TerrainField.h"

#include <algorithm>

namespace gr2 {

namespace {

constexpr const char* kNumberRange = "Please enter a number between %d and %d.";
/// The global variable that holds a Dungeon Heart's full health.
constexpr uint32_t kHeartFullHealthVariable = 174;
/// A portal is nine tiles of its terrain.
constexpr int64_t kPortalTiles = 9;

/// The label row that follows the health row; `full` is the health at 100 %.
size_t addHealthRows(FormDescription<RoomHealthEdit>& d, int64_t full, double high, RoomRows& r)
{
    FormRow health = integerRow("&Health:", 1, high);
    health.rangeMessage = kNumberRange;
    r.value = d.add(std::move(health), memberAccess(&RoomHealthEdit::health));
    FieldAccess<RoomHealthEdit> label;
    label.read = [](const RoomHealthEdit& e) { return FieldValue(e.healthText); };
    label.write = [](RoomHealthEdit&, const FieldValue&) {};
    FormRow text;
    text.kind = ControlKind::Text;
    text.sameLine = true;
    text.enabled = never();
    r.label = d.add(std::move(text), std::move(label));
    const size_t valueRow = r.value, labelRow = r.label;
    d.row(r.value).onEdit = [valueRow, labelRow, full](FormState& s) {
        s.assignText(labelRow, healthLabel(full, parseInteger(s.text(valueRow)).value));
    };
    return r.value;
}

std::string dirName(uint8_t direction)
{
    static const char* const kNames[] = {"North", "North-East", "East", "South-East",
                                         "South", "South-West", "West", "North-West"};
    return kNames[direction % 8];
}

} // namespace

std::string healthLabel(int64_t fullHealth, int64_t percent)
{
    // Whatever is typed, the product stays far inside 64 bits.
    percent = std::clamp<int64_t>(percent, -1'000'000'000, 1'000'000'000);
    return "% [ " + std::to_string(fullHealth * percent / 100) + " Health ]";
}

std::unique_ptr<ThingSession> portalSession(CWorldEditorDoc& doc, TilePoint tile, const CTypeDatabase& types,
                                            RoomRows* rowsOut)
{
    const FoundRoom<PortalEntry> found = doc.FindPortal(tile);
    if (!found)
        return nullptr;
    const PortalEntry& portal = *found.entry;
    const CTypeRecord* terrain = types.terrains().findRecordById(portal.terrain);
    const int64_t full = kPortalTiles * (terrain ? terrain->intValue(TerrainField::MaxHealth) : 0);

    FormDescription<RoomHealthEdit> d;
    RoomRows r;
    d.caption = tileCaption(portal.terrain == TerrainId::PortalAlt ? "Hero Portal" : "Portal", portal.centre);
    r.owner = d.add(listRow("Ow&ner:", ControlKind::PlayerList,
                            FormChoices::fixed(LevelChoices::players(
                                doc, [](const CPlayer& p) { return p.id() != PlayerId::Good; }))),
                    memberAccess(&RoomHealthEdit::owner));
    // A portal keeps at least 1 %: 0 would be stored as 100.
    addHealthRows(d, full, 100, r);
    RoomHealthEdit edit{portal.ownerId, portal.health, healthLabel(full, portal.health)};
    const TilePoint centre = portal.centre;
    CWorldEditorDoc* level = &doc;
    if (rowsOut)
        *rowsOut = r;
    auto session = std::make_unique<ThingEditSession<RoomHealthEdit>>(
        doc, treeCommandName(TreeCommand::EditPortalProperties), d, edit,
        [level, centre](const RoomHealthEdit& e) {
            const FoundRoom<PortalEntry> now = level->FindPortal(centre);
            if (!now)
                return;
            now.entry->health = uint16_t(e.health);
            if (now.entry->ownerId != e.owner)
                level->SetPortalOwner(centre, e.owner);
            level->notifyTilesChanged(portalFootprint(centre));
        });
    session->setIcon({TypeFamily::Room, std::nullopt, 3});
    return session;
}

std::unique_ptr<ThingSession> heartSession(CWorldEditorDoc& doc, CPlayer& player, RoomRows* rowsOut)
{
    if (!player.hasHeart())
        return nullptr;
    const int64_t full = int64_t(doc.GetVariable(kHeartFullHealthVariable));
    FormDescription<RoomHealthEdit> d;
    RoomRows r;
    d.caption = tileCaption("Dungeon Heart", player.heartPosition());
    r.owner = d.add(listRow("Ow&ner:", ControlKind::PlayerList,
                            FormChoices::fixed(LevelChoices::players(
                                doc, [](const CPlayer& p) { return p.id() >= PlayerId::FirstVorlan; }))),
                    memberAccess(&RoomHealthEdit::owner));
    // The heart belongs to its player: its owner is shown, not chosen.
    d.row(r.owner).enabled = never();
    addHealthRows(d, full, 1000, r);
    d.row(r.value).range = NumberRange{0, 1000};
    RoomHealthEdit edit{player.id(), player.heartHealth(), healthLabel(full, player.heartHealth())};
    CPlayer* target = &player;
    CWorldEditorDoc* level = &doc;
    if (rowsOut)
        *rowsOut = r;
    auto session = std::make_unique<ThingEditSession<RoomHealthEdit>>(
        doc, treeCommandName(TreeCommand::EditDungeonHeartProperties), d, edit,
        [target, level](const RoomHealthEdit& e) {
            target->setHeartHealth(int16_t(e.health));
            level->notifyTilesChanged(TileRect::around(target->heartPosition(), 2));
        });
    session->setIcon({TypeFamily::Room, std::nullopt, 5});
    return session;
}

std::unique_ptr<ThingSession> heroGateSession(CWorldEditorDoc& doc, TilePoint tile, RoomRows* rowsOut)
{
    const FoundRoom<HeroGateEntry> found = doc.FindHeroGate(tile);
    if (!found)
        return nullptr;
    const HeroGateEntry& gate = *found.entry;
    FormDescription<HeroGateEdit> d;
    RoomRows r;
    d.caption = tileCaption("Hero Gate", gate.reference);
    r.owner =
        d.add(listRow("Ow&ner:", ControlKind::PlayerList, FormChoices::fixed(LevelChoices::players(doc))),
              memberAccess(&HeroGateEdit::owner));
    d.row(r.owner).enabled = never();
    // A long or narrow gate turns only along its axis: its tiles stay where they are.
    std::vector<uint8_t> directions = {0, 2, 4, 6};
    if (gate.terrain == TerrainId::HeroGateLarge || gate.terrain == TerrainId::HeroGateSmall)
        directions = gate.direction == 0 || gate.direction == 4 ? std::vector<uint8_t>{0, 4}
                                                                : std::vector<uint8_t>{2, 6};
    ChoiceList choices;
    for (uint8_t dir : directions)
        choices.push_back({dir, dirName(dir)});
    r.value =
        d.add(choiceRow("&Direction:", FormChoices::fixed(choices)), memberAccess(&HeroGateEdit::direction));
    const TilePoint reference = gate.reference;
    CWorldEditorDoc* level = &doc;
    if (rowsOut)
        *rowsOut = r;
    auto session = std::make_unique<ThingEditSession<HeroGateEdit>>(
        doc, treeCommandName(TreeCommand::EditHeroGateProperties), d,
        HeroGateEdit{gate.ownerId, gate.direction}, [level, reference](const HeroGateEdit& e) {
            const FoundRoom<HeroGateEntry> now = level->FindHeroGate(reference);
            if (!now)
                return;
            now.entry->direction = e.direction;
            level->notifyTilesChanged(heroGateFootprint(*now.entry));
        });
    session->setIcon({TypeFamily::Room, std::nullopt, 20});
    return session;
}

std::unique_ptr<ThingSession> specialRoomSession(SpecialRoom room, TilePoint tile, CPlayer* player,
                                                 CWorldEditorDoc& doc, const CTypeDatabase& types)
{
    switch (room) {
    case SpecialRoom::DungeonHeart:
        return player ? heartSession(doc, *player) : nullptr;
    case SpecialRoom::Portal:
        return portalSession(doc, tile, types);
    case SpecialRoom::HeroGate:
        return heroGateSession(doc, tile);
    }
    return nullptr;
}

} // namespace gr2
