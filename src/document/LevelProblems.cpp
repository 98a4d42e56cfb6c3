#include "document/LevelProblems.h"

#include "app/NewLevelOptions.h"
#include "document/LevelChecks.h"
#include "level/CActionPoint.h"
#include "level/CPlayer.h"
#include "level/CWorldEditorDoc.h"
#include "level/LevelTypes.h"
#include "level/RoomFootprints.h"
#include "level/TextConversion.h"
#include "level/TriggerKeeping.h"
#include "script/LevelScript.h"

#include <algorithm>
#include <map>
#include <set>
#include <unordered_map>
#include <unordered_set>

namespace gr2 {

namespace {

std::string tileText(TilePoint p)
{
    return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")";
}

ProblemPlace tilePlace(TilePoint p)
{
    return {ProblemPlaceKind::Tile, 0, p, true};
}

ProblemPlace playerPlace(uint8_t id)
{
    return {ProblemPlaceKind::Player, id, {}, false};
}

ProblemPlace triggerPlace(int16_t id)
{
    return {ProblemPlaceKind::Trigger, id, {}, false};
}

ProblemPlace actionPlace(int16_t id)
{
    return {ProblemPlaceKind::Action, id, {}, false};
}

std::string triggerText(const CTrigger& t)
{
    return "Trigger " + std::to_string(t.id()) + " [ " + utf16ToUtf8(triggerKindName(t.kind())) + " ]";
}

std::string actionText(const CAction& a)
{
    return "Action " + std::to_string(a.id()) + " [ " + utf16ToUtf8(actionKindName(a.kind())) + " ]";
}

/// The walk collects problems in rule order; each rule is one member function.
class Validation {
public:
    explicit Validation(const CWorldEditorDoc& doc) : m_doc(doc), m_script(LevelScript::of(doc)) {}

    std::vector<LevelProblem> run()
    {
        saveChecks();
        mapSize();
        border();
        tiles();
        players();
        things();
        heroParties();
        waypoints();
        effectGenerators();
        if (m_script) {
            scriptLinks();
            scriptReferences();
            flagsAndTimers();
        }
        playable();
        return std::move(m_problems);
    }

private:
    void add(ProblemSeverity severity, const char* code, std::string message, ProblemPlace place)
    {
        m_problems.push_back({severity, code, std::move(message), place});
    }
    void error(const char* code, std::string message, ProblemPlace place)
    {
        add(ProblemSeverity::Error, code, std::move(message), place);
    }
    void warning(const char* code, std::string message, ProblemPlace place)
    {
        add(ProblemSeverity::Warning, code, std::move(message), place);
    }

    bool playerExists(uint8_t id) const { return m_doc.FindPlayer(id) != nullptr; }

    void saveChecks()
    {
        for (const LevelCheckFailure& f : heartCheckFailures(m_doc))
            error("missing-heart", f.message, playerPlace(f.playerId));
        for (const LevelCheckFailure& f : goldCheckFailures(m_doc))
            error("starting-gold", f.message, playerPlace(f.playerId));
        for (const LevelCheckFailure& f : actionPointCheckFailures(m_doc))
            error("missing-action-point", f.message, actionPlace(f.actionId));
    }

    void mapSize()
    {
        const uint32_t w = m_doc.width();
        const uint32_t h = m_doc.height();
        if (w < NewLevelOptions::kMinSide || h < NewLevelOptions::kMinSide || w > NewLevelOptions::kMaxSide ||
            h > NewLevelOptions::kMaxSide)
            error("map-size",
                  "The map is " + std::to_string(w) + " x " + std::to_string(h) +
                      " tiles; each side must be " + std::to_string(NewLevelOptions::kMinSide) + " to " +
                      std::to_string(NewLevelOptions::kMaxSide),
                  {});
    }

    /// Each run of edge tiles that is not Neutral border terrain is one problem.
    void border()
    {
        const int32_t w = int32_t(m_doc.width());
        const int32_t h = int32_t(m_doc.height());
        if (w == 0 || h == 0 || m_doc.terrainTiles().size() < m_doc.cellCount())
            return;
        auto isBorder = [&](TilePoint p) {
            return m_doc.GetTerrain(p) == TerrainId::Border && m_doc.GetOwner(p) == PlayerId::Neutral;
        };
        // The edge walked once clockwise from the top-left corner, each tile once.
        std::vector<TilePoint> edge;
        for (int32_t x = 0; x < w; ++x)
            edge.push_back({x, 0});
        for (int32_t y = 1; y < h; ++y)
            edge.push_back({w - 1, y});
        if (h > 1)
            for (int32_t x = w - 2; x >= 0; --x)
                edge.push_back({x, h - 1});
        if (w > 1)
            for (int32_t y = h - 2; y >= 1; --y)
                edge.push_back({0, y});
        for (size_t i = 0; i < edge.size();) {
            if (isBorder(edge[i])) {
                ++i;
                continue;
            }
            size_t end = i;
            while (end + 1 < edge.size() && !isBorder(edge[end + 1]))
                ++end;
            const std::string where = end == i ? "at " + tileText(edge[i])
                                               : "from " + tileText(edge[i]) + " to " + tileText(edge[end]);
            error("border-break", "The map's border is broken " + where, tilePlace(edge[i]));
            i = end + 1;
        }
    }

