#include "mapedit/MapFocus.h"

#include "level/CWorldEditorDoc.h"
#include "script/LevelScript.h"
#include "script/ScriptTreeItem.h"

namespace gr2 {

namespace {

MapFocus onThing(const CLevelObject& thing)
{
    MapFocus focus;
    focus.thing = &thing;
    focus.area = TileRect::single(thing.position());
    return focus;
}

MapFocus onActionPoint(const CActionPoint& point)
{
    MapFocus focus;
    focus.actionPoint = point.id();
    focus.area = point.area();
    return focus;
}

/// Where the script first sends the party onto the map.
MapFocus onHeroParty(const CHeroParty& party, const CWorldEditorDoc& doc, const LevelScript* script)
{
    if (!script)
        return {};
    for (const auto& action : script->actions()) {
        if (action->kind() != uint8_t(ActionKind::CreateHeroParty) || action->a(0) != party.id())
            continue;
        if (const CActionPoint* point = doc.FindActionPoint(action->parameters().b0()))
            return onActionPoint(*point);
    }
    return {};
}

} // namespace

MapFocus mapFocusOf(const ScriptTreeItem& item, const CWorldEditorDoc& doc, const LevelScript* script)
{
    const CLevelObject* object = item.object();
    if (!object)
        return {};
    switch (item.kind()) {
    case TreeItemKind::Creature:
        if (const CHeroParty* party = doc.PartyOf(static_cast<const CCreature*>(object)))
            return onHeroParty(*party, doc, script);
        return onThing(*object);
    case TreeItemKind::Door:
    case TreeItemKind::Trap:
    case TreeItemKind::Object:
        return onThing(*object);
    case TreeItemKind::ActionPoint:
        return onActionPoint(static_cast<const CActionPoint&>(*object));
    case TreeItemKind::EffectGenerator: {
        const auto& g = static_cast<const CEffectGenerator&>(*object);
        MapFocus focus;
        focus.effectGenerator = g.id();
        focus.area = g.area();
        return focus;
    }
    case TreeItemKind::HeroParty:
        return onHeroParty(static_cast<const CHeroParty&>(*object), doc, script);
    default:
        return {};
    }
}

} // namespace gr2
