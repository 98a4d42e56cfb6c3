#include "level/LevelSink.h"

#include "level/CWorldEditorDoc.h"
#include "level/LevelDescriptionRecord.h"
#include "level/LevelTypes.h"
#include "level/PlayerRecord.h"
#include "level/ThingRecords.h"
#include "worlddata/Reporter.h"
#include "worlddata/SectionIds.h"

#include <algorithm>

namespace gr2 {

namespace {

using namespace ThingField;

const RecordLayout& layoutOf(ThingKind kind)
{
    return *ThingRecords::layout(kind);
}

TilePoint positionOf(const RecordFields& f)
{
    // x and y lead every positioned record; the z that follows is ignored.
    return {int32_t(f.get(0)), int32_t(f.get(1))};
}

/// Old levels stored some special objects as type 7 with the real kind in data 1.
uint8_t convertedObjectType(uint8_t type, uint32_t data1)
{
    if (type != 7)
        return type;
    switch (data1) {
    case 2:
        return 117;
    case 6:
        return 118;
    case 7:
        return 119;
    case 8:
        return 120;
    case 10:
        return 121;
    case 11:
        return 122;
    case 12:
        return 123;
    case 13:
        return 124;
    case 14:
        return 125;
    case 15:
        return 126;
    case 16:
        return 127;
    case 17:
        return 129;
    case 18:
        return 128;
    default:
        return type;
    }
}

/// The variables stored as 20.12 fixed point in a Variables file.
bool isFixedPointVariable(uint32_t id)
{
    return id == 67 || id == 155 || id == 158 || id == 185 || id == 220 || id == 221;
}

constexpr FieldDef kVariableFields[] = {
    {"id", 0, 4, FieldKind::UInt},
    {"a", 4, 4, FieldKind::Int},
    {"b", 8, 4, FieldKind::Int},
    {"c", 12, 4, FieldKind::Int},
};
const RecordLayout kVariableLayout{"Variable", 16, kVariableFields};

} // namespace

void LevelSink::bind(RecordSink& sink)
{
    sink.level.header = [this](const SectionInfo& i) { return levelHeader(i); };
    sink.level.description = [this](const FlaggedRecord& r) { return levelDescription(r); };
    // The part-file list and the used creatures are rebuilt by every save; reading skips them.
    sink.level.resource = [](const FlaggedRecord&) { return true; };
    sink.level.availableCreature = [](const FlaggedRecord&) { return true; };
    sink.map.header = [this](uint32_t w, uint32_t h) { return mapHeader(w, h); };
    sink.map.row = [this](uint32_t y, std::span<const uint8_t> elements) { return mapRow(y, elements); };
    sink.player.record = [this](const FlaggedRecord& r) { return player(r); };
    sink.thing.creatureNeutral = [this](const FlaggedRecord& r) { return creatureNeutral(r); };
    sink.thing.creatureGood = [this](const FlaggedRecord& r) { return creatureGood(r); };
    sink.thing.creatureEvil = [this](const FlaggedRecord& r) { return creatureEvil(r); };
    sink.thing.door = [this](const FlaggedRecord& r) { return door(r); };
    sink.thing.trap = [this](const FlaggedRecord& r) { return trap(r); };
    sink.thing.object = [this](const FlaggedRecord& r) { return object(r); };
    sink.thing.actionPoint = [this](const FlaggedRecord& r) { return actionPoint(r); };
    sink.thing.heroParty = [this](const FlaggedRecord& r) { return heroParty(r); };
    sink.thing.deadBody = [this](const FlaggedRecord& r) { return deadBody(r); };
    sink.thing.effectGenerator = [this](const FlaggedRecord& r) { return effectGenerator(r); };
    sink.thing.room = [this](const FlaggedRecord& r) { return room(r); };
    sink.thing.plinth = [this](const FlaggedRecord& r) {
        return keptThing(uint32_t(ThingKind::Plinth), r.bytes());
    };
    sink.thing.camera = [this](const FlaggedRecord& r) {
        return keptThing(uint32_t(ThingKind::Camera), r.bytes());
    };
    sink.thing.unknown = [this](uint32_t kind, std::span<const uint8_t> p) { return keptThing(kind, p); };
    sink.variable.header = [this](const SectionInfo& i) { return variableHeader(i); };
    sink.variable.record = [this](const FlaggedRecord& r) { return variable(r); };
}

// --- level, map, players -------------------------------------------------------------------------

bool LevelSink::levelHeader(const SectionInfo& info)
{
    m_doc.setVersion(fromFixed12(int32_t(info.levelVersion())));
    return true;
}

bool LevelSink::levelDescription(const FlaggedRecord& record)
{
    LevelDescriptionRecord::unpack(record, m_doc.version(), m_doc.loadedProperties(), m_reporter);
    return true;
}

bool LevelSink::mapHeader(uint32_t width, uint32_t height)
{
    if (width == 0 || height == 0 || width > CWorldEditorDoc::kMaxMapSide ||
        height > CWorldEditorDoc::kMaxMapSide)
        return false;
    m_doc.SetMapSize(width, height);
    m_doc.AllocateMap();
    return true;
}

namespace {

/// The terrain a map element is kept with: tiles of the Neutral player that old levels stored with
/// terrains the game now keeps for claimed land are turned back into their neutral counterparts.
uint8_t loadedTerrain(uint8_t terrain, uint8_t owner)
{
    if (owner != PlayerId::Neutral)
        return terrain;
    switch (terrain) {
    case 8:
        return 3;
    case 9:
        return 2;
    case 32:
        return 31;
    default:
        return terrain;
    }
}

} // namespace

bool LevelSink::mapElement(uint32_t x, uint32_t y, const FlaggedRecord& record)
{
    if (record.size() < 2)
        return true;
    const uint8_t owner = record.bytes()[1];
    if (x <= uint32_t(INT32_MAX) && y <= uint32_t(INT32_MAX))
        m_doc.StoreTile({int32_t(x), int32_t(y)}, loadedTerrain(record.bytes()[0], owner), owner);
    return true;
}

bool LevelSink::mapRow(uint32_t y, std::span<const uint8_t> elements)
{
    const size_t count = elements.size() / RecordSize::MapElement;
    m_rowTerrain.resize(count);
    m_rowOwner.resize(count);
    for (size_t x = 0; x < count; ++x) {
        const uint8_t* element = elements.data() + x * RecordSize::MapElement;
        m_rowTerrain[x] = loadedTerrain(element[0], element[1]);
        m_rowOwner[x] = element[1];
    }
    m_doc.StoreRow(y, m_rowTerrain, m_rowOwner);
    return true;
}

bool LevelSink::player(const FlaggedRecord& record)
{
    uint8_t id = PlayerRecord::storedId(record);
    if (id == 0) {
        m_reporter.message("Invalid Player ID!", Reporter::Icon::Exclamation);
        return false;
    }
    CPlayer* p = m_doc.FindPlayer(id);
    if (!p) {
        // The new player keeps the colour of the id it was created with, so players stored in
        // ascending order keep their own colours.
        p = m_doc.CreateNewPlayer();
        if (!p)
            return true;
        p->setId(id);
    }
    PlayerRecord::apply(record, *p);
    return true;
}

// --- creatures -----------------------------------------------------------------------------------

void LevelSink::applyCreatureType(CCreature& creature, uint8_t storedType) const
{
    if (std::optional<uint8_t> base = m_doc.types().eliteBaseOf(storedType)) {
        creature.setType(*base);
        creature.setElite(true);
    } else {
        creature.setType(storedType);
    }
}

bool LevelSink::oldHealthAndGold() const
{
    return m_doc.version().major() == 1;
}

uint32_t LevelSink::percentFromFile(int64_t stored, int32_t maximum) const
{
    if (stored < 0)
        return 0;
    if (!oldHealthAndGold())
        return uint32_t(std::min<int64_t>(stored, 100));
    // Version-1 levels kept absolute values; a type without a maximum gives full percent.
    if (maximum <= 0)
        return 100;
    return uint32_t(std::min<int64_t>(stored * 100 / maximum, 100));
}

void LevelSink::applyGoodFields(const RecordFields& f, CCreature& c, bool onMap)
{
    const LevelTypes& types = m_doc.types();
    f.read(GType, [&](int64_t v) { applyCreatureType(c, uint8_t(v)); });
    f.read(GGold, [&](int64_t v) { c.setGoldHeld(percentFromFile(v, types.creatureMaxGold(c.type()))); });
    f.read(GLevel, [&](int64_t v) { c.setLevel(uint8_t(v)); });
    f.read(GFlags1, [&](int64_t v) { c.setFlags1(uint8_t(v)); });
    f.read(GObjectiveTarget, [&](int64_t v) { c.setObjectiveTarget(uint8_t(v)); });
    f.read(GHealth, [&](int64_t v) { c.setHealth(percentFromFile(v, types.creatureMaxHealth(c.type()))); });
    f.read(GTrigger, [&](int64_t v) { c.setFirstTrigger(int16_t(v)); });
    f.read(GObjectiveValue, [&](int64_t v) { c.setObjectiveValue(uint8_t(v)); });
    f.read(GObjective, [&](int64_t v) {
        if (v == 0) {
            c.setObjective(CCreature::kDefaultObjective);
            c.setObjectiveTarget(3);
        } else {
            c.setObjective(uint8_t(v));
        }
    });
    f.read(GBehaviour, [&](int64_t v) { c.setBehaviour(uint8_t(v)); });
    f.read(GFlags2, [&](int64_t v) { c.setFlags2(uint8_t(v)); });
    const LevelVersion& version = m_doc.version();
    if (version.major() < 3 && version.minor() < 50)
        c.setFlag1(CreatureFlag1::ReturnToHeroLair, false);
    if (onMap) {
        // Leadership only means something inside a party, and a creature on the map is in none:
        // a stored party id would make it look like a member of a party that does not hold it.
        c.setFlag1(CreatureFlag1::Leader, false);
        c.setFlag1(CreatureFlag1::Follower, false);
        c.setPartyId(kNoParty);
    }
}

bool LevelSink::creatureGood(const FlaggedRecord& record)
{
    RecordFields f(record, layoutOf(ThingKind::CreatureGood));
    CCreature* c = m_doc.CreateCreature(uint8_t(f.get(GType)), PlayerId::Good, positionOf(f), false);
    if (c)
        applyGoodFields(f, *c, true);
    return true;
}

bool LevelSink::creatureNeutral(const FlaggedRecord& record)
{
    RecordFields f(record, layoutOf(ThingKind::CreatureNeutral));
    CCreature* c = m_doc.CreateCreature(uint8_t(f.get(NType)), PlayerId::Neutral, positionOf(f), false);
    if (!c)
        return true;
    const LevelTypes& types = m_doc.types();
    f.read(NType, [&](int64_t v) { applyCreatureType(*c, uint8_t(v)); });
    f.read(NGold, [&](int64_t v) { c->setGoldHeld(percentFromFile(v, types.creatureMaxGold(c->type()))); });
    f.read(NLevel, [&](int64_t v) { c->setLevel(uint8_t(v)); });
    f.read(NFlags1, [&](int64_t v) { c->setFlags1(uint8_t(v)); });
    f.read(NHealth, [&](int64_t v) { c->setHealth(percentFromFile(v, types.creatureMaxHealth(c->type()))); });
    f.read(NTrigger, [&](int64_t v) { c->setFirstTrigger(int16_t(v)); });
    f.read(NBehaviour, [&](int64_t v) { c->setBehaviour(uint8_t(v)); });
    return true;
}

bool LevelSink::creatureEvil(const FlaggedRecord& record)
{
    RecordFields f(record, layoutOf(ThingKind::CreatureEvil));
    CCreature* c = m_doc.CreateCreature(uint8_t(f.get(EType)), uint8_t(f.get(EOwner)), positionOf(f), false);
    if (!c)
        return true;
    const LevelTypes& types = m_doc.types();
    f.read(EType, [&](int64_t v) { applyCreatureType(*c, uint8_t(v)); });
    f.read(EGold, [&](int64_t v) { c->setGoldHeld(percentFromFile(v, types.creatureMaxGold(c->type()))); });
    f.read(ELevel, [&](int64_t v) { c->setLevel(uint8_t(v)); });
    f.read(EFlags1, [&](int64_t v) { c->setFlags1(uint8_t(v)); });
    f.read(EHealth, [&](int64_t v) { c->setHealth(percentFromFile(v, types.creatureMaxHealth(c->type()))); });
    f.read(EExtra, [&](int64_t v) { c->setExtraValue(int32_t(v)); });
    f.read(ETrigger, [&](int64_t v) { c->setFirstTrigger(int16_t(v)); });
    return true;
}

bool LevelSink::deadBody(const FlaggedRecord& record)
{
    RecordFields f(record, layoutOf(ThingKind::DeadBody));
    CCreature* c = m_doc.CreateCreature(uint8_t(f.get(BType)), PlayerId::Neutral, positionOf(f), false);
    if (!c)
        return true;
    c->setDeadBody(true);
    c->setPartyId(kNoParty);
    f.read(BType, [&](int64_t v) { applyCreatureType(*c, uint8_t(v)); });
    f.read(BHealth,
           [&](int64_t v) { c->setHealth(percentFromFile(v, m_doc.types().creatureMaxHealth(c->type()))); });
    f.read(BLevel, [&](int64_t v) { c->setLevel(uint8_t(v)); });
    return true;
}

// --- doors, traps, objects -----------------------------------------------------------------------

bool LevelSink::door(const FlaggedRecord& record)
{
    RecordFields f(record, layoutOf(ThingKind::Door));
    CDoor* d = m_doc.CreateDoor(uint8_t(f.get(DType)), uint8_t(f.get(DOwner)), positionOf(f));
    if (!d)
        return true;
    f.read(DTrigger, [&](int64_t v) { d->setFirstTrigger(int16_t(v)); });
    f.read(DFlags, [&](int64_t v) { d->setFlagByte(uint8_t(v)); });
    return true;
}

bool LevelSink::trap(const FlaggedRecord& record)
{
    RecordFields f(record, layoutOf(ThingKind::Trap));
    CTrap* t = m_doc.CreateTrap(uint8_t(f.get(TType)), uint8_t(f.get(TOwner)), positionOf(f));
    if (!t)
        return true;
    f.read(TShots, [&](int64_t v) { t->setShots(uint8_t(v)); });
    return true;
}

bool LevelSink::object(const FlaggedRecord& record)
{
    RecordFields f(record, layoutOf(ThingKind::Object));
    const uint32_t data1 = uint32_t(f.get(OData1));
    CObjectThing* o =
        m_doc.CreateObjectThing(convertedObjectType(uint8_t(f.get(OType)), data1), positionOf(f));
    if (!o)
        return true;
    f.read(OOwner, [&](int64_t v) { o->setOwnerById(uint8_t(v)); });
    f.read(OData1, [&](int64_t v) { o->setData1(uint8_t(v)); });
    f.read(OData2, [&](int64_t v) { o->setData2(int32_t(v)); });
    f.read(OTrigger, [&](int64_t v) { o->setFirstTrigger(int16_t(v)); });
    return true;
}

// --- action points, parties, generators, rooms ---------------------------------------------------

bool LevelSink::actionPoint(const FlaggedRecord& record)
{
    RecordFields f(record, layoutOf(ThingKind::ActionPoint));
    TileRect area{int32_t(f.get(ALeft)), int32_t(f.get(ATop)), int32_t(f.get(ARight)),
                  int32_t(f.get(ABottom))};
    CActionPoint* a = m_doc.AddActionPoint(area);
    if (!a)
        return true;
    f.read(AId, [&](int64_t v) { a->setId(uint8_t(v)); });
    f.read(ANext, [&](int64_t v) { a->setNextWaypoint(uint8_t(v)); });
    f.read(AWait, [&](int64_t v) { a->setWaitDelay(uint16_t(v)); });
    f.read(AFlags, [&](int64_t v) { a->setFlags(uint8_t(v)); });
    f.read(ATrigger, [&](int64_t v) { a->setFirstTrigger(int16_t(v)); });
    const LevelVersion& version = m_doc.version();
    if (version.major() <= 2 && version.minor() < 40)
        a->setFlag(ActionPointFlag::HeroLair, false);
    return true;
}

bool LevelSink::heroParty(const FlaggedRecord& record)
{
    const RecordLayout& layout = layoutOf(ThingKind::HeroParty);
    RecordFields f(record, layout);
    auto party = std::make_unique<CHeroParty>(&m_doc, uint8_t(f.get(HId)));
    f.read(HTrigger, [&](int64_t v) { party->setFirstTrigger(int16_t(v)); });
    const FieldDef& members = layout.fields[HMembers];
    const RecordLayout& good = layoutOf(ThingKind::CreatureGood);
    for (size_t i = 0; i < members.count; ++i) {
        size_t at = members.elementOffset(i);
        if (!f.has(HMembers, i) || at + members.width > record.size())
            continue;
        std::span<const uint8_t> bytes = record.bytes().subspan(at, members.width);
        if (std::all_of(bytes.begin(), bytes.end(), [](uint8_t b) { return b == 0; }))
            continue;
        FlaggedRecord memberRecord(bytes);
        RecordFields mf(memberRecord, good);
        auto member = std::make_unique<CCreature>(&m_doc, uint8_t(mf.get(GType)));
        member->setOwnerById(PlayerId::Good);
        member->setPlaced(false);
        member->setPosition(positionOf(mf));
        applyGoodFields(mf, *member, false);
        party->addMember(member);
    }
    m_doc.AddHeroParty(std::move(party));
    return true;
}

bool LevelSink::effectGenerator(const FlaggedRecord& record)
{
    RecordFields f(record, layoutOf(ThingKind::EffectGenerator));
    CEffectGenerator* g = m_doc.AddEffectGenerator(positionOf(f));
    if (!g)
        return true;
    f.read(FId, [&](int64_t v) { g->setId(uint8_t(v)); });
    g->setExtent(uint16_t(f.get(FWidth)), uint16_t(f.get(FHeight)));
    g->clampExtent(m_doc.width(), m_doc.height());
    for (size_t i = 0; i < 4; ++i)
        f.read(
            FEffects, [&](int64_t v) { g->setEffect(i, uint16_t(v)); }, i);
    f.read(FFrequency, [&](int64_t v) { g->setFrequency(uint8_t(v)); });
    return true;
}

bool LevelSink::room(const FlaggedRecord& record)
{
    RecordFields f(record, layoutOf(ThingKind::Room));
    const TilePoint at = positionOf(f);
    const uint8_t terrain = uint8_t(f.get(RTerrain));
    // A room whose tile no longer shows it was painted over; its record is stale.
    if (!m_doc.IsInside(at) || m_doc.GetTerrain(at) != terrain)
        return true;
    const uint8_t ownerId = uint8_t(f.get(ROwner));
    CPlayer* owner = m_doc.FindPlayer(ownerId);
    if (!owner)
        return true;
    const uint16_t health = uint16_t(f.get(RHealth));
    if (TerrainId::isPortal(terrain)) {
        PortalEntry portal;
        portal.centre = at;
        portal.terrain = terrain;
        portal.health = m_doc.version().major() == 1 ? 100 : health;
        m_doc.AddPortal(ownerId, portal);
    } else if (terrain == TerrainId::DungeonHeart) {
        owner->setHeartPosition(at);
        owner->setHeartHealth(int16_t(health));
    } else if (TerrainId::isHeroGate(terrain)) {
        HeroGateEntry gate;
        gate.reference = at;
        gate.direction = uint8_t(f.get(RDirection));
        gate.health = health;
        gate.terrain = terrain;
        m_doc.AddHeroGate(ownerId, gate);
    }
    return true;
}

bool LevelSink::keptThing(uint32_t kind, std::span<const uint8_t> record)
{
    m_doc.keepThingItem(kind, record);
    return true;
}

// --- variables -----------------------------------------------------------------------------------

bool LevelSink::variableHeader(const SectionInfo&)
{
    const LevelTypes& types = m_doc.types();
    VariableOverrides& vars = m_doc.loadedVariables();
    if (vars.hasValues())
        vars.assignOverridableIds(types.overridableVariableIds());
    else
        vars.assign(types.globalVariables(), types.overridableVariableIds());
    return true;
}

bool LevelSink::variable(const FlaggedRecord& record)
{
    if (record.size() < kVariableLayout.size)
        return true;
    std::span<const uint8_t> r = record.bytes();
    const uint32_t id = uint32_t(getIntField(r, kVariableFields[0]));
    const int32_t a = int32_t(getIntField(r, kVariableFields[1]));
    const int32_t b = int32_t(getIntField(r, kVariableFields[2]));
    const int32_t c = int32_t(getIntField(r, kVariableFields[3]));
    const LevelTypes& types = m_doc.types();
    const LevelVersion& version = m_doc.version();

    switch (id) {
    case 1: {
        const uint8_t type = uint8_t(a);
        if (!types.creatureTypeExists(type))
            return true;
        // Old levels kept one pool for all Vorlans.
        const bool everyVorlan = version.major() <= 2 && version.minor() <= 30;
        for (size_t i = 0; i < m_doc.PlayerCount(); ++i) {
            CPlayer* p = m_doc.PlayerAt(i);
            if (p->isVorlan() && (everyVorlan || p->id() == uint32_t(c)))
                p->setPoolCount(type, b);
        }
        return true;
    }
    case 2: {
        const uint32_t kind = uint32_t(a) & 0xFFFF;
        CPlayer* p = m_doc.FindPlayer(uint8_t(uint32_t(a) >> 16));
        if (p && kind >= 1 && kind <= kAvailabilityKinds)
            p->setAvailabilityState(AvailabilityKind(kind), uint8_t(b), c == 4 ? 1 : uint32_t(c));
        return true;
    }
    case 66:
        if (a > 0 && a <= 255 && b > 0 && b <= 255)
            m_doc.AddAlliance(uint8_t(a), uint8_t(b));
        return true;
    case 77:
        if (types.creatureTypeExists(uint8_t(a)) && a >= 0 && a <= 255 && b >= 0 && b < 32)
            m_doc.loadedVariables().SetCreatureStatOverride(uint8_t(a), uint32_t(b), c, true);
        return true;
    case 241:
        m_doc.loadedProperties().rating = fromFixed12(a);
        return true;
    case 242:
        m_doc.loadedProperties().averageTime = a;
        return true;
    default:
        if (m_doc.IsOverridableVariable(id))
            m_doc.loadedVariables().SetVariable(id, isFixedPointVariable(id) ? fromFixed12(a) : double(a));
        return true;
    }
}

} // namespace gr2