    /// Unknown terrain and owners that are no player, one problem per value with its first tile.
    void tiles()
    {
        const auto terrain = m_doc.terrainTiles();
        const auto owner = m_doc.ownerTiles();
        struct Seen {
            TilePoint first;
            size_t count = 0;
        };
        std::map<uint8_t, Seen> unknownTerrain;
        std::map<uint8_t, Seen> unknownOwner;
        const uint32_t w = m_doc.width();
        for (size_t i = 0; i < terrain.size() && i < owner.size() && w > 0; ++i) {
            const TilePoint p{int32_t(i % w), int32_t(i / w)};
            if (!m_doc.types().terrainFlags(terrain[i])) {
                Seen& s = unknownTerrain[terrain[i]];
                if (s.count++ == 0)
                    s.first = p;
            }
            if (owner[i] != PlayerId::None && !playerExists(owner[i])) {
                Seen& s = unknownOwner[owner[i]];
                if (s.count++ == 0)
                    s.first = p;
            }
        }
        for (const auto& [id, s] : unknownTerrain)
            error("unknown-terrain",
                  std::to_string(s.count) + " tile(s) hold terrain " + std::to_string(id) +
                      ", which is no terrain type; the first is " + tileText(s.first),
                  tilePlace(s.first));
        for (const auto& [id, s] : unknownOwner)
            error("unknown-owner",
                  std::to_string(s.count) + " tile(s) are owned by player " + std::to_string(id) +
                      ", who is not in the level; the first is " + tileText(s.first),
                  tilePlace(s.first));
    }

    /// Creatures join a dungeon through portals, which a Vorlan may own or claim later; a level
    /// with Vorlans and no portal at all gives them none.
    void players()
    {
        const CPlayer* firstVorlan = nullptr;
        bool anyPortal = false;
        for (size_t i = 0; i < m_doc.PlayerCount(); ++i) {
            const CPlayer& p = *m_doc.PlayerAt(i);
            anyPortal = anyPortal || !p.portals().empty();
            if (p.isVorlan() && !firstVorlan)
                firstVorlan = &p;
        }
        if (firstVorlan && !anyPortal)
            warning("missing-portal", "The level has no Portal: no creature can join a Vorlan's dungeon",
                    playerPlace(firstVorlan->id()));
    }

    template <class Thing>
    void checkThings(const std::vector<std::unique_ptr<Thing>>& things, ProblemPlaceKind kind,
                     const char* name, bool (CWorldEditorDoc::*canStand)(TilePoint) const)
    {
        for (size_t i = 0; i < things.size(); ++i) {
            const Thing& t = *things[i];
            if (!t.isPlaced())
                continue; // a Create Creature action's preview is the action's business
            const ProblemPlace place{kind, int32_t(i), t.position(), m_doc.IsInside(t.position())};
            const std::string what = std::string(name) + " at " + tileText(t.position());
            if (!m_doc.IsInside(t.position()))
                error("thing-outside-map", what + " is outside the map", place);
            else if (!(m_doc.*canStand)(t.position()))
                error("thing-on-bad-tile", what + " stands on a tile where it cannot stand", place);
            if (t.firstTrigger() != 0 && !keepsTriggers(t))
                error(
                    "triggers-not-kept",
                    what +
                        " has triggers, which its record cannot keep: they are lost when the level is saved",
                    place);
            if (t.ownerId() != PlayerId::None && !playerExists(t.ownerId()))
                error("thing-owner",
                      what + " belongs to player " + std::to_string(t.ownerId()) +
                          ", who is not in the level",
                      place);
            if constexpr (std::is_same_v<Thing, CCreature>) {
                if (!m_doc.types().creatureTypeExists(t.type()))
                    error("unknown-creature-type",
                          what + " is of creature type " + std::to_string(t.type()) +
                              ", which does not exist",
                          place);
            }
        }
    }

    /// Traps and objects stand where a creature can.
    void things()
    {
        checkThings(m_doc.creatures(), ProblemPlaceKind::Creature, "Creature",
                    &CWorldEditorDoc::CanPlaceCreature);
        checkThings(m_doc.doors(), ProblemPlaceKind::Door, "Door", &CWorldEditorDoc::CanPlaceDoor);
        checkThings(m_doc.traps(), ProblemPlaceKind::Trap, "Trap", &CWorldEditorDoc::CanPlaceCreature);
        checkThings(m_doc.objects(), ProblemPlaceKind::Object, "Object", &CWorldEditorDoc::CanPlaceCreature);
    }

