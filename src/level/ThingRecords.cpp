#include "level/ThingRecords.h"

#include "level/CActionPoint.h"
#include "level/CCreature.h"
#include "level/CDoor.h"
#include "level/CEffectGenerator.h"
#include "level/CHeroParty.h"
#include "level/CObjectThing.h"
#include "level/CTrap.h"
#include "level/LevelTypes.h"

namespace gr2::ThingRecords {

namespace {

using K = FieldKind;

constexpr FieldDef kCreatureGood[] = {
    {"x", 0, 4, K::Int},
    {"y", 4, 4, K::Int},
    {"z", 8, 4, K::Int},
    {"goldHeld", 12, 2, K::UInt},
    {"level", 14, 1, K::UInt},
    {"flags1", 15, 1, K::UInt},
    {"objectiveTarget", 16, 4, K::UInt},
    {"health", 20, 4, K::UInt},
    {"firstTrigger", 24, 2, K::Int},
    {"objectiveValue", 26, 1, K::UInt},
    {"objective", 27, 1, K::UInt},
    {"type", 28, 1, K::UInt},
    {"behaviour", 29, 1, K::UInt},
    {"partyId", 30, 1, K::UInt},
    {"flags2", 31, 1, K::UInt},
};
constexpr FieldDef kCreatureNeutral[] = {
    {"x", 0, 4, K::Int},        {"y", 4, 4, K::Int},
    {"z", 8, 4, K::Int},        {"goldHeld", 12, 2, K::UInt},
    {"level", 14, 1, K::UInt},  {"flags1", 15, 1, K::UInt},
    {"health", 16, 4, K::UInt}, {"firstTrigger", 20, 2, K::Int},
    {"type", 22, 1, K::UInt},   {"behaviour", 23, 1, K::UInt},
};
constexpr FieldDef kCreatureEvil[] = {
    {"x", 0, 4, K::Int},          {"y", 4, 4, K::Int},           {"z", 8, 4, K::Int},
    {"goldHeld", 12, 2, K::UInt}, {"level", 14, 1, K::UInt},     {"flags1", 15, 1, K::UInt},
    {"health", 16, 4, K::UInt},   {"extraValue", 20, 4, K::Int}, {"firstTrigger", 24, 2, K::Int},
    {"type", 26, 1, K::UInt},     {"ownerId", 27, 1, K::UInt},
};
constexpr FieldDef kDoor[] = {
    {"x", 0, 4, K::Int},       {"y", 4, 4, K::Int},
    {"z", 8, 4, K::Int},       {"firstTrigger", 12, 2, K::Int},
    {"type", 14, 1, K::UInt},  {"ownerId", 15, 1, K::UInt},
    {"flags", 16, 1, K::UInt},
};
constexpr FieldDef kTrap[] = {
    {"x", 0, 4, K::Int},       {"y", 4, 4, K::Int},      {"z", 8, 4, K::Int},
    {"shots", 12, 1, K::UInt}, {"type", 13, 1, K::UInt}, {"ownerId", 14, 1, K::UInt},
};
constexpr FieldDef kObject[] = {
    {"x", 0, 4, K::Int},       {"y", 4, 4, K::Int},         {"z", 8, 4, K::Int},
    {"data1", 12, 4, K::UInt}, {"data2", 16, 4, K::Int},    {"firstTrigger", 20, 2, K::Int},
    {"type", 22, 1, K::UInt},  {"ownerId", 23, 1, K::UInt},
};
constexpr FieldDef kActionPoint[] = {
    {"left", 0, 4, K::Int},          {"top", 4, 4, K::Int},         {"right", 8, 4, K::Int},
    {"bottom", 12, 4, K::Int},       {"waitDelay", 16, 2, K::UInt}, {"flags", 18, 1, K::UInt},
    {"firstTrigger", 20, 2, K::Int}, {"id", 22, 1, K::UInt},        {"nextWaypoint", 23, 1, K::UInt},
};
constexpr FieldDef kHeroParty[] = {
    {"name", 0, 32, K::Text},
    {"firstTrigger", 32, 2, K::Int},
    {"id", 34, 1, K::UInt},
    {"members", 43, 32, K::Raw, 16},
};
constexpr FieldDef kDeadBody[] = {
    {"x", 0, 4, K::Int},        {"y", 4, 4, K::Int},      {"z", 8, 4, K::Int},
    {"health", 12, 1, K::UInt}, {"type", 14, 1, K::UInt}, {"level", 15, 1, K::UInt},
};
constexpr FieldDef kEffectGenerator[] = {
    {"x", 0, 4, K::Int},           {"y", 4, 4, K::Int},        {"z", 8, 4, K::Int},
    {"width", 16, 2, K::UInt},     {"height", 18, 2, K::UInt}, {"effects", 20, 2, K::UInt, 4},
    {"frequency", 28, 1, K::UInt}, {"id", 29, 1, K::UInt},
};
constexpr FieldDef kRoom[] = {
    {"x", 0, 4, K::Int},           {"y", 4, 4, K::Int},        {"z", 8, 4, K::Int},
    {"direction", 14, 1, K::UInt}, {"health", 16, 2, K::UInt}, {"terrain", 18, 1, K::UInt},
    {"ownerId", 19, 1, K::UInt},
};

const RecordLayout kLayouts[] = {
    {"Thing Object", 24, kObject},
    {"Thing Trap", 16, kTrap},
    {"Thing Door", 20, kDoor},
    {"Thing Action Point", 56, kActionPoint},
    {"Thing Creature Neutral", 24, kCreatureNeutral},
    {"Thing Creature Good", 32, kCreatureGood},
    {"Thing Creature Evil", 28, kCreatureEvil},
    {"Thing Hero Party", 555, kHeroParty},
    {"Thing Dead Body", 16, kDeadBody},
    {"Thing Effect Generator", 36, kEffectGenerator},
    {"Thing Room", 20, kRoom},
};

/// A record of the kind's size with its fields written through the table.
class Packer {
public:
    explicit Packer(ThingKind kind) : m_layout(*layout(kind)), m_bytes(m_layout.size, 0) {}
    Packer& set(size_t field, int64_t value, size_t element = 0)
    {
        setIntField(m_bytes, m_layout.fields[field], value, element);
        return *this;
    }
    Packer& position(const TilePoint& p)
    {
        // x, y and the unused z lead every positioned record.
        return set(0, p.x).set(1, p.y).set(2, 0);
    }
    Bytes take() { return std::move(m_bytes); }
    std::span<uint8_t> bytes() { return m_bytes; }

private:
    const RecordLayout& m_layout;
    Bytes m_bytes;
};

} // namespace

const RecordLayout* layout(ThingKind kind)
{
    uint32_t k = uint32_t(kind);
    if (k < uint32_t(ThingKind::Object) || k > uint32_t(ThingKind::Room))
        return nullptr;
    return &kLayouts[k - uint32_t(ThingKind::Object)];
}

uint8_t storedCreatureType(const CCreature& c, const LevelTypes& types)
{
    if (c.isElite())
        if (uint8_t variant = types.eliteVariantOf(c.type()))
            return variant;
    return c.type();
}

Bytes packCreatureGood(const CCreature& c, const LevelTypes& types)
{
    using namespace ThingField;
    Packer p(ThingKind::CreatureGood);
    p.position(c.position())
        .set(GGold, c.goldHeld())
        .set(GLevel, c.level())
        .set(GFlags1, c.flags1())
        .set(GObjectiveTarget, c.objectiveTarget())
        .set(GHealth, c.health())
        .set(GTrigger, c.firstTrigger())
        .set(GObjectiveValue, c.objectiveValue())
        .set(GObjective, c.objective() == 0 ? CCreature::kDefaultObjective : c.objective())
        .set(GType, storedCreatureType(c, types))
        .set(GBehaviour, c.behaviour())
        .set(GParty, c.partyId())
        .set(GFlags2, c.flags2());
    return p.take();
}

Bytes packCreatureNeutral(const CCreature& c, const LevelTypes& types)
{
    using namespace ThingField;
    Packer p(ThingKind::CreatureNeutral);
    p.position(c.position())
        .set(NGold, c.goldHeld())
        .set(NLevel, c.level())
        .set(NFlags1, c.flags1())
        .set(NHealth, c.health())
        .set(NTrigger, c.firstTrigger())
        .set(NType, storedCreatureType(c, types))
        .set(NBehaviour, c.behaviour());
    return p.take();
}

Bytes packCreatureEvil(const CCreature& c, const LevelTypes& types)
{
    using namespace ThingField;
    Packer p(ThingKind::CreatureEvil);
    p.position(c.position())
        .set(EGold, c.goldHeld())
        .set(ELevel, c.level())
        .set(EFlags1, c.flags1())
        .set(EHealth, c.health())
        .set(EExtra, c.extraValue())
        .set(ETrigger, c.firstTrigger())
        .set(EType, storedCreatureType(c, types))
        .set(EOwner, c.ownerId());
    return p.take();
}

Bytes packDeadBody(const CCreature& c, const LevelTypes& types)
{
    using namespace ThingField;
    Packer p(ThingKind::DeadBody);
    p.position(c.position())
        .set(BHealth, c.health())
        .set(BType, storedCreatureType(c, types))
        .set(BLevel, c.level());
    return p.take();
}

Bytes packDoor(const CDoor& d)
{
    using namespace ThingField;
    Packer p(ThingKind::Door);
    p.position(d.position())
        .set(DTrigger, d.firstTrigger())
        .set(DType, d.type())
        .set(DOwner, d.ownerId())
        .set(DFlags, d.flagByte());
    return p.take();
}

Bytes packTrap(const CTrap& t)
{
    using namespace ThingField;
    Packer p(ThingKind::Trap);
    p.position(t.position()).set(TShots, t.shots()).set(TType, t.type()).set(TOwner, t.ownerId());
    return p.take();
}

Bytes packObject(const CObjectThing& o)
{
    using namespace ThingField;
    Packer p(ThingKind::Object);
    p.position(o.position())
        .set(OData1, o.data1())
        .set(OData2, o.data2())
        .set(OTrigger, o.firstTrigger())
        .set(OType, o.type())
        .set(OOwner, o.ownerId());
    return p.take();
}

Bytes packActionPoint(const CActionPoint& a)
{
    using namespace ThingField;
    Packer p(ThingKind::ActionPoint);
    p.set(ALeft, a.area().left)
        .set(ATop, a.area().top)
        .set(ARight, a.area().right)
        .set(ABottom, a.area().bottom)
        .set(AWait, a.waitDelay())
        .set(AFlags, a.flags())
        .set(ATrigger, a.firstTrigger())
        .set(AId, a.id())
        .set(ANext, a.nextWaypoint());
    return p.take();
}

Bytes packHeroParty(const CHeroParty& party, const LevelTypes& types)
{
    using namespace ThingField;
    Packer p(ThingKind::HeroParty);
    // The name field is reserved: parties are named from their id.
    p.set(HTrigger, party.firstTrigger()).set(HId, party.id());
    const FieldDef& members = layout(ThingKind::HeroParty)->fields[HMembers];
    for (int i = 0; i < kHeroPartyMembers; ++i) {
        if (const CCreature* m = party.member(i)) {
            Bytes member = packCreatureGood(*m, types);
            std::copy(member.begin(), member.end(), p.bytes().begin() + members.elementOffset(size_t(i)));
        }
    }
    return p.take();
}

Bytes packEffectGenerator(const CEffectGenerator& g)
{
    using namespace ThingField;
    Packer p(ThingKind::EffectGenerator);
    p.position(g.position()).set(FWidth, g.width()).set(FHeight, g.height());
    for (size_t i = 0; i < 4; ++i)
        p.set(FEffects, g.effect(i), i);
    p.set(FFrequency, g.frequency()).set(FId, g.id());
    return p.take();
}

Bytes packRoom(const RoomRecord& room)
{
    using namespace ThingField;
    Packer p(ThingKind::Room);
    p.position(room.position)
        .set(RDirection, room.direction)
        .set(RHealth, room.health)
        .set(RTerrain, room.terrain)
        .set(ROwner, room.ownerId);
    return p.take();
}

} // namespace gr2::ThingRecords
