#include "document/ProblemPlaceFocus.h"

#include "level/CWorldEditorDoc.h"
#include "script/ScriptTreeModel.h"

namespace gr2 {

namespace {

template <class Thing>
const CLevelObject* at(const std::vector<std::unique_ptr<Thing>>& things, int32_t index)
{
    return index >= 0 && size_t(index) < things.size() ? things[size_t(index)].get() : nullptr;
}

} // namespace

const CLevelObject* objectOfPlace(const ProblemPlace& place, const CWorldEditorDoc& doc)
{
    const bool byteId = place.id >= 0 && place.id <= 255;
    switch (place.kind) {
    case ProblemPlaceKind::Player:
        return byteId ? doc.FindPlayer(uint8_t(place.id)) : nullptr;
    case ProblemPlaceKind::Creature:
        return at(doc.creatures(), place.id);
    case ProblemPlaceKind::Door:
        return at(doc.doors(), place.id);
    case ProblemPlaceKind::Trap:
        return at(doc.traps(), place.id);
    case ProblemPlaceKind::Object:
        return at(doc.objects(), place.id);
    case ProblemPlaceKind::ActionPoint:
        return byteId ? doc.FindActionPoint(uint8_t(place.id)) : nullptr;
    case ProblemPlaceKind::HeroParty:
        return place.id >= 0 && place.id < kHeroPartySlots ? doc.HeroPartyAt(size_t(place.id)) : nullptr;
    case ProblemPlaceKind::EffectGenerator:
        return byteId ? doc.FindEffectGenerator(uint8_t(place.id)) : nullptr;
    case ProblemPlaceKind::Level:
    case ProblemPlaceKind::Tile:
    case ProblemPlaceKind::Trigger:
    case ProblemPlaceKind::Action:
        break;
    }
    return nullptr;
}

ScriptTreeItem* treeItemOfPlace(const ProblemPlace& place, const CWorldEditorDoc& doc,
                                const ScriptTreeModel& tree)
{
    const bool scriptId = place.id >= -32768 && place.id <= 32767 && place.id != 0;
    if (place.kind == ProblemPlaceKind::Trigger)
        return scriptId ? tree.findTriggerItem(int16_t(place.id)) : nullptr;
    if (place.kind == ProblemPlaceKind::Action)
        return scriptId ? tree.findActionItem(int16_t(place.id)) : nullptr;
    const CLevelObject* object = objectOfPlace(place, doc);
    return object ? tree.findItem(*object) : nullptr;
}

MapFocus mapFocusOfPlace(const ProblemPlace& place, const CWorldEditorDoc& doc)
{
    MapFocus focus;
    const CLevelObject* object = objectOfPlace(place, doc);
    switch (place.kind) {
    case ProblemPlaceKind::Tile:
        if (doc.IsInside(place.tile))
            focus.area = TileRect::single(place.tile);
        break;
    case ProblemPlaceKind::Creature:
    case ProblemPlaceKind::Door:
    case ProblemPlaceKind::Trap:
    case ProblemPlaceKind::Object:
        if (object) {
            focus.thing = object;
            if (doc.IsInside(object->position()))
                focus.area = TileRect::single(object->position());
        }
        break;
    case ProblemPlaceKind::ActionPoint:
        if (const auto* point = static_cast<const CActionPoint*>(object)) {
            focus.actionPoint = point->id();
            focus.area = point->area();
        }
        break;
    case ProblemPlaceKind::EffectGenerator:
        if (const auto* generator = static_cast<const CEffectGenerator*>(object)) {
            focus.effectGenerator = generator->id();
            focus.area = generator->area();
        }
        break;
    default:
        break;
    }
    return focus;
}

} // namespace gr2