    void heroParties()
    {
        for (int slot = 0; slot < kHeroPartySlots; ++slot) {
            const CHeroParty* party = m_doc.HeroPartyAt(size_t(slot));
            if (!party)
                continue;
            const ProblemPlace place{ProblemPlaceKind::HeroParty, slot, {}, false};
            if (party->memberCount() == 0) {
                error("empty-hero-party", party->name() + " has no members", place);
                continue;
            }
            bool leader = false;
            for (int m = 0; m < kHeroPartyMembers; ++m) {
                const CCreature* c = party->member(m);
                if (!c)
                    continue;
                leader = leader || c->hasFlag1(CreatureFlag1::Leader);
                if (!m_doc.types().creatureTypeExists(c->type()))
                    error("unknown-creature-type",
                          party->name() + " has a member of creature type " + std::to_string(c->type()) +
                              ", which does not exist",
                          place);
            }
            if (!leader)
                warning("hero-party-leader", party->name() + " has no leader", place);
        }
    }

    void waypoints()
    {
        const auto& points = m_doc.actionPoints();
        for (const auto& ap : points) {
            const TileRect& a = ap->area();
            const ProblemPlace place{
                ProblemPlaceKind::ActionPoint, ap->id(), {a.left, a.top}, m_doc.IsInside({a.left, a.top})};
            if (!m_doc.IsInside({a.left, a.top}) || !m_doc.IsInside({a.right, a.bottom}))
                error("action-point-outside-map", ap->name() + " reaches outside the map", place);
            if (ap->nextWaypoint() != 0 && !m_doc.FindActionPoint(ap->nextWaypoint()))
                error("missing-waypoint",
                      ap->name() + " leads to Action Point " + std::to_string(ap->nextWaypoint()) +
                          ", which does not exist",
                      place);
        }
        // Each point has at most one next point, so a loop is found by following the path from
        // every point; it is reported once, at the point of the loop met first in list order.
        std::set<uint8_t> reported;
        for (const auto& ap : points) {
            std::vector<uint8_t> path;
            std::set<uint8_t> seen;
            const CActionPoint* at = ap.get();
            while (at && !seen.count(at->id())) {
                seen.insert(at->id());
                path.push_back(at->id());
                at = at->nextWaypoint() ? m_doc.FindActionPoint(at->nextWaypoint()) : nullptr;
            }
            if (!at || at->id() != ap->id() || reported.count(ap->id()))
                continue;
            std::string route;
            for (uint8_t id : path) {
                reported.insert(id);
                route += std::to_string(id) + " > ";
            }
            route += std::to_string(ap->id());
            const TileRect& a = ap->area();
            warning(
                "waypoint-loop",
                "Action Points " + route + " form a waypoint loop: creatures sent along it never arrive",
                {ProblemPlaceKind::ActionPoint, ap->id(), {a.left, a.top}, m_doc.IsInside({a.left, a.top})});
        }
    }

    void effectGenerators()
    {
        for (const auto& g : m_doc.effectGenerators()) {
            if (g->firstTrigger() != 0)
                error(
                    "triggers-not-kept",
                    "Effect Generator " + std::to_string(g->id()) +
                        " has triggers, which its record cannot keep: they are lost when the level is saved",
                    {ProblemPlaceKind::EffectGenerator, g->id(), g->position(),
                     m_doc.IsInside(g->position())});
            if (!m_doc.IsInside(g->position()))
                error("effect-generator-outside-map",
                      "Effect Generator " + std::to_string(g->id()) + " at " + tileText(g->position()) +
                          " is outside the map",
                      {ProblemPlaceKind::EffectGenerator, g->id(), g->position(), false});
        }
    }

    // -- script -----------------------------------------------------------------------------

