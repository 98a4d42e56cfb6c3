#pragma once
// The records of a level's Things file, one field table per thing kind, and the packing of each
// placed object into its record. Reading the records back into a level is LevelSink's part.

#include "level/TileGeometry.h"
#include "worlddata/ByteOrder.h"
#include "worlddata/RecordLayout.h"
#include "worlddata/SectionIds.h"

#include <cstdint>

namespace gr2 {

class CActionPoint;
class CCreature;
class CDoor;
class CEffectGenerator;
class CHeroParty;
class CObjectThing;
class CTrap;
class LevelTypes;

namespace ThingField {
// Field indices of each kind's table, in table order.
enum CreatureGood : size_t {
    GX,
    GY,
    GZ,
    GGold,
    GLevel,
    GFlags1,
    GObjectiveTarget,
    GHealth,
    GTrigger,
    GObjectiveValue,
    GObjective,
    GType,
    GBehaviour,
    GParty,
    GFlags2
};
enum CreatureNeutral : size_t { NX, NY, NZ, NGold, NLevel, NFlags1, NHealth, NTrigger, NType, NBehaviour };
enum CreatureEvil : size_t { EX, EY, EZ, EGold, ELevel, EFlags1, EHealth, EExtra, ETrigger, EType, EOwner };
enum Door : size_t { DX, DY, DZ, DTrigger, DType, DOwner, DFlags };
enum Trap : size_t { TX, TY, TZ, TShots, TType, TOwner };
enum Object : size_t { OX, OY, OZ, OData1, OData2, OTrigger, OType, OOwner };
enum ActionPoint : size_t { ALeft, ATop, ARight, ABottom, AWait, AFlags, ATrigger, AId, ANext };
enum HeroParty : size_t { HName, HTrigger, HId, HMembers };
enum DeadBody : size_t { BX, BY, BZ, BHealth, BType, BLevel };
enum EffectGenerator : size_t { FX, FY, FZ, FWidth, FHeight, FEffects, FFrequency, FId };
enum Room : size_t { RX, RY, RZ, RDirection, RHealth, RTerrain, ROwner };
} // namespace ThingField

namespace ThingRecords {

/// The field table of a thing kind the level handles; none for Camera, Plinth and unknown kinds.
const RecordLayout* layout(ThingKind kind);

/// The stored type of a creature: its type's elite variant when it is elite and has one.
uint8_t storedCreatureType(const CCreature& creature, const LevelTypes& types);

Bytes packCreatureGood(const CCreature& creature, const LevelTypes& types);
Bytes packCreatureNeutral(const CCreature& creature, const LevelTypes& types);
Bytes packCreatureEvil(const CCreature& creature, const LevelTypes& types);
Bytes packDeadBody(const CCreature& creature, const LevelTypes& types);
Bytes packDoor(const CDoor& door);
Bytes packTrap(const CTrap& trap);
Bytes packObject(const CObjectThing& object);
Bytes packActionPoint(const CActionPoint& point);
Bytes packHeroParty(const CHeroParty& party, const LevelTypes& types);
Bytes packEffectGenerator(const CEffectGenerator& generator);
struct RoomRecord {
    TilePoint position;
    uint8_t direction = 0;
    uint16_t health = 100;
    uint8_t terrain = 0;
    uint8_t ownerId = 0;
};
Bytes packRoom(const RoomRecord& room);

} // namespace ThingRecords

/// Reads the fields of a flagged record through its table; a field whose presence flag is clear
/// reads as absent so the object keeps its own value.
class RecordFields {
public:
    RecordFields(const FlaggedRecord& record, const RecordLayout& layout) : m_record(record), m_layout(layout)
    {
    }

    bool has(size_t field, size_t element = 0) const
    {
        return field < m_layout.fields.size() && m_record.present(m_layout, m_layout.fields[field], element);
    }
    int64_t get(size_t field, size_t element = 0) const
    {
        return field < m_layout.fields.size() ? getIntField(m_record.bytes(), m_layout.fields[field], element)
                                              : 0;
    }
    /// Calls `apply` with the value when the field is present.
    template <class F> void read(size_t field, F&& apply, size_t element = 0) const
    {
        if (has(field, element))
            apply(get(field, element));
    }
    const FlaggedRecord& record() const { return m_record; }
    const RecordLayout& layout() const { return m_layout; }

private:
    const FlaggedRecord& m_record;
    const RecordLayout& m_layout;
};

} // namespace gr2
