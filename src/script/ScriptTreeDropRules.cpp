#include "script/ScriptTreeDropRules.h"

namespace gr2 {

namespace {

using K = TreeItemKind;
using V = DropVerdict;

bool isThingKind(K kind)
{
    return kind == K::Creature || kind == K::Door || kind == K::Trap || kind == K::Object;
}

} // namespace

bool offersMove(TreeItemKind kind)
{
    return kind != K::Level && kind != K::Player && kind != K::ActionPoint && kind != K::HeroParty;
}

bool offersCopy(TreeItemKind kind)
{
    return kind != K::Level && kind != K::Player && kind != K::HeroParty;
}

bool canDrag(const DropSide& item)
{
    if (!offersMove(item.kind) && !offersCopy(item.kind))
        return false;
    if (item.noCommands)
        return false;
    // Creatures off the map (a party's members, an action's creature) belong to their party or
    // action, not to a player.
    if (item.kind == K::Creature && !item.placed)
        return false;
    return true;
}

DropVerdict dropVerdictFor(const DropSide& dragged, const DropSide& target, bool targetInsideDragged)
{
    if (!canDrag(dragged) || targetInsideDragged || target.noCommands)
        return V::None;
    const K t = target.kind;
    switch (dragged.kind) {
    case K::Player:
        return t == K::Level ? V::ChildOnly : t == K::Player ? V::SiblingOnly : V::None;
    case K::Creature:
    case K::Door:
    case K::Trap:
    case K::Object:
        if (t == K::Player)
            return V::ChildOnly;
        if (isThingKind(t))
            return V::SiblingOnly;
        if (t == K::Trigger)
            return target.triggerOwner == TriggerOwnerKind::Player ? V::SiblingOnly : V::None;
        return V::None;
    case K::Trigger:
        if (t == K::Trigger)
            return V::ChildOrSibling;
        // Traps, dead bodies, effect generators and creatures off the map keep no triggers in
        // any file: a trigger dropped there would be gone after the next save.
        if (t == K::Action || !target.keepsTriggers)
            return V::None;
        return V::ChildOnly;
    case K::ActionPoint:
    case K::HeroParty:
        if (t == K::Level)
            return V::ChildOnly;
        return t == K::Player || t == K::ActionPoint || t == K::HeroParty ? V::SiblingOnly : V::None;
    case K::Action:
        if (t == K::Trigger) {
            // Beside a trigger of the level, a player or a thing an action would sit in a chain
            // that holds triggers only: such a trigger takes the action as a child only.
            return target.triggerOwner == TriggerOwnerKind::Trigger ? V::ChildOrSibling : V::ChildOnly;
        }
        return t == K::Action ? V::SiblingOnly : V::None;
    default:
        return V::None;
    }
}

} // namespace gr2