    /// Walks every chain from its head as the game does: elements no head reaches never run, a
    /// link to a missing element cuts the chain, an element reached twice makes the walk loop.
    void scriptLinks()
    {
        std::unordered_map<int16_t, const CTrigger*> triggers;
        std::unordered_map<int16_t, const CAction*> actions;
        for (const auto& t : m_script->triggers())
            triggers.emplace(t->id(), t.get());
        for (const auto& a : m_script->actions())
            actions.emplace(a->id(), a.get());
        auto exists = [&](int16_t id) { return id > 0 ? triggers.count(id) > 0 : actions.count(id) > 0; };
        auto elementText = [&](int16_t id) {
            return id > 0 ? triggerText(*triggers.at(id)) : actionText(*actions.at(id));
        };
        auto placeOf = [](int16_t id) { return id > 0 ? triggerPlace(id) : actionPlace(id); };

        std::unordered_set<int16_t> reached;
        auto walk = [&](int16_t head, const std::string& headText, ProblemPlace headPlace) {
            struct Link {
                int16_t id;
                int16_t from; // 0 for the head
            };
            std::vector<Link> stack{{head, 0}};
            while (!stack.empty()) {
                const Link link = stack.back();
                stack.pop_back();
                if (link.id == 0)
                    continue;
                const std::string fromText = link.from ? elementText(link.from) : headText;
                const ProblemPlace fromPlace = link.from ? placeOf(link.from) : headPlace;
                if (!exists(link.id)) {
                    error("missing-script-link",
                          fromText + " leads to " + (link.id > 0 ? "Trigger " : "Action ") +
                              std::to_string(link.id) + ", which does not exist",
                          fromPlace);
                    continue;
                }
                if (!reached.insert(link.id).second) {
                    error("script-loop",
                          fromText + " leads back to " + elementText(link.id) +
                              ", which is already in a chain",
                          fromPlace);
                    continue;
                }
                if (link.id > 0) {
                    const CTrigger& t = *triggers.at(link.id);
                    stack.push_back({t.next(), t.id()});
                    stack.push_back({t.child(), t.id()});
                } else {
                    stack.push_back({actions.at(link.id)->next(), link.id});
                }
            }
        };

        walk(m_doc.properties().rootTrigger, "The level", {});
        for (size_t i = 0; i < m_doc.PlayerCount(); ++i) {
            const CPlayer& p = *m_doc.PlayerAt(i);
            walk(p.firstTrigger(), latin1ToUtf8(p.name()), playerPlace(p.id()));
        }
        for (const auto& ap : m_doc.actionPoints())
            walk(ap->firstTrigger(), ap->name(), {ProblemPlaceKind::ActionPoint, ap->id(), {}, false});
        for (int slot = 0; slot < kHeroPartySlots; ++slot)
            if (const CHeroParty* party = m_doc.HeroPartyAt(size_t(slot)))
                walk(party->firstTrigger(), party->name(), {ProblemPlaceKind::HeroParty, slot, {}, false});
        auto walkThings = [&](const auto& things, ProblemPlaceKind kind, const char* name) {
            for (size_t i = 0; i < things.size(); ++i) {
                const auto& t = *things[i];
                if (t.isPlaced())
                    walk(t.firstTrigger(), std::string(name) + " at " + tileText(t.position()),
                         {kind, int32_t(i), t.position(), m_doc.IsInside(t.position())});
            }
        };
        walkThings(m_doc.creatures(), ProblemPlaceKind::Creature, "Creature");
        walkThings(m_doc.doors(), ProblemPlaceKind::Door, "Door");
        walkThings(m_doc.traps(), ProblemPlaceKind::Trap, "Trap");
        walkThings(m_doc.objects(), ProblemPlaceKind::Object, "Object");

        // What no head reaches: one problem per unreached piece, at the element that starts it
        // (no other unreached element links to it), then at whatever remains of closed loops.
        std::unordered_set<int16_t> linkedFromUnreached;
        for (const auto& t : m_script->triggers())
            if (!reached.count(t->id())) {
                linkedFromUnreached.insert(t->next());
                linkedFromUnreached.insert(t->child());
            }
        for (const auto& a : m_script->actions())
            if (!reached.count(a->id()))
                linkedFromUnreached.insert(a->next());
        auto reportUnreached = [&](int16_t id, bool startsOnly) {
            if (reached.count(id) || (startsOnly && linkedFromUnreached.count(id)))
                return;
            warning("unreachable-script",
                    elementText(id) + " can never run: it is not attached to the level, a player or a thing",
                    placeOf(id));
            // The rest of the piece is covered by this one problem.
            std::vector<int16_t> stack{id};
            while (!stack.empty()) {
                const int16_t e = stack.back();
                stack.pop_back();
                if (e == 0 || !exists(e) || !reached.insert(e).second)
                    continue;
                if (e > 0) {
                    stack.push_back(triggers.at(e)->next());
                    stack.push_back(triggers.at(e)->child());
                } else {
                    stack.push_back(actions.at(e)->next());
                }
            }
        };
        for (bool startsOnly : {true, false}) {
            for (const auto& t : m_script->triggers())
                reportUnreached(t->id(), startsOnly);
            for (const auto& a : m_script->actions())
                reportUnreached(a->id(), startsOnly);
        }
    }

    void missingPlayer(const std::string& who, ProblemPlace place, uint8_t id)
    {
        error("missing-player", who + " names player " + std::to_string(id) + ", who is not in the level",
              place);
    }

