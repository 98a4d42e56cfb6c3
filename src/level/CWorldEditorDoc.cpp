#include "level/CWorldEditorDoc.h"

#include "level/DocumentObserver.h"
#include "level/LevelTypes.h"
#include "level/ScriptHooks.h"
#include "level/TextConversion.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace gr2 {

CWorldEditorDoc::CWorldEditorDoc(const LevelTypes& types) : m_types(types) {}

CWorldEditorDoc::~CWorldEditorDoc() = default;

void CWorldEditorDoc::adoptScript(std::unique_ptr<ScriptHooks> script)
{
    m_script = std::move(script);
    m_hooks = m_script.get();
}

// --- observers -----------------------------------------------------------------------------------

void CWorldEditorDoc::addObserver(DocumentObserver* observer)
{
    if (observer && std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void CWorldEditorDoc::removeObserver(DocumentObserver* observer)
{
    std::erase(m_observers, observer);
}

template <class F> void CWorldEditorDoc::forEachObserver(F&& f)
{
    // A copy, so an observer may unsubscribe while it is being told. A level has a handful of
    // observers and loading tells them of every object, so the copy lives on the stack.
    if (m_observers.empty())
        return;
    auto tell = [&](std::span<DocumentObserver* const> observers) {
        for (DocumentObserver* o : observers)
            if (std::find(m_observers.begin(), m_observers.end(), o) != m_observers.end())
                f(*o);
    };
    constexpr size_t kOnStack = 16;
    if (m_observers.size() <= kOnStack) {
        std::array<DocumentObserver*, kOnStack> copy;
        std::copy(m_observers.begin(), m_observers.end(), copy.begin());
        tell(std::span<DocumentObserver* const>(copy.data(), m_observers.size()));
    } else {
        const std::vector<DocumentObserver*> copy = m_observers;
        tell(copy);
    }
}

void CWorldEditorDoc::notifyTilesChanged(const TileRect& rect)
{
    // As with objects: the reset that ends an opening redraws the whole map once.
    if (m_opening)
        return;
    TileRect clipped = rect.intersected(mapRect());
    if (clipped.empty())
        return;
    forEachObserver([&](DocumentObserver& o) { o.tilesChanged(clipped); });
}

void CWorldEditorDoc::notifyObjectChanged(CLevelObject& object)
{
    forEachObserver([&](DocumentObserver& o) { o.objectChanged(object); });
}

void CWorldEditorDoc::notifyWaypointsChanged()
{
    forEachObserver([&](DocumentObserver& o) { o.waypointsChanged(); });
}

uint8_t CWorldEditorDoc::drawingPlayerAfterDeleting(uint8_t deletedId) const
{
    return deletedId != PlayerId::FirstVorlan && FindPlayer(PlayerId::FirstVorlan) ? PlayerId::FirstVorlan
                                                                                   : PlayerId::Neutral;
}

void CWorldEditorDoc::chooseCurrentPlayer(uint8_t playerId)
{
    if (!FindPlayer(playerId))
        return;
    forEachObserver([&](DocumentObserver& o) { o.currentPlayerSuggested(playerId); });
}

void CWorldEditorDoc::notifyAdded(CLevelObject& object)
{
    // A level being read announces its thousands of objects at once, by the reset that ends the
    // opening; one call per object would only tell observers to wait for it.
    if (m_opening)
        return;
    forEachObserver([&](DocumentObserver& o) { o.objectAdded(object); });
}

void CWorldEditorDoc::notifyRemoved(CLevelObject& object)
{
    forEachObserver([&](DocumentObserver& o) { o.objectRemoved(object); });
}

void CWorldEditorDoc::notifyReset()
{
    forEachObserver([&](DocumentObserver& o) { o.levelReset(); });
}

// --- document state ------------------------------------------------------------------------------

void CWorldEditorDoc::SetModifiedFlag(bool modified)
{
    // Whatever makes the level agree with its files (a save, an open) puts the saved state here.
    if (!modified && !m_history.isRecording())
        m_history.markSaved();
    if (m_modified == modified)
        return;
    m_modified = modified;
    forEachObserver([&](DocumentObserver& o) { o.modifiedChanged(modified); });
}

std::string CWorldEditorDoc::levelNameFromTitle(const std::string& title)
{
    // Titles come from paths of either convention, so both separators end a folder.
    size_t slash = title.find_last_of("\\/");
    std::string name = slash == std::string::npos ? title : title.substr(slash + 1);
    if (name.size() >= 4 && name[name.size() - 4] == '.')
        name.resize(name.size() - 4);
    return name;
}

std::u16string CWorldEditorDoc::levelNameOf(const std::string& title)
{
    std::u16string name = utf8ToUtf16(levelNameFromTitle(title));
    if (name.size() > LevelProperties::kNameLength)
        name.resize(LevelProperties::kNameLength);
    return name;
}

void CWorldEditorDoc::SetTitle(const std::string& title)
{
    m_title = title;
    m_properties.name = levelNameOf(title);
    forEachObserver([&](DocumentObserver& o) { o.titleChanged(title); });
}

void CWorldEditorDoc::setDamaged(bool damaged)
{
    if (m_damaged == damaged)
        return;
    m_damaged = damaged;
    forEachObserver([&](DocumentObserver& o) { o.titleChanged(m_title); });
}

// --- new and open --------------------------------------------------------------------------------

void CWorldEditorDoc::resetContent()
{
    clearRecords();
    m_width = m_height = 0;
    m_terrain.clear();
    m_owner.clear();
    m_visited.clear();
}

void CWorldEditorDoc::clearRecords()
{
    if (m_hooks)
        m_hooks->levelCleared();
    m_pickingForAction = 0;
    m_picked.clear();
    m_newParty.reset();
    m_partyGettingMembers = nullptr;
    for (auto& slot : m_parties)
        slot.reset();
    m_creatures.clear();
    m_doors.clear();
    m_traps.clear();
    m_objects.clear();
    m_actionPoints.clear();
    m_effectGenerators.clear();
    m_keptThings.clear();
    m_players.clear();
    m_alliances.clear();
    m_properties = LevelProperties();
    m_version = LevelVersion();
    m_variables = VariableOverrides();
}

void CWorldEditorDoc::NewLevel(const NewLevelSettings& settings)
{
    resetContent();
    setDamaged(false);
    SetTitle(settings.name);
    m_baseTerrain = settings.baseTerrain;
    m_baseOwner = settings.baseOwner;

    SetMapSize(std::clamp<uint32_t>(settings.width, 1, kMaxMapSide),
               std::clamp<uint32_t>(settings.height, 1, kMaxMapSide));
    AllocateMap();
    std::fill(m_terrain.begin(), m_terrain.end(), settings.baseTerrain);
    std::fill(m_owner.begin(), m_owner.end(), settings.baseOwner);
    clearVisited();
    DrawBorder();
    notifyReset();

    CreatePlayer(CPlayer::defaultName(PlayerId::Good), PlayerId::Good);
    CreatePlayer(CPlayer::defaultName(PlayerId::Neutral), PlayerId::Neutral);
    CreatePlayer(CPlayer::defaultName(PlayerId::FirstVorlan), PlayerId::FirstVorlan);

    std::vector<double> values = m_types.globalVariables();
    std::vector<uint32_t> ids = m_types.overridableVariableIds();
    m_variables.assign(values, ids);
    SetModifiedFlag(true);
    m_history.clear(false);
}

void CWorldEditorDoc::beginOpen(const std::string& path)
{
    m_opening = true;
    m_history.clear(false);
    resetContent();
    setDamaged(false);
    SetTitle(path);
    m_path = path;
    notifyReset();
}

void CWorldEditorDoc::finishOpen()
{
    DeriveHeartPositions();
    DrawBorder();
    notifyReset();
    forEachObserver([&](DocumentObserver& o) { o.currentPlayerSuggested(PlayerId::FirstVorlan); });
    SetModifiedFlag(false);
    m_history.clear(true);
    m_named = true;
    m_opening = false;
}

void CWorldEditorDoc::DeriveHeartPositions()
{
    // Heart tiles are few: the map is searched for them, in row order, rather than visited tile by
    // tile.
    const size_t cells = std::min({cellCount(), m_terrain.size(), m_owner.size()});
    const uint8_t* const tiles = m_terrain.data();
    for (size_t i = 0; i < cells; ++i) {
        const void* found = std::memchr(tiles + i, TerrainId::DungeonHeart, cells - i);
        if (!found)
            break;
        i = size_t(static_cast<const uint8_t*>(found) - tiles);
        CPlayer* player = FindPlayer(m_owner[i]);
        if (player && !player->hasHeart())
            player->setHeartPosition({int32_t(i % m_width) + 2, int32_t(i / m_width) + 2});
    }
}

// --- map -----------------------------------------------------------------------------------------

void CWorldEditorDoc::SetMapSize(uint32_t width, uint32_t height)
{
    m_width = width;
    m_height = height;
}

void CWorldEditorDoc::AllocateMap()
{
    m_terrain.assign(cellCount(), 0);
    m_owner.assign(cellCount(), 0);
    m_visited.assign(cellCount(), 0);
    forEachObserver([&](DocumentObserver& o) { o.mapResized(m_width, m_height); });
}

void CWorldEditorDoc::restoreMap(uint32_t width, uint32_t height, std::span<const uint8_t> terrain,
                                 std::span<const uint8_t> owner)
{
    m_width = width;
    m_height = height;
    m_terrain.assign(terrain.begin(), terrain.end());
    m_owner.assign(owner.begin(), owner.end());
    m_visited.assign(cellCount(), 0);
    forEachObserver([&](DocumentObserver& o) { o.mapResized(m_width, m_height); });
    notifyTilesChanged(mapRect());
}

void CWorldEditorDoc::restoreTiles(const TileRect& rect, std::span<const uint8_t> terrain,
                                   std::span<const uint8_t> owner)
{
    const TileRect clipped = rect.intersected(mapRect());
    if (clipped.empty() || terrain.size() != m_terrain.size() || owner.size() != m_owner.size())
        return;
    for (int32_t y = clipped.top; y <= clipped.bottom; ++y) {
        const size_t first = index({clipped.left, y});
        const size_t count = size_t(clipped.right - clipped.left + 1);
        std::copy_n(terrain.begin() + ptrdiff_t(first), count, m_terrain.begin() + ptrdiff_t(first));
        std::copy_n(owner.begin() + ptrdiff_t(first), count, m_owner.begin() + ptrdiff_t(first));
    }
    notifyTilesChanged(clipped);
}

bool CWorldEditorDoc::IsInterior(TilePoint p) const
{
    return p.x > 0 && p.y > 0 && int64_t(p.x) < int64_t(m_width) - 1 && int64_t(p.y) < int64_t(m_height) - 1;
}

uint8_t CWorldEditorDoc::GetTerrain(TilePoint p) const
{
    return IsInside(p) ? m_terrain[index(p)] : 0;
}

uint8_t CWorldEditorDoc::GetOwner(TilePoint p) const
{
    return IsInside(p) ? m_owner[index(p)] : 0;
}

std::optional<uint32_t> CWorldEditorDoc::GetTerrainFlags(TilePoint p) const
{
    if (!IsInside(p))
        return std::nullopt;
    return m_types.terrainFlags(m_terrain[index(p)]);
}

CPlayer* CWorldEditorDoc::GetOwnerPlayer(TilePoint p) const
{
    return IsInside(p) ? FindPlayer(m_owner[index(p)]) : nullptr;
}

bool CWorldEditorDoc::SetTerrain(TilePoint p, uint8_t terrain)
{
    if (!IsInside(p))
        return false;
    if (!IsTileFree(p)) {
        std::optional<uint32_t> flags = m_types.terrainFlags(terrain);
        if (flags && (*flags & TerrainFlag::Solid))
            return false;
    }
    dismantleAt(p, m_terrain[index(p)]);
    if (m_terrain[index(p)] == terrain)
        return false;
    m_terrain[index(p)] = terrain;
    notifyTilesChanged(TileRect::single(p));
    SetModifiedFlag(true);
    return true;
}

void CWorldEditorDoc::dismantleAt(TilePoint p, uint8_t oldTerrain)
{
    if (TerrainId::isPortal(oldTerrain)) {
        // The portal whose centre is this tile or one of its eight neighbours.
        for (const auto& player : m_players) {
            for (const PortalEntry& portal : player->portals()) {
                if (std::abs(portal.centre.x - p.x) <= 1 && std::abs(portal.centre.y - p.y) <= 1) {
                    RemovePortal(player.get(), &portal);
                    return;
                }
            }
        }
    } else if (oldTerrain == TerrainId::DungeonHeart) {
        if (CPlayer* owner = GetOwnerPlayer(p))
            RemoveHeart(owner);
    } else if (TerrainId::isHeroGate(oldTerrain)) {
        if (FoundRoom<HeroGateEntry> gate = FindHeroGate(p))
            RemoveHeroGate(gate.player, gate.entry);
    }
}

bool CWorldEditorDoc::SetOwner(TilePoint p, uint8_t owner)
{
    if (!IsInside(p))
        return false;
    if (m_owner[index(p)] != owner) {
        m_owner[index(p)] = owner;
        notifyTilesChanged(TileRect::single(p));
        SetModifiedFlag(true);
    }
    return true;
}

void CWorldEditorDoc::StoreRun(uint32_t y, uint32_t x0, uint32_t x1, uint8_t terrain, uint8_t owner)
{
    if (y >= m_height || x0 > x1 || x0 >= m_width || m_terrain.size() < cellCount())
        return;
    x1 = std::min(x1, m_width - 1);
    const size_t first = size_t(y) * m_width + x0;
    const size_t count = size_t(x1) - x0 + 1;
    std::memset(m_terrain.data() + first, terrain, count);
    std::memset(m_owner.data() + first, owner, count);
}

void CWorldEditorDoc::StoreRow(uint32_t y, std::span<const uint8_t> terrain, std::span<const uint8_t> owner)
{
    if (y >= m_height || m_terrain.size() < cellCount())
        return;
    const size_t count = std::min({size_t(m_width), terrain.size(), owner.size()});
    const size_t first = size_t(y) * m_width;
    std::copy_n(terrain.data(), count, m_terrain.data() + first);
    std::copy_n(owner.data(), count, m_owner.data() + first);
}

bool CWorldEditorDoc::IsTileFree(TilePoint p) const
{
    return !CreatureAt(p) && !DoorAt(p) && !TrapAt(p) && !ObjectAt(p);
}

void CWorldEditorDoc::ClearOccupiedTiles(std::span<uint8_t> tileMask) const
{
    auto clear = [&](const auto& things) {
        for (const auto& t : things)
            if (IsInside(t->position()) && index(t->position()) < tileMask.size())
                tileMask[index(t->position())] = 0;
    };
    clear(m_creatures);
    clear(m_doors);
    clear(m_traps);
    clear(m_objects);
}

bool CWorldEditorDoc::CanPlaceCreature(TilePoint p) const
{
    if (!IsInterior(p))
        return false;
    std::optional<uint32_t> flags = GetTerrainFlags(p);
    return flags && !(*flags & TerrainFlag::Solid);
}

bool CWorldEditorDoc::CanPlaceDoor(TilePoint p) const
{
    if (!IsInterior(p))
        return false;
    std::optional<uint32_t> flags = GetTerrainFlags(p);
    return flags && !(*flags & TerrainFlag::Solid) && (*flags & TerrainFlag::Ownable) &&
           !(*flags & TerrainFlag::RoomFloor);
}

void CWorldEditorDoc::DrawBorder()
{
    if (m_width == 0 || m_height == 0 || m_terrain.size() < cellCount())
        return;
    auto border = [&](uint32_t x, uint32_t y) {
        TilePoint p{int32_t(x), int32_t(y)};
        m_terrain[index(p)] = TerrainId::Border;
        m_owner[index(p)] = PlayerId::Neutral;
    };
    for (uint32_t x = 0; x < m_width; ++x) {
        border(x, 0);
        border(x, m_height - 1);
    }
    for (uint32_t y = 0; y < m_height; ++y) {
        border(0, y);
        border(m_width - 1, y);
    }
    notifyTilesChanged(mapRect());
}

uint8_t CWorldEditorDoc::visited(TilePoint p) const
{
    return IsInside(p) ? m_visited[index(p)] : 0;
}

void CWorldEditorDoc::setVisited(TilePoint p, uint8_t mark)
{
    if (IsInside(p))
        m_visited[index(p)] = mark;
}

void CWorldEditorDoc::clearVisited()
{
    std::fill(m_visited.begin(), m_visited.end(), 0);
}

void CWorldEditorDoc::fillClaimedFloor(const TileRect& block, std::optional<uint8_t> owner)
{
    TileRect clipped = block.intersected(mapRect());
    for (int32_t y = clipped.top; y <= clipped.bottom; ++y) {
        for (int32_t x = clipped.left; x <= clipped.right; ++x) {
            TilePoint p{x, y};
            m_terrain[index(p)] = TerrainId::ClaimedFloor;
            if (owner)
                m_owner[index(p)] = *owner;
        }
    }
    notifyTilesChanged(clipped);
}

// --- players and alliances -----------------------------------------------------------------------

CPlayer* CWorldEditorDoc::FindPlayer(uint8_t id) const
{
    for (const auto& p : m_players)
        if (p->id() == id)
            return p.get();
    return nullptr;
}

CPlayer* CWorldEditorDoc::PlayerAt(size_t i) const
{
    return i < m_players.size() ? m_players[i].get() : nullptr;
}

uint8_t CWorldEditorDoc::lowestFreePlayerId() const
{
    for (unsigned id = 1; id <= 255; ++id)
        if (!FindPlayer(uint8_t(id)))
            return uint8_t(id);
    return 0;
}

void CWorldEditorDoc::initialisePlayer(CPlayer& player)
{
    player.creaturePool().clear();
    for (uint8_t type : m_types.poolCreatureTypes())
        player.creaturePool().push_back({type, 0});
    for (int k = 1; k <= kAvailabilityKinds; ++k) {
        AvailabilityKind kind = AvailabilityKind(k);
        player.availability(kind) = m_types.defaultAvailability(kind);
    }
    player.setBuildArea({1, 1, int32_t(m_width) - 2, int32_t(m_height) - 2});
    // A new player starts with the first personality's settings, so a level saved before anyone
    // opened the computer-player editor still gives the game a playable opponent.
    const std::vector<BuildOrderRoom> rooms = m_types.roomTypes();
    player.computerSettings().fill(0);
    setPersonality(player.computerSettings(), 0, true, rooms);
}

CPlayer* CWorldEditorDoc::CreatePlayer(const std::string& name, uint8_t id)
{
    if (id == 0 || FindPlayer(id))
        return nullptr;
    auto player = std::make_unique<CPlayer>(this, id);
    player->setName(name);
    initialisePlayer(*player);
    return AddPlayer(std::move(player));
}

CPlayer* CWorldEditorDoc::CreateNewPlayer()
{
    uint8_t id = lowestFreePlayerId();
    if (id == 0)
        return nullptr;
    return CreatePlayer(CPlayer::defaultName(id), id);
}

void CWorldEditorDoc::RenamePlayer(CPlayer& player, std::string name)
{
    if (name.size() > CPlayer::kMaxNameLength)
        name.resize(CPlayer::kMaxNameLength);
    if (name == player.name())
        return;
    player.setName(std::move(name));
    SetModifiedFlag(true);
    notifyObjectChanged(player);
}

CPlayer* CWorldEditorDoc::AddPlayer(std::unique_ptr<CPlayer> player)
{
    if (!player || player->id() == 0 || FindPlayer(player->id()))
        return nullptr;
    CPlayer* p = player.get();
    m_players.push_back(std::move(player));
    notifyAdded(*p);
    SetModifiedFlag(true);
    return p;
}

void CWorldEditorDoc::DeletePlayer(CPlayer* player)
{
    auto it =
        std::find_if(m_players.begin(), m_players.end(), [&](const auto& p) { return p.get() == player; });
    if (it == m_players.end())
        return;
    const uint8_t id = player->id();
    auto ownedAndPlaced = [&](const CLevelObject& o) { return o.isPlaced() && o.ownerId() == id; };
    for (size_t i = m_creatures.size(); i-- > 0;)
        if (i < m_creatures.size() && ownedAndPlaced(*m_creatures[i]))
            DeleteCreature(m_creatures[i].get(), true);
    for (size_t i = m_doors.size(); i-- > 0;)
        if (ownedAndPlaced(*m_doors[i]))
            DeleteDoor(m_doors[i].get(), true);
    for (size_t i = m_traps.size(); i-- > 0;)
        if (ownedAndPlaced(*m_traps[i]))
            DeleteTrap(m_traps[i].get(), true);
    for (size_t i = m_objects.size(); i-- > 0;)
        if (ownedAndPlaced(*m_objects[i]))
            DeleteObjectThing(m_objects[i].get(), true);
    deleteTriggersOf(*player, true);
    notifyRemoved(*player);
    SetModifiedFlag(true);
    RemoveAlliancesOf(id);
    RemoveHeart(player);
    std::erase_if(m_players, [&](const auto& p) { return p.get() == player; });
}

bool CWorldEditorDoc::AddAlliance(uint8_t a, uint8_t b)
{
    if (!m_alliances.add(a, b))
        return false;
    SetModifiedFlag(true);
    return true;
}

bool CWorldEditorDoc::RemoveAlliance(uint8_t a, uint8_t b)
{
    if (!m_alliances.remove(a, b))
        return false;
    SetModifiedFlag(true);
    return true;
}

void CWorldEditorDoc::RemoveAlliancesOf(uint8_t id)
{
    size_t before = m_alliances.size();
    m_alliances.removeAllOf(id);
    if (m_alliances.size() != before)
        SetModifiedFlag(true);
}

// --- level data ----------------------------------------------------------------------------------

void CWorldEditorDoc::setProperties(const LevelProperties& properties)
{
    m_properties = properties;
    SetModifiedFlag(true);
}

void CWorldEditorDoc::SetVariable(uint32_t id, double value)
{
    if (id >= VariableOverrides::kVariableCount)
        return;
    m_variables.SetVariable(id, value);
    SetModifiedFlag(true);
}

void CWorldEditorDoc::ResetVariablesFromGlobals()
{
    const VariableOverrides before = m_variables;
    m_variables.assign(m_types.globalVariables(), m_types.overridableVariableIds());
    bool changed = before.overridableIds() != m_variables.overridableIds();
    for (uint32_t id = 0; id < VariableOverrides::kVariableCount && !changed; ++id)
        changed = before.GetVariable(id) != m_variables.GetVariable(id);
    if (changed)
        SetModifiedFlag(true);
}

void CWorldEditorDoc::SetCreatureStatOverride(uint8_t type, uint32_t level, int32_t value, bool present)
{
    m_variables.SetCreatureStatOverride(type, level, value, present);
    SetModifiedFlag(true);
}

int CWorldEditorDoc::CountCreatures(CreatureCount which, bool placedOnly) const
{
    int n = 0;
    for (const auto& c : m_creatures) {
        if (placedOnly && !c->isPlaced())
            continue;
        uint8_t owner = c->ownerId();
        switch (which) {
        case CreatureCount::Good:
            n += owner == PlayerId::Good;
            break;
        case CreatureCount::NeutralAlive:
            n += owner == PlayerId::Neutral && !c->isDeadBody();
            break;
        case CreatureCount::NeutralDeadBodies:
            n += owner == PlayerId::Neutral && c->isDeadBody();
            break;
        case CreatureCount::Vorlan:
            n += owner > PlayerId::Neutral;
            break;
        }
    }
    return n;
}

} // namespace gr2
