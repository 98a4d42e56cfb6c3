#pragma once
// The text of each item of the script tree, as the user reads it: the level's file name, a
// player's name, a thing's type with its markers ([L] leader, [E] elite, [B] blueprint...) and
// tile, an action point's id, name and area, and each trigger's and action's description.

#include "script/ScriptTreeItem.h"

#include <cstdint>
#include <string>

namespace gr2 {

class CAction;
class CCreature;
class CLevelObject;
class CTrigger;
class CTypeDatabase;
class CWorldEditorDoc;
class LevelScript;

class ScriptTreeTexts {
public:
    /// The document must have a LevelScript.
    ScriptTreeTexts(const CWorldEditorDoc& doc, const CTypeDatabase& db);

    /// The text of an item of a kind: its object for things, players and markers, the id for
    /// triggers and actions (an unknown id gives an empty text). Showing a special object or a
    /// spell book fills in its default spell, as the tree always has.
    std::u16string textOf(TreeItemKind kind, CLevelObject* object, int16_t scriptId) const;
    /// The texts of an element already in hand: building the tree must not look each one up again
    /// by id (a scan of the array), which makes a long script quadratic.
    std::u16string triggerText(const CTrigger* trigger) const;
    std::u16string actionText(const CAction* action) const;
    std::u16string levelText() const;
    std::u16string creatureText(const CCreature& creature) const;

private:
    LevelScript& script() const;

    const CWorldEditorDoc& m_doc;
    const CTypeDatabase& m_db;
};

} // namespace gr2