    void scriptReferences()
    {
        for (const auto& a : m_script->actions()) {
            const ActionParameters& p = a->parameters();
            const ProblemPlace place = actionPlace(a->id());
            auto needPoint = [&](uint8_t id) {
                if (!m_doc.FindActionPoint(id))
                    error("missing-action-point", invalidActionPointMessage(*a), place);
            };
            auto needPlayer = [&](uint8_t id, bool anyAllowed) {
                if (!(anyAllowed && id == PlayerId::None) && !playerExists(id))
                    missingPlayer(actionText(*a), place, id);
            };
            const TilePoint tile{int32_t(p.bx()), int32_t(p.by())};
            auto needTile = [&] {
                if (!m_doc.IsInside(tile))
                    error("tile-outside-map",
                          actionText(*a) + " names tile " + tileText(tile) + ", outside the map", place);
                return m_doc.IsInside(tile);
            };
            auto needCreatureType = [&](uint8_t type) {
                if (!m_doc.types().creatureTypeExists(type))
                    error("unknown-creature-type",
                          actionText(*a) + " makes creature type " + std::to_string(type) +
                              ", which does not exist",
                          place);
            };
            switch (ActionKind(a->kind())) {
            case ActionKind::CreateCreature:
                needCreatureType(p.a[0]);
                needPlayer(p.a[1], false);
                needTile();
                break;
            case ActionKind::AlterTerrainType:
            case ActionKind::DisplaySlabOwner:
                needTile();
                break;
            case ActionKind::CollapseHeroGate:
                if (needTile() && !m_doc.FindHeroGate(tile))
                    error("missing-hero-gate",
                          actionText(*a) + " names tile " + tileText(tile) + ", where no hero gate is",
                          place);
                break;
            case ActionKind::SendToActionPoint:
                needPoint(p.b0());
                break;
            case ActionKind::CreateHeroParty:
                if (!m_doc.HeroPartyAt(p.a[0]))
                    error("missing-hero-party",
                          actionText(*a) + " names Hero Party " + std::to_string(unsigned(p.a[0]) + 1) +
                              ", which does not exist",
                          place);
                needPoint(p.b0());
                break;
            case ActionKind::SetCreatureObjective:
                needPlayer(p.a[0], true);
                if (p.a[1] == kSendToActionPointObjective)
                    needPoint(p.b0());
                break;
            case ActionKind::FlashActionPoint:
            case ActionKind::RevealActionPoint:
            case ActionKind::ZoomToActionPoint:
            case ActionKind::RotateAroundActionPoint:
                needPoint(p.a[0]);
                break;
            case ActionKind::CameraFollowPath:
                needPoint(p.a[1]);
                break;
            case ActionKind::SetAvailability:
                needPlayer(p.a[0], false);
                break;
            case ActionKind::SetAlliance:
                needPlayer(p.a[0], false);
                needPlayer(p.a[1], false);
                break;
            case ActionKind::ChangeRoomOwner:
                needPlayer(p.a[1], false);
                needTile();
                break;
            case ActionKind::GenerateCreature:
                needCreatureType(p.a[0]);
                break;
            case ActionKind::ToggleEffectGenerator:
                if (!m_doc.FindEffectGenerator(uint8_t(p.a[0] + 1)))
                    error("missing-effect-generator",
                          actionText(*a) + " names Effect Generator " + std::to_string(unsigned(p.a[0]) + 1) +
                              ", which does not exist",
                          place);
                break;
            default:
                break;
            }
        }
        for (const auto& t : m_script->triggers()) {
            const uint8_t kind = t->kind();
            const ProblemPlace place = triggerPlace(t->id());
            auto needPlayer = [&](uint8_t id) {
                if (id != PlayerId::None && !playerExists(id))
                    missingPlayer(triggerText(*t), place, id);
            };
            const TriggerKindInfo* info = findTriggerKind(kind);
            if (!info)
                continue;
            if (info->parameters == TriggerParameterRule::PlayerAttribute &&
                !(t->flags() & TriggerFlag::CompareWithValue))
                needPlayer(t->other());
            else if (kind == 22 || kind == 23) // the other player of a kill count
                needPlayer(t->other());
            else if (kind == 47 || kind == 56 || kind == 57) // player events name their player in op
                needPlayer(t->op());
            else if (info->subject == TriggerOwnerKind::ActionPoint && kind != 50)
                needPlayer(t->subject());
        }
    }

