#pragma once
// The script tree without its widget: the level, its players, hero parties, action points, effect
// generators and placed things, and under each the triggers and actions attached to it. It keeps
// the items in step with the document (it is one of the document's observers), remembers the
// current object of each kind, decides which context-menu commands are offered, runs the script
// commands (add, delete, move and copy by drag and drop, Find) and tells a listener about every
// item it inserts, removes or changes, so that a tree widget can mirror it item for item.

#include "level/DocumentObserver.h"
#include "script/ScriptTreeCommands.h"
#include "script/ScriptTreeDropRules.h"
#include "script/ScriptTreeItem.h"
#include "script/ScriptTreeTexts.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gr2 {

class CAction;
class CActionPoint;
class CCreature;
class CDoor;
class CEffectGenerator;
class CHeroParty;
class CObjectThing;
class CPlayer;
class CTrap;
class CTrigger;
class CTypeDatabase;
class CWorldEditorDoc;
class LevelScript;

/// What the tree's widget hears from the model. Inserted items arrive with their whole subtree.
class ScriptTreeListener {
public:
    virtual ~ScriptTreeListener() = default;
    /// Every item was replaced; rebuild from the top item.
    virtual void treeReset() {}
    virtual void itemInserted(ScriptTreeItem& item) { (void)item; }
    /// Called before the item (with its subtree) goes.
    virtual void itemRemoving(ScriptTreeItem& item) { (void)item; }
    /// Text or bold flag changed.
    virtual void itemChanged(ScriptTreeItem& item) { (void)item; }
    virtual void selectionChanged(ScriptTreeItem* item) { (void)item; }
    /// The current player changed: the map views draw for it.
    virtual void currentPlayerChanged(uint8_t playerId) { (void)playerId; }
    /// A thing was copied: the map view lets the user place it.
    virtual void placeCopiedThing(CLevelObject& object) { (void)object; }
    /// A delete command ran: what went, in words for the status bar.
    virtual void deleted(const std::u16string& summary) { (void)summary; }
    /// The model is going away; every item the listener holds is gone with it.
    virtual void modelDestroyed() {}
};

/// The two modal editors that Add Trigger, Add Action and the edit commands run.
class ScriptEditors {
public:
    virtual ~ScriptEditors() = default;
    /// Answers whether the user confirmed.
    virtual bool EditTrigger(CTrigger& trigger) = 0;
    virtual bool EditAction(CAction& action) = 0;
};

/// "Deleted Vorlan 1 with 5 things and 3 triggers — Ctrl+Z undoes": the item and what lies
/// beneath it in the tree, counted before it goes.
std::u16string deletionSummary(const ScriptTreeItem& item);

class ScriptTreeModel : public DocumentObserver {
public:
    static constexpr size_t kMaxPlayers = kMaxTreePlayers;
    static constexpr size_t kMaxActionPoints = kMaxTreeActionPoints;

    /// Observes the document, which must have a LevelScript, and fills the tree.
    ScriptTreeModel(CWorldEditorDoc& doc, const CTypeDatabase& db);
    ~ScriptTreeModel() override;
    ScriptTreeModel(const ScriptTreeModel&) = delete;
    ScriptTreeModel& operator=(const ScriptTreeModel&) = delete;

    void setListener(ScriptTreeListener* listener) { m_listener = listener; }
    CWorldEditorDoc& document() const { return m_doc; }
    /// The type tables the items' texts and the editors' lists are made from.
    const CTypeDatabase& types() const { return m_db; }

    /// Rebuilds every item: resolves the script, then the level, its root triggers, action points,
    /// effect generators, hero parties, players (Vorlans first) and things without a player.
    void Refresh();
    ScriptTreeItem& root() const { return *m_root; }

    // --- lookup ---------------------------------------------------------------------------------
    ScriptTreeItem* findItem(const CLevelObject& object) const;
    ScriptTreeItem* findTriggerItem(int16_t id) const;
    ScriptTreeItem* findActionItem(int16_t id) const;
    /// Every item in pre-order (the order of the export and of Find).
    std::vector<ScriptTreeItem*> items() const;
    /// The trigger or action an item stands for; none for other items or a stale id.
    CTrigger* triggerOf(const ScriptTreeItem& item) const;
    CAction* actionOf(const ScriptTreeItem& item) const;

