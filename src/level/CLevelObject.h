#pragma once
// The common base of everything a level holds besides its tiles: players, placed things, action
// points, hero parties, effect generators (and later triggers and actions). It carries what a
// trigger needs to be attached to an object: a position, an owner and the first trigger id.

#include "level/LevelObjectStorage.h"
#include "level/TileGeometry.h"

#include <cstddef>
#include <cstdint>

namespace gr2 {

class CPlayer;
class CWorldEditorDoc;

enum class ObjectKind : uint8_t {
    EffectGenerator = 0,
    Player = 2,
    Creature = 3, ///< also dead bodies and hero-party members
    Door = 4,
    Trap = 5,
    Object = 6,
    Script = 7, ///< trigger or action
    ActionPoint = 8,
    HeroParty = 9,
};

class CLevelObject {
public:
    /// `doc` is the level the object belongs to; it may be null for an object not in a level.
    CLevelObject(ObjectKind kind, CWorldEditorDoc* doc) : m_kind(kind), m_doc(doc) {}
    virtual ~CLevelObject() = default;
    CLevelObject(const CLevelObject&) = delete;
    CLevelObject& operator=(const CLevelObject&) = delete;

    // Every kind of level object comes from the level object storage (the virtual destructor
    // hands the size of the object's real class to delete).
    static void* operator new(std::size_t size) { return LevelObjectStorage::allocate(size); }
    static void operator delete(void* object, std::size_t size) noexcept
    {
        LevelObjectStorage::release(object, size);
    }

    ObjectKind kind() const { return m_kind; }
    CWorldEditorDoc* document() const { return m_doc; }

    // The owner is kept as a player id and looked up when asked, so an object never holds a
    // pointer to a player that was deleted after it.
    virtual CPlayer* owner() const;
    virtual uint8_t ownerId() const { return m_ownerId; }
    virtual void setOwner(const CPlayer* player);
    /// Looks the player up in the document; an id no player has leaves the object without owner.
    virtual void setOwnerById(uint8_t playerId);

    TilePoint position() const { return m_position; }
    int32_t x() const { return m_position.x; }
    int32_t y() const { return m_position.y; }
    virtual void setPosition(TilePoint p) { m_position = p; }
    void setX(int32_t x) { setPosition({x, m_position.y}); }
    void setY(int32_t y) { setPosition({m_position.x, y}); }

    virtual int16_t firstTrigger() const { return m_firstTrigger; }
    virtual void setFirstTrigger(int16_t id) { m_firstTrigger = id; }
    /// The end of the trigger chain attached to this object (0 when it has none).
    int16_t lastTrigger() const;

    bool isPlaced() const { return m_placed; }
    void setPlaced(bool placed) { m_placed = placed; }

private:
    TilePoint m_position;
    uint8_t m_ownerId = 0;
    int16_t m_firstTrigger = 0;
    bool m_placed = true;
    ObjectKind m_kind;
    CWorldEditorDoc* m_doc;
};

} // namespace gr2