    /// Conditions on flags and timers that no action ever sets can never change.
    void flagsAndTimers()
    {
        std::set<uint8_t> flags;
        std::set<uint8_t> timers;
        for (const auto& a : m_script->actions()) {
            if (a->kind() == uint8_t(ActionKind::SetFlag))
                flags.insert(a->a(0));
            else if (a->kind() == uint8_t(ActionKind::SetTimer))
                timers.insert(a->a(0));
        }
        auto flagSet = [&](uint8_t i) { return i >= ScriptFlagIndex::kCount || flags.count(i); };
        auto timerSet = [&](uint8_t i) { return i >= ScriptTimerIndex::kCount || timers.count(i); };
        auto flagText = [](uint8_t i) { return "Flag " + std::to_string(unsigned(i) + 1); };
        auto timerText = [](uint8_t i) { return "Timer " + std::to_string(unsigned(i) + 1); };
        for (const auto& t : m_script->triggers()) {
            const bool withOther = !(t->flags() & TriggerFlag::CompareWithValue);
            if (t->kind() == uint8_t(TriggerKind::Flag)) {
                for (uint8_t i : withOther ? std::vector<uint8_t>{t->subject(), t->other()}
                                           : std::vector<uint8_t>{t->subject()})
                    if (!flagSet(i))
                        warning("flag-never-set",
                                triggerText(*t) + " tests " + flagText(i) + ", which no action sets",
                                triggerPlace(t->id()));
            } else if (t->kind() == uint8_t(TriggerKind::Timer)) {
                for (uint8_t i : withOther ? std::vector<uint8_t>{t->subject(), t->other()}
                                           : std::vector<uint8_t>{t->subject()})
                    if (!timerSet(i))
                        warning("timer-never-set",
                                triggerText(*t) + " tests " + timerText(i) + ", which no action starts",
                                triggerPlace(t->id()));
            }
        }
        for (const auto& a : m_script->actions())
            if (a->kind() == uint8_t(ActionKind::SetFlag) && (a->a(1) & kSetFlagOperandIsFlag) &&
                !flagSet(uint8_t(a->b())))
                warning("flag-never-set",
                        actionText(*a) + " reads " + flagText(uint8_t(a->b())) + ", which no action sets",
                        actionPlace(a->id()));
    }

    // -- playable ---------------------------------------------------------------------------

    /// What a designer means by a playable level, beyond what the game refuses: every Vorlan can
    /// dig from its heart to a portal, the level's hero gates and parties are put to use, and what
    /// stands on the map can be reached. Ground is crossed when it can be dug or walked: not
    /// impenetrable, water, lava, unknown terrain or the border.
    void playable()
    {
        const int32_t w = int32_t(m_doc.width());
        const int32_t h = int32_t(m_doc.height());
        if (w < 3 || h < 3 || m_doc.terrainTiles().size() < m_doc.cellCount())
            return;
        labelRegions(w, h);
        std::vector<const CPlayer*> vorlans;
        for (size_t i = 0; i < m_doc.PlayerCount(); ++i)
            if (const CPlayer* p = m_doc.PlayerAt(i); p->isVorlan() && p->hasHeart())
                vorlans.push_back(p);
        heartsReachPortals(vorlans);
        heroGatesUsed();
        heroPartiesOutOfRock();
        dungeonsMeet(vorlans);
        thingsReachable(vorlans);
    }

    bool crossable(TilePoint p) const
    {
        const int32_t w = int32_t(m_doc.width()), h = int32_t(m_doc.height());
        if (p.x <= 0 || p.y <= 0 || p.x >= w - 1 || p.y >= h - 1)
            return false;
        const std::optional<uint32_t> flags = m_doc.GetTerrainFlags(p);
        return flags && !(*flags & (TerrainFlag::Impenetrable | TerrainFlag::Water | TerrainFlag::Lava));
    }
    static bool solid(std::optional<uint32_t> flags) { return !flags || (*flags & TerrainFlag::Solid); }

    /// Numbers each connected area of crossable ground (0: not crossable).
    void labelRegions(int32_t w, int32_t h)
    {
        m_region.assign(size_t(w) * size_t(h), 0);
        uint32_t next = 0;
        std::vector<TilePoint> todo;
        for (int32_t y = 1; y < h - 1; ++y)
            for (int32_t x = 1; x < w - 1; ++x) {
                if (m_region[index({x, y})] != 0 || !crossable({x, y}))
                    continue;
                ++next;
                m_region[index({x, y})] = next;
                todo.push_back({x, y});
                while (!todo.empty()) {
                    const TilePoint p = todo.back();
                    todo.pop_back();
                    for (TilePoint q : {TilePoint{p.x + 1, p.y}, TilePoint{p.x - 1, p.y},
                                        TilePoint{p.x, p.y + 1}, TilePoint{p.x, p.y - 1}}) {
                        if (!crossable(q) || m_region[index(q)] != 0)
                            continue;
                        m_region[index(q)] = next;
                        todo.push_back(q);
                    }
                }
            }
    }
    size_t index(TilePoint p) const { return size_t(p.y) * m_doc.width() + size_t(p.x); }
    uint32_t regionAt(TilePoint p) const { return m_doc.IsInside(p) ? m_region[index(p)] : 0; }
    /// The areas the tiles of the rectangle touch, or stand in.
    std::set<uint32_t> regionsOf(const TileRect& r) const
    {
        std::set<uint32_t> out;
        for (int32_t y = r.top - 1; y <= r.bottom + 1; ++y)
            for (int32_t x = r.left - 1; x <= r.right + 1; ++x)
                if (uint32_t region = regionAt({x, y}))
                    out.insert(region);
        return out;
    }
    static bool meet(const std::set<uint32_t>& a, const std::set<uint32_t>& b)
    {
        return std::any_of(a.begin(), a.end(), [&b](uint32_t r) { return b.count(r) != 0; });
    }

