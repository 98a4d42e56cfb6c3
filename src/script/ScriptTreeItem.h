#pragma once
// One item of the script tree: its kind (which is also its image), the object it stands for, its
// text, whether it is shown bold, and its children in order. A tree widget mirrors these items one
// for one.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace gr2 {

class CLevelObject;

/// The item kinds; each value is the kind's image index, its selected image is the next one.
enum class TreeItemKind : uint8_t {
    Level = 0,
    Player = 2,
    Creature = 4,
    Door = 6,
    Trap = 8,
    Object = 10,
    Trigger = 12,
    ActionPoint = 14,
    HeroParty = 16,
    EffectGenerator = 18,
    Action = 20,
};

class ScriptTreeItem {
public:
    /// `object` is the player or thing of the item; triggers and actions are named by `scriptId`.
    ScriptTreeItem(TreeItemKind kind, CLevelObject* object, int16_t scriptId, std::u16string text)
        : m_kind(kind), m_object(object), m_scriptId(scriptId), m_text(std::move(text))
    {
    }
    /// Takes the subtree apart without recursion, however deep the script nests.
    ~ScriptTreeItem();
    ScriptTreeItem(const ScriptTreeItem&) = delete;
    ScriptTreeItem& operator=(const ScriptTreeItem&) = delete;

    TreeItemKind kind() const { return m_kind; }
    int image() const { return int(m_kind); }
    int selectedImage() const { return int(m_kind) + 1; }
    /// The player, creature, door, trap, object, action point, hero party or effect generator;
    /// none for the level, triggers and actions.
    CLevelObject* object() const { return m_object; }
    /// The trigger or action id; 0 for other kinds.
    int16_t scriptId() const { return m_scriptId; }
    const std::u16string& text() const { return m_text; }
    bool isBold() const { return m_bold; }

    ScriptTreeItem* parent() const { return m_parent; }
    const std::vector<std::unique_ptr<ScriptTreeItem>>& children() const { return m_children; }
    size_t childCount() const { return m_children.size(); }
    ScriptTreeItem* child(size_t row) const
    {
        return row < m_children.size() ? m_children[row].get() : nullptr;
    }
    /// The position among the parent's children (0 for the top item).
    size_t row() const;
    /// Whether `other` is this item or lies anywhere below it.
    bool contains(const ScriptTreeItem& other) const;

private:
    friend class ScriptTreeModel;
    ScriptTreeItem* insertChild(size_t row, std::unique_ptr<ScriptTreeItem> item);
    std::unique_ptr<ScriptTreeItem> takeChild(size_t row);

    TreeItemKind m_kind;
    CLevelObject* m_object;
    int16_t m_scriptId;
    std::u16string m_text;
    bool m_bold = false;
    ScriptTreeItem* m_parent = nullptr;
    std::vector<std::unique_ptr<ScriptTreeItem>> m_children;
};

} // namespace gr2