    // --- selection and current objects ---------------------------------------------------------
    /// Selects the item and makes its object the current one of its kind; a player item also
    /// becomes the current (bold) player, which every map view of the level then draws for.
    void select(ScriptTreeItem* item);
    ScriptTreeItem* selected() const { return m_selected; }
    CPlayer* currentPlayer() const;
    CCreature* currentCreature() const;
    CDoor* currentDoor() const;
    CTrap* currentTrap() const;
    CObjectThing* currentObject() const;
    CActionPoint* currentActionPoint() const;
    CHeroParty* currentHeroParty() const;
    CEffectGenerator* currentEffectGenerator() const;
    CTrigger* currentTrigger() const;
    CAction* currentAction() const;
    void setCurrentPlayer(uint8_t playerId);

    // --- commands -------------------------------------------------------------------------------
    /// The context menu of the item's kind; empty for the forced-first-person trigger and its
    /// first action, which offer no commands.
    std::vector<TreeMenuEntry> menu(const ScriptTreeItem& item) const;
    /// Whether a command is offered (not greyed) for the current objects.
    bool isEnabled(TreeCommand command) const;
    /// The current object of each kind, as the commands act on them.
    TreeCommandTargets currentTargets() const;
    bool isChecked(TreeCommand command) const;
    /// The command a double click runs; none (false) for an item that offers no commands.
    bool doubleClickCommand(const ScriptTreeItem& item, TreeCommand& command) const;
    /// The delete command of the item's kind, as the Delete and Backspace keys find it; false when
    /// the item has none or it is greyed.
    bool deleteCommand(const ScriptTreeItem& item, TreeCommand& command) const;
    /// Deletes the selected item's object (the Delete and Backspace keys), under the same guards as
    /// the menus. Answers whether something was deleted.
    bool deleteSelected();
    /// Runs a command that needs nothing but the level, on the current object of its kind, as one
    /// step of the level's history: Refresh, Create New Player, Force First Person and the Delete
    /// commands. Answers false, doing nothing, for a greyed command and for the commands that need
    /// a map view or a dialog (the widget runs those).
    bool run(TreeCommand command);

    /// Add Trigger with the owner of the item (level, player, creature, door, object, action
    /// point, hero party or trigger): a new trigger is edited and, when confirmed, added last in
    /// the owner's chain and selected. Answers the trigger added.
    CTrigger* addTrigger(ScriptTreeItem& ownerItem, ScriptEditors& editors);
    /// Add Action under the trigger of the item.
    CAction* addAction(ScriptTreeItem& triggerItem, ScriptEditors& editors);
    /// Edit Trigger/Action Properties on the item; on confirmation the item is inserted again at
    /// its place with its new text (and children) and selected.
    bool editTrigger(ScriptTreeItem& item, ScriptEditors& editors);
    bool editAction(ScriptTreeItem& item, ScriptEditors& editors);
    /// Re-creates the item in place after its object was edited; answers the new item.
    ScriptTreeItem* reinsert(ScriptTreeItem& item);

    // --- drag and drop --------------------------------------------------------------------------
    bool canDrag(const ScriptTreeItem& item) const;
    DropVerdict dropVerdict(const ScriptTreeItem& dragged, const ScriptTreeItem& target) const;
    /// Whether the drop menu's command may run for these two items: the verdict allows its
    /// placement and the dragged kind its move or copy.
    bool offersDrop(const ScriptTreeItem& dragged, const ScriptTreeItem& target, TreeCommand command) const;
    /// A left drop: Move As Child for verdicts 1 and 2, nothing otherwise.
    bool leftDrop(ScriptTreeItem& dragged, ScriptTreeItem& target);
    /// A command of the drop menu; refused when the verdict does not allow it.
    bool drop(ScriptTreeItem& dragged, ScriptTreeItem& target, TreeCommand command);
    bool moveAsChild(ScriptTreeItem& dragged, ScriptTreeItem& target);
    bool moveAsSibling(ScriptTreeItem& dragged, ScriptTreeItem& target);
    bool copyAsChild(ScriptTreeItem& dragged, ScriptTreeItem& target);
    bool copyAsSibling(ScriptTreeItem& dragged, ScriptTreeItem& target);