    void heartsReachPortals(const std::vector<const CPlayer*>& vorlans)
    {
        std::set<uint32_t> portals;
        bool anyPortal = false;
        for (size_t i = 0; i < m_doc.PlayerCount(); ++i)
            for (const PortalEntry& portal : m_doc.PlayerAt(i)->portals()) {
                anyPortal = true;
                const std::set<uint32_t> r = regionsOf(portalFootprint(portal.centre));
                portals.insert(r.begin(), r.end());
            }
        if (!anyPortal)
            return; // the missing portal is a problem of its own
        for (const CPlayer* p : vorlans)
            if (!meet(regionsOf(heartFootprint(p->heartPosition())), portals))
                warning("heart-reaches-no-portal",
                        p->name() +
                            "'s Dungeon Heart cannot reach any Portal over ground that can be dug or walked",
                        playerPlace(p->id()));
    }

    void heroGatesUsed()
    {
        std::vector<TileRect> partyPoints;
        std::vector<TilePoint> collapsed;
        if (m_script)
            for (const auto& a : m_script->actions()) {
                if (a->kind() == uint8_t(ActionKind::CreateHeroParty)) {
                    if (const CActionPoint* ap = m_doc.FindActionPoint(a->parameters().b0()))
                        partyPoints.push_back(ap->area());
                } else if (a->kind() == uint8_t(ActionKind::CollapseHeroGate)) {
                    collapsed.push_back({int32_t(a->parameters().bx()), int32_t(a->parameters().by())});
                }
            }
        for (size_t i = 0; i < m_doc.PlayerCount(); ++i)
            for (const HeroGateEntry& gate : m_doc.PlayerAt(i)->heroGates()) {
                const TileRect tiles = heroGateFootprint(gate);
                const TileRect near{tiles.left - 1, tiles.top - 1, tiles.right + 1, tiles.bottom + 1};
                const bool used = std::any_of(collapsed.begin(), collapsed.end(),
                                              [&](TilePoint t) { return tiles.contains(t); }) ||
                                  std::any_of(partyPoints.begin(), partyPoints.end(), [&](const TileRect& r) {
                                      return !r.intersected(near).empty();
                                  });
                if (!used)
                    warning("hero-gate-unused",
                            "The hero gate at " + tileText(gate.reference) +
                                " is used by no script action: no hero party comes through it and nothing "
                                "collapses it",
                            tilePlace(gate.reference));
            }
    }

    void heroPartiesOutOfRock()
    {
        if (!m_script)
            return;
        for (const auto& a : m_script->actions()) {
            if (a->kind() != uint8_t(ActionKind::CreateHeroParty))
                continue;
            const CActionPoint* ap = m_doc.FindActionPoint(a->parameters().b0());
            if (!ap)
                continue; // a missing point is reported as such
            const TileRect r =
                ap->area().intersected({0, 0, int32_t(m_doc.width()) - 1, int32_t(m_doc.height()) - 1});
            bool open = false;
            for (int32_t y = r.top; y <= r.bottom && !open; ++y)
                for (int32_t x = r.left; x <= r.right && !open; ++x)
                    open = !solid(m_doc.GetTerrainFlags({x, y})) && crossable({x, y});
            if (!open)
                warning("hero-party-in-rock",
                        actionText(*a) + " creates its party at " + ap->name() +
                            ", which lies wholly in solid rock",
                        actionPlace(a->id()));
        }
    }

    void dungeonsMeet(const std::vector<const CPlayer*>& vorlans)
    {
        if (m_doc.alliances().size() != 0)
            return;
        for (size_t i = 0; i < m_doc.PlayerCount(); ++i)
            if (!m_doc.PlayerAt(i)->heroGates().empty())
                return;
        for (size_t i = 0; i < vorlans.size(); ++i)
            for (size_t j = i + 1; j < vorlans.size(); ++j)
                if (!meet(regionsOf(heartFootprint(vorlans[i]->heartPosition())),
                          regionsOf(heartFootprint(vorlans[j]->heartPosition()))))
                    warning("dungeons-never-meet",
                            vorlans[i]->name() + " and " + vorlans[j]->name() +
                                " can never reach each other's dungeon, and the level has no hero gate and "
                                "no alliance (intended?)",
                            playerPlace(vorlans[j]->id()));
    }

    template <class Thing>
    void reachable(const std::vector<std::unique_ptr<Thing>>& things, ProblemPlaceKind kind, const char* name,
                   const std::set<uint32_t>& dungeons)
    {
        for (size_t i = 0; i < things.size(); ++i) {
            const Thing& t = *things[i];
            if (!t.isPlaced() || !m_doc.IsInside(t.position()))
                continue;
            if (!meet(regionsOf(TileRect::single(t.position())), dungeons))
                warning("thing-unreachable",
                        std::string(name) + " at " + tileText(t.position()) +
                            " can never be reached from any "
                            "Vorlan's dungeon",
                        {kind, int32_t(i), t.position(), true});
        }
    }

