// The thing, hero-party, special-room and picking operations of CWorldEditorDoc.

#include "level/CWorldEditorDoc.h"

#include "level/DocumentObserver.h"
#include "level/LevelTypes.h"
#include "level/ScriptHooks.h"

#include <algorithm>

namespace gr2 {

namespace {

template <class T> T* firstAt(const std::vector<std::unique_ptr<T>>& list, TilePoint p)
{
    for (const auto& t : list)
        if (t->position() == p)
            return t.get();
    return nullptr;
}

template <class T> bool eraseOwned(std::vector<std::unique_ptr<T>>& list, const T* item)
{
    auto it = std::find_if(list.begin(), list.end(), [&](const auto& t) { return t.get() == item; });
    if (it == list.end())
        return false;
    list.erase(it);
    return true;
}

template <class T> bool owns(const std::vector<std::unique_ptr<T>>& list, const T* item)
{
    return item && std::any_of(list.begin(), list.end(), [&](const auto& t) { return t.get() == item; });
}

} // namespace

void CWorldEditorDoc::deleteTriggersOf(CLevelObject& object, bool withTriggers)
{
    if (withTriggers && m_hooks && object.firstTrigger() != 0)
        m_hooks->deleteTriggerChain(object);
}

void CWorldEditorDoc::forgetCreature(const CCreature* creature)
{
    std::erase(m_picked, creature);
    for (const auto& p : m_players)
        if (p->forcedFirstPerson() == creature)
            p->setForcedFirstPerson(nullptr);
}

// --- creation ------------------------------------------------------------------------------------

CCreature* CWorldEditorDoc::CreateCreature(uint8_t type, uint8_t ownerId, TilePoint p, bool addToTree)
{
    if (!IsInside(p))
        return nullptr;
    auto creature = std::make_unique<CCreature>(this, type);
    creature->setOwnerById(ownerId);
    creature->setPosition(p);
    CCreature* c = creature.get();
    m_creatures.push_back(std::move(creature));
    if (m_pickingForAction != 0) {
        // A preview: the prompt lists it until the picking ends, the script tree does not.
        c->setPlaced(false);
        m_picked.push_back(c);
    } else if (addToTree) {
        notifyAdded(*c);
    }
    notifyTilesChanged(TileRect::single(p));
    SetModifiedFlag(true);
    return c;
}

CDoor* CWorldEditorDoc::CreateDoor(uint8_t type, uint8_t ownerId, TilePoint p)
{
    if (!IsInside(p))
        return nullptr;
    auto door = std::make_unique<CDoor>(this, type);
    door->setOwnerById(ownerId);
    door->setPosition(p);
    CDoor* d = door.get();
    m_doors.push_back(std::move(door));
    notifyAdded(*d);
    notifyTilesChanged(TileRect::single(p));
    SetModifiedFlag(true);
    return d;
}

CTrap* CWorldEditorDoc::CreateTrap(uint8_t type, uint8_t ownerId, TilePoint p)
{
    if (!IsInside(p))
        return nullptr;
    auto trap = std::make_unique<CTrap>(this, type);
    trap->setOwnerById(ownerId);
    trap->setPosition(p);
    trap->setShots(m_types.trapDefaultShots(type));
    CTrap* t = trap.get();
    m_traps.push_back(std::move(trap));
    notifyAdded(*t);
    notifyTilesChanged(TileRect::single(p));
    SetModifiedFlag(true);
    return t;
}

CObjectThing* CWorldEditorDoc::CreateObjectThing(uint8_t type, TilePoint p)
{
    if (!IsInside(p))
        return nullptr;
    // A small gold pile dropped on a treasury tile is stored as the treasury's gold.
    if (type == 2 && GetTerrain(p) == TerrainId::Treasury)
        type = 1;
    auto object = std::make_unique<CObjectThing>(this, type);
    object->setOwnerById(type == 130 ? PlayerId::FirstVorlan : PlayerId::Neutral);
    object->setPosition(p);
    object->setData2(50);
    CObjectThing* o = object.get();
    m_objects.push_back(std::move(object));
    notifyAdded(*o);
    notifyTilesChanged(TileRect::single(p));
    SetModifiedFlag(true);
    return o;
}

// --- deletion ------------------------------------------------------------------------------------

void CWorldEditorDoc::DeleteCreature(CCreature* creature, bool withTriggers)
{
    if (!creature)
        return;
    // Membership is decided by the parties themselves, not by the party id a creature carries,
    // so a stray id can never leave a creature that belongs nowhere.
    if (CHeroParty* party = PartyOf(creature)) {
        deleteTriggersOf(*creature, withTriggers);
        notifyRemoved(*creature);
        forgetCreature(creature);
        std::unique_ptr<CCreature> gone = party->takeMember(creature);
        if (party != m_newParty.get())
            notifyObjectChanged(*party);
        SetModifiedFlag(true);
        return;
    }
    if (!owns(m_creatures, creature))
        return;
    deleteTriggersOf(*creature, withTriggers);
    TilePoint p = creature->position();
    notifyRemoved(*creature);
    forgetCreature(creature);
    eraseOwned(m_creatures, creature);
    notifyTilesChanged(TileRect::single(p));
    SetModifiedFlag(true);
}

void CWorldEditorDoc::DeleteDoor(CDoor* door, bool withTriggers)
{
    if (!owns(m_doors, door))
        return;
    deleteTriggersOf(*door, withTriggers);
    TilePoint p = door->position();
    notifyRemoved(*door);
    eraseOwned(m_doors, door);
    notifyTilesChanged(TileRect::single(p));
    SetModifiedFlag(true);
}

void CWorldEditorDoc::DeleteTrap(CTrap* trap, bool withTriggers)
{
    if (!owns(m_traps, trap))
        return;
    deleteTriggersOf(*trap, withTriggers);
    TilePoint p = trap->position();
    notifyRemoved(*trap);
    eraseOwned(m_traps, trap);
    notifyTilesChanged(TileRect::single(p));
    SetModifiedFlag(true);
}

void CWorldEditorDoc::DeleteObjectThing(CObjectThing* object, bool withTriggers)
{
    if (!owns(m_objects, object))
        return;
    deleteTriggersOf(*object, withTriggers);
    TilePoint p = object->position();
    notifyRemoved(*object);
    eraseOwned(m_objects, object);
    notifyTilesChanged(TileRect::single(p));
    SetModifiedFlag(true);
}

// --- action points, hero parties, effect generators ----------------------------------------------

CActionPoint* CWorldEditorDoc::AddActionPoint(const TileRect& area)
{
    uint8_t id = 0;
    for (unsigned candidate = 1; candidate <= CActionPoint::kMaxId && id == 0; ++candidate)
        if (!FindActionPoint(uint8_t(candidate)))
            id = uint8_t(candidate);
    if (id == 0)
        return nullptr; // id 0 names no action point; an 81st point is refused
    auto point = std::make_unique<CActionPoint>(this, id);
    point->setArea(area);
    point->setPosition({area.left, area.top});
    CActionPoint* a = point.get();
    m_actionPoints.push_back(std::move(point));
    notifyAdded(*a);
    SetModifiedFlag(true);
    return a;
}

void CWorldEditorDoc::DeleteActionPoint(CActionPoint* point, bool withTriggers)
{
    if (!owns(m_actionPoints, point))
        return;
    deleteTriggersOf(*point, withTriggers);
    notifyRemoved(*point);
    const uint8_t id = point->id();
    // A point that led to itself must not hand its own id on to the points that led to it.
    const uint8_t next = point->nextWaypoint() == id ? 0 : point->nextWaypoint();
    for (const auto& other : m_actionPoints)
        if (other.get() != point && other->nextWaypoint() == id)
            other->setNextWaypoint(next);
    eraseOwned(m_actionPoints, point);
    notifyWaypointsChanged();
    SetModifiedFlag(true);
}

CHeroParty* CWorldEditorDoc::AddHeroParty(std::unique_ptr<CHeroParty> party)
{
    if (!party)
        return nullptr;
    size_t slot = party->id();
    if (slot >= m_parties.size() || m_parties[slot]) {
        auto free = std::find_if(m_parties.begin(), m_parties.end(), [](const auto& p) { return !p; });
        if (free == m_parties.end())
            return nullptr;
        slot = size_t(free - m_parties.begin());
    }
    party->setId(uint8_t(slot));
    m_parties[slot] = std::move(party);
    CHeroParty* p = m_parties[slot].get();
    notifyAdded(*p);
    SetModifiedFlag(true);
    return p;
}

void CWorldEditorDoc::DeleteHeroParty(CHeroParty* party, bool withTriggers)
{
    auto it = std::find_if(m_parties.begin(), m_parties.end(),
                           [&](const auto& p) { return p && p.get() == party; });
    if (it == m_parties.end())
        return;
    deleteTriggersOf(*party, withTriggers);
    for (int i = 0; i < kHeroPartyMembers; ++i) {
        if (CCreature* member = party->member(i)) {
            deleteTriggersOf(*member, withTriggers);
            notifyRemoved(*member);
            forgetCreature(member);
        }
    }
    notifyRemoved(*party);
    if (m_partyGettingMembers == party)
        m_partyGettingMembers = nullptr;
    it->reset();
    SetModifiedFlag(true);
}

CEffectGenerator* CWorldEditorDoc::AddEffectGenerator(TilePoint p)
{
    if (!IsInside(p))
        return nullptr;
    uint8_t id = 0;
    for (unsigned candidate = 1; candidate <= 255 && id == 0; ++candidate)
        if (!FindEffectGenerator(uint8_t(candidate)))
            id = uint8_t(candidate);
    if (id == 0)
        return nullptr;
    auto generator = std::make_unique<CEffectGenerator>(this, id);
    generator->setPosition(p);
    CEffectGenerator* g = generator.get();
    m_effectGenerators.push_back(std::move(generator));
    notifyAdded(*g);
    SetModifiedFlag(true);
    return g;
}

void CWorldEditorDoc::DeleteEffectGenerator(CEffectGenerator* generator)
{
    if (!owns(m_effectGenerators, generator))
        return;
    notifyRemoved(*generator);
    eraseOwned(m_effectGenerators, generator);
    SetModifiedFlag(true);
}

// --- lookups -------------------------------------------------------------------------------------

CCreature* CWorldEditorDoc::CreatureAt(TilePoint p) const
{
    return firstAt(m_creatures, p);
}
CDoor* CWorldEditorDoc::DoorAt(TilePoint p) const
{
    return firstAt(m_doors, p);
}
CTrap* CWorldEditorDoc::TrapAt(TilePoint p) const
{
    return firstAt(m_traps, p);
}
CObjectThing* CWorldEditorDoc::ObjectAt(TilePoint p) const
{
    return firstAt(m_objects, p);
}

CCreature* CWorldEditorDoc::CreatureToPick(TilePoint p) const
{
    CCreature* first = nullptr;
    for (const auto& c : m_creatures) {
        if (c->position() != p)
            continue;
        if (c->isPlaced())
            return c.get();
        if (!first)
            first = c.get();
    }
    return first;
}

CActionPoint* CWorldEditorDoc::FindActionPoint(uint8_t id) const
{
    for (const auto& a : m_actionPoints)
        if (a->id() == id)
            return a.get();
    return nullptr;
}

CEffectGenerator* CWorldEditorDoc::FindEffectGenerator(uint8_t id) const
{
    for (const auto& g : m_effectGenerators)
        if (g->id() == id)
            return g.get();
    return nullptr;
}

CHeroParty* CWorldEditorDoc::HeroPartyAt(size_t slot) const
{
    return slot < m_parties.size() ? m_parties[slot].get() : nullptr;
}

CHeroParty* CWorldEditorDoc::PartyOf(const CCreature* creature) const
{
    if (!creature)
        return nullptr;
    for (const auto& p : m_parties)
        if (p && p->slotOf(creature) >= 0)
            return p.get();
    if (m_newParty && m_newParty->slotOf(creature) >= 0)
        return m_newParty.get();
    return nullptr;
}

void CWorldEditorDoc::ResetProperties(CCreature* creature, uint32_t mask)
{
    if (!creature)
        return;
    creature->resetProperties(mask);
    notifyObjectChanged(*creature);
    SetModifiedFlag(true);
}

void CWorldEditorDoc::ResetAllCreatureProperties(uint32_t mask)
{
    for (const auto& c : m_creatures)
        ResetProperties(c.get(), mask);
    for (const auto& p : m_parties)
        if (p)
            for (int i = 0; i < kHeroPartyMembers; ++i)
                ResetProperties(p->member(i), mask);
}

// --- special rooms -------------------------------------------------------------------------------

FoundRoom<PortalEntry> CWorldEditorDoc::FindPortal(TilePoint p) const
{
    for (const auto& player : m_players)
        for (PortalEntry& portal : player->portals())
            if (portalFootprint(portal.centre).contains(p))
                return {player.get(), &portal};
    return {};
}

FoundRoom<HeroGateEntry> CWorldEditorDoc::FindHeroGate(TilePoint p) const
{
    for (const auto& player : m_players)
        for (HeroGateEntry& gate : player->heroGates())
            if (heroGateFootprint(gate).contains(p))
                return {player.get(), &gate};
    return {};
}

PortalEntry* CWorldEditorDoc::AddPortal(uint8_t ownerId, const PortalEntry& portal)
{
    CPlayer* player = FindPlayer(ownerId);
    if (!player)
        return nullptr;
    player->portals().push_back(portal);
    player->portals().back().ownerId = ownerId;
    SetModifiedFlag(true);
    return &player->portals().back();
}

HeroGateEntry* CWorldEditorDoc::AddHeroGate(uint8_t ownerId, const HeroGateEntry& gate)
{
    CPlayer* player = FindPlayer(ownerId);
    if (!player)
        return nullptr;
    player->heroGates().push_back(gate);
    player->heroGates().back().ownerId = ownerId;
    SetModifiedFlag(true);
    return &player->heroGates().back();
}

void CWorldEditorDoc::RemovePortal(CPlayer* player, const PortalEntry* portal)
{
    if (!player || !portal)
        return;
    auto& list = player->portals();
    auto it = std::find_if(list.begin(), list.end(), [&](const PortalEntry& e) { return &e == portal; });
    if (it == list.end())
        return;
    const TilePoint centre = it->centre;
    const uint8_t owner = IsInside(centre) ? GetOwner(centre) : it->ownerId;
    list.erase(it);
    fillClaimedFloor(portalFootprint(centre), owner);
    SetModifiedFlag(true);
}

void CWorldEditorDoc::RemoveHeroGate(CPlayer* player, const HeroGateEntry* gate)
{
    if (!player || !gate)
        return;
    auto& list = player->heroGates();
    auto it = std::find_if(list.begin(), list.end(), [&](const HeroGateEntry& e) { return &e == gate; });
    if (it == list.end())
        return;
    const TileRect block = heroGateFootprint(*it);
    list.erase(it);
    fillClaimedFloor(block, std::nullopt);
    SetModifiedFlag(true);
}

void CWorldEditorDoc::RemoveHeart(CPlayer* player)
{
    if (!player || !player->hasHeart())
        return;
    const TilePoint heart = player->heartPosition();
    const uint8_t owner = IsInside(heart) ? GetOwner(heart) : player->id();
    fillClaimedFloor(heartFootprint(heart), owner);
    DrawBorder();
    if (player->cameraStart() == heart)
        player->setCameraStart({});
    player->setHeartPosition({});
    notifyObjectChanged(*player);
    SetModifiedFlag(true);
}

namespace {

/// Gives the tiles of a block a new owner, clipped to the map; answers the clipped block.
template <class Doc> void ownBlock(Doc& doc, const TileRect& block, uint8_t ownerId)
{
    for (int32_t y = block.top; y <= block.bottom; ++y)
        for (int32_t x = block.left; x <= block.right; ++x)
            doc.SetOwner({x, y}, ownerId);
}

/// Moves a room entry into the list of the player that now owns it.
template <class Entry> void moveEntry(std::vector<Entry>& from, Entry* entry, std::vector<Entry>& to)
{
    if (&from == &to)
        return;
    auto it = std::find_if(from.begin(), from.end(), [&](const Entry& e) { return &e == entry; });
    if (it == from.end())
        return;
    to.push_back(*it);
    from.erase(it);
}

} // namespace

void CWorldEditorDoc::SetPortalOwner(TilePoint p, uint8_t ownerId)
{
    FoundRoom<PortalEntry> found = FindPortal(p);
    if (!found)
        return;
    ownBlock(*this, portalFootprint(found.entry->centre), ownerId);
    // The portal's record is written with its player; it follows the tiles to the new owner.
    found.entry->ownerId = ownerId;
    if (CPlayer* newOwner = FindPlayer(ownerId))
        moveEntry(found.player->portals(), found.entry, newOwner->portals());
    SetModifiedFlag(true);
}

void CWorldEditorDoc::SetHeroGateOwner(TilePoint p, uint8_t ownerId)
{
    FoundRoom<HeroGateEntry> found = FindHeroGate(p);
    if (!found)
        return;
    // The whole footprint: for the long and narrow gates a 2 × 2 block from the reference tile
    // would miss gate tiles and take tiles that are not part of the gate.
    ownBlock(*this, heroGateFootprint(*found.entry), ownerId);
    found.entry->ownerId = ownerId;
    if (CPlayer* newOwner = FindPlayer(ownerId))
        moveEntry(found.player->heroGates(), found.entry, newOwner->heroGates());
    SetModifiedFlag(true);
}

// --- picking creatures for an action -------------------------------------------------------------

void CWorldEditorDoc::BeginCreatureActionPicking(int16_t actionId)
{
    m_pickingForAction = actionId;
    m_picked.clear();
}

void CWorldEditorDoc::FinishCreatureActionPicking(bool cancelled)
{
    const int16_t action = m_pickingForAction;
    std::vector<CCreature*> picked = std::move(m_picked);
    m_picked.clear();
    m_pickingForAction = 0;
    if (picked.empty())
        return;
    bool linked = !cancelled && m_hooks && m_hooks->createCreatureActions(action, picked);
    if (!linked)
        for (CCreature* c : picked)
            DeleteCreature(c, false);
    SetModifiedFlag(true);
}

// --- building a hero party -----------------------------------------------------------------------

void CWorldEditorDoc::BeginNewHeroParty()
{
    m_newParty = std::make_unique<CHeroParty>(this, kNoParty);
    m_partyGettingMembers = nullptr;
}

void CWorldEditorDoc::BeginAddingMembers(CHeroParty* party)
{
    m_newParty.reset();
    m_partyGettingMembers =
        std::any_of(m_parties.begin(), m_parties.end(), [&](const auto& p) { return p && p.get() == party; })
            ? party
            : nullptr;
}

CHeroParty* CWorldEditorDoc::heroPartyBeingBuilt() const
{
    return m_newParty ? m_newParty.get() : m_partyGettingMembers;
}

CCreature* CWorldEditorDoc::AddPickedMember(uint8_t creatureType)
{
    CHeroParty* party = heroPartyBeingBuilt();
    if (!party || party->isFull())
        return nullptr;
    auto creature = std::make_unique<CCreature>(this, creatureType);
    creature->setOwnerById(PlayerId::Good);
    CCreature* c = creature.get();
    if (party->addMember(creature) < 0)
        return nullptr;
    if (party == m_partyGettingMembers)
        notifyObjectChanged(*party);
    SetModifiedFlag(true);
    return c;
}

CHeroParty* CWorldEditorDoc::FinishHeroPartyBuild()
{
    if (m_newParty) {
        std::unique_ptr<CHeroParty> party = std::move(m_newParty);
        if (party->memberCount() == 0)
            return nullptr;
        return AddHeroParty(std::move(party));
    }
    CHeroParty* party = m_partyGettingMembers;
    m_partyGettingMembers = nullptr;
    return party;
}

// --- things kept as read -------------------------------------------------------------------------

void CWorldEditorDoc::keepThingItem(uint32_t kind, std::span<const uint8_t> record)
{
    m_keptThings.push_back({kind, Bytes(record.begin(), record.end())});
}

} // namespace gr2