    // --- Find -----------------------------------------------------------------------------------
    /// Searches from the item after the selected one (pre-order; backwards when `down` is false),
    /// wrapping around, for an item whose text contains `text` regardless of case. A found item is
    /// selected; answers it, or none (and nothing changes).
    ScriptTreeItem* findNext(std::u16string_view text, bool down);

    // --- DocumentObserver -----------------------------------------------------------------------
    void objectAdded(CLevelObject& object) override;
    void objectRemoved(CLevelObject& object) override;
    void objectChanged(CLevelObject& object) override;
    void levelReset() override;
    void currentPlayerSuggested(uint8_t playerId) override;

private:
    /// The item whose object a delete command removes; none for other commands.
    const ScriptTreeItem* itemDeletedBy(TreeCommand command) const;
    bool runDeletion(TreeCommand command);
    enum class Placement { Child, Sibling };

    LevelScript& script() const;
    std::unique_ptr<ScriptTreeItem> makeTriggerItem(CTrigger& trigger) const;
    std::unique_ptr<ScriptTreeItem> makeActionItem(CAction& action) const;
    std::unique_ptr<ScriptTreeItem> makeThingItem(CLevelObject& object) const;
    /// Adds the items of a chain (and of every child list below it) under the parent item.
    void appendChain(ScriptTreeItem& parent, int16_t head) const;
    ScriptTreeItem* insert(ScriptTreeItem& parent, size_t row, std::unique_ptr<ScriptTreeItem> item);
    void remove(ScriptTreeItem& item);
    void setText(ScriptTreeItem& item, std::u16string text);
    /// The row where a new trigger item goes under its owner's item: after the owner's last
    /// trigger (after everything under a trigger or a hero party).
    size_t triggerRow(const ScriptTreeItem& parent) const;
    /// Where a thing's item belongs: its player's item (or the level), after the things before it.
    ScriptTreeItem& thingParent(const CLevelObject& object) const;
    size_t thingRow(const ScriptTreeItem& parent, const CLevelObject& object) const;
    ScriptTreeItem* ownerItemOf(const CTrigger& trigger) const;
    bool hasNoCommands(const ScriptTreeItem& item) const;
    DropSide dropSide(const ScriptTreeItem& item) const;
    /// The command when it is offered for the item (not greyed, the item has commands).
    bool offeredCommand(const ScriptTreeItem& item, std::optional<TreeCommand> wanted,
                        TreeCommand& command) const;

    bool moveScript(ScriptTreeItem& dragged, ScriptTreeItem& target, Placement placement);
    bool copyScript(ScriptTreeItem& dragged, ScriptTreeItem& target, Placement placement);
    bool moveThing(ScriptTreeItem& dragged, ScriptTreeItem& target, Placement placement);
    bool copyThing(ScriptTreeItem& dragged, ScriptTreeItem& target, Placement placement);
    /// A new trigger (with its whole child list) or action copied from the source, with fresh ids,
    /// not yet linked anywhere; none when the ids run out.
    int16_t copyElement(int16_t sourceId);

    CWorldEditorDoc& m_doc;
    const CTypeDatabase& m_db;
    ScriptTreeTexts m_texts;
    ScriptTreeListener* m_listener = nullptr;
    std::unique_ptr<ScriptTreeItem> m_root;
    ScriptTreeItem* m_selected = nullptr;
    /// Set while the model changes the script itself and places the items on its own.
    bool m_quiet = false;

    // The current object of each kind; things by pointer (dropped when they leave the level),
    // script objects by id.
    uint8_t m_currentPlayer = 0;
    CLevelObject* m_currentCreature = nullptr;
    CLevelObject* m_currentDoor = nullptr;
    CLevelObject* m_currentTrap = nullptr;
    CLevelObject* m_currentObject = nullptr;
    CLevelObject* m_currentActionPoint = nullptr;
    CLevelObject* m_currentHeroParty = nullptr;
    CLevelObject* m_currentEffectGenerator = nullptr;
    int16_t m_currentTrigger = 0;
    int16_t m_currentAction = 0;
};

} // namespace gr2