    void thingsReachable(const std::vector<const CPlayer*>& vorlans)
    {
        if (vorlans.empty())
            return;
        std::set<uint32_t> dungeons;
        for (const CPlayer* p : vorlans) {
            const std::set<uint32_t> r = regionsOf(heartFootprint(p->heartPosition()));
            dungeons.insert(r.begin(), r.end());
        }
        reachable(m_doc.creatures(), ProblemPlaceKind::Creature, "Creature", dungeons);
        reachable(m_doc.objects(), ProblemPlaceKind::Object, "Object", dungeons);
    }

    std::vector<uint32_t> m_region;

    static constexpr uint8_t kSendToActionPointObjective = 23;
    static constexpr uint8_t kSetFlagOperandIsFlag = 0x04;

    const CWorldEditorDoc& m_doc;
    const LevelScript* m_script;
    std::vector<LevelProblem> m_problems;
};

} // namespace

std::vector<LevelProblem> validateLevel(const CWorldEditorDoc& doc, const std::set<std::string>& switchedOff)
{
    std::vector<LevelProblem> problems = Validation(doc).run();
    std::erase_if(problems, [&](const LevelProblem& p) {
        return p.severity == ProblemSeverity::Warning && switchedOff.count(p.code) != 0;
    });
    return problems;
}

std::span<const WarningRule> warningRules()
{
    static constexpr WarningRule kRules[] = {
        {"missing-portal", "A level without a Portal"},
        {"heart-reaches-no-portal", "A Dungeon Heart that cannot reach any Portal"},
        {"hero-gate-unused", "A hero gate no script action uses"},
        {"hero-party-in-rock", "A hero party created at an action point in solid rock"},
        {"dungeons-never-meet", "Dungeons that can never meet, with no hero gate and no alliance"},
        {"thing-unreachable", "Creatures and objects no Vorlan can reach"},
        {"hero-party-leader", "A hero party without a leader"},
        {"waypoint-loop", "Action points whose waypoints form a loop"},
        {"flag-never-set", "A flag tested that no action sets"},
        {"timer-never-set", "A timer tested that no action starts"},
        {"unreachable-script", "Triggers and actions that can never run"},
    };
    return kRules;
}

std::string_view severityName(ProblemSeverity severity)
{
    return severity == ProblemSeverity::Error ? "error" : "warning";
}

std::string_view placeKindName(ProblemPlaceKind kind)
{
    switch (kind) {
    case ProblemPlaceKind::Level:
        return "level";
    case ProblemPlaceKind::Tile:
        return "tile";
    case ProblemPlaceKind::Player:
        return "player";
    case ProblemPlaceKind::Creature:
        return "creature";
    case ProblemPlaceKind::Door:
        return "door";
    case ProblemPlaceKind::Trap:
        return "trap";
    case ProblemPlaceKind::Object:
        return "object";
    case ProblemPlaceKind::ActionPoint:
        return "actionPoint";
    case ProblemPlaceKind::HeroParty:
        return "heroParty";
    case ProblemPlaceKind::EffectGenerator:
        return "effectGenerator";
    case ProblemPlaceKind::Trigger:
        return "trigger";
    case ProblemPlaceKind::Action:
        return "action";
    }
    return "level";
}

std::string describePlace(const ProblemPlace& place)
{
    const std::string id = std::to_string(place.id);
    const std::string at = place.hasTile ? " at " + tileText(place.tile) : std::string();
    switch (place.kind) {
    case ProblemPlaceKind::Level:
        return "Level";
    case ProblemPlaceKind::Tile:
        return "Tile " + tileText(place.tile);
    case ProblemPlaceKind::Player:
        return "Player " + id;
    case ProblemPlaceKind::Creature:
        return "Creature " + id + at;
    case ProblemPlaceKind::Door:
        return "Door " + id + at;
    case ProblemPlaceKind::Trap:
        return "Trap " + id + at;
    case ProblemPlaceKind::Object:
        return "Object " + id + at;
    case ProblemPlaceKind::ActionPoint:
        return "Action Point " + id;
    case ProblemPlaceKind::HeroParty:
        return "Hero Party " + std::to_string(place.id + 1);
    case ProblemPlaceKind::EffectGenerator:
        return "Effect Generator " + id;
    case ProblemPlaceKind::Trigger:
        return "Trigger " + id;
    case ProblemPlaceKind::Action:
        return "Action " + id;
    }
    return {};
}

bool hasErrors(const std::vector<LevelProblem>& problems)
{
    return std::any_of(problems.begin(), problems.end(),
                       [](const LevelProblem& p) { return p.severity == ProblemSeverity::Error; });
}

} // namespace gr2
