#pragma once
// The script tree panel: mirrors the active level's ScriptTreeModel item for item (texts, the
// kinds' normal and selected images, the bold current player), and turns what the user does in it
// into the model's commands: selection, the context menus with their greying, double clicks, the
// Delete key, Find with F3, and dragging items with the drop verdicts. Commands that need the map
// (moves, the camera start, the build area, new markers) start the active map view's modes; Add
// Members and Create New Hero Party open the level's member prompt.

#include "dialogs/CTreeFindDialog.h"
#include "script/ScriptTreeModel.h"
#include "typedb/TypeFamily.h"

#include <QHash>
#include <QIcon>
#include <QPointer>
#include <QTimer>
#include <QTreeWidget>

#include <array>
#include <filesystem>

class QMenu;

namespace gr2 {

class CChildFrame;
class CWorldEditorView;
class Prompter;

class CTriggerTree : public QTreeWidget, public ScriptTreeListener {
    Q_OBJECT
public:
    static constexpr int kHoverExpandMilliseconds = 750;

    explicit CTriggerTree(QWidget* parent = nullptr);
    ~CTriggerTree() override;

    /// The 22 images (normal and selected of each kind), the prompter the export asks with, and
    /// the folder it offers for a level that was never saved.
    void setContext(const QList<QPixmap>& images, Prompter* prompter, std::filesystem::path fallbackFolder);

    /// Shows the level of the window; none empties the tree.
    void showLevel(CChildFrame* level);
    CChildFrame* level() const { return m_level; }
    ScriptTreeModel* model() const { return m_model; }

    QTreeWidgetItem* widgetItem(const ScriptTreeItem& item) const { return m_items.value(&item); }
    ScriptTreeItem* modelItem(const QTreeWidgetItem* item) const;

    /// The context menu of an item, or of the empty space for none: the entries the editor offers,
    /// greyed by the model's rules for the current objects. None when the item offers nothing.
    /// The caller owns it; choosing an entry runs its command.
    QMenu* contextMenuFor(ScriptTreeItem* item);
    /// The map view's menu of a thing, action point or effect generator: selects its item and
    /// opens the item's menu at the screen point.
    void popupMenuFor(const CLevelObject& object, QPoint globalPos);
    /// Runs a command on the current objects (nothing when it is greyed or not offered).
    void runCommand(TreeCommand command);
    /// A double click on a thing of the map: selects its item and runs the item's main command
    /// (its "&Edit ... Properties...").
    void editPropertiesOf(const CLevelObject& object);
    /// The property dialog of the Dungeon Heart, portal or hero gate on the tile (a heart is its
    /// player's).
    void editSpecialRoom(SpecialRoom room, TilePoint tile, CPlayer* player);

    /// Opens Find (one dialog at most).
    void openFind();
    /// F3: the last search again, or Find when nothing was searched for yet.
    void findAgain();
    CTreeFindDialog* findDialog() const { return m_find; }

    /// Whether an item is being dragged, and where it would drop.
    bool isDragging() const { return m_dragged != nullptr; }
    /// The whole text of the item at the point of the viewport when the panel's width cuts it;
    /// empty when it shows whole (or nothing is there).
    QString cutTextAt(QPoint viewportPos) const;
    ScriptTreeItem* dropTarget() const { return m_dropTarget; }

signals:
    /// "Edit Door &Type..." and its kin: the family's type editor on the thing's type.
    void typeEditorRequested(TypeFamily family, uint16_t typeId);
    /// The level variables dialog asks for a global table's editor: the experience-level increases
    /// (`experience`) or the sacrifice combinations.
    void globalTableEditorRequested(bool experience);
    /// The level's current player changed (or another level became active): the palette and the
    /// status bar follow the player the map views now draw for.
    void drawingPlayerChanged();
    /// A short note for the status bar (a search that found nothing, a file written, what a
    /// deletion took with it).
    void statusMessage(const QString& text);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    /// F3 is Find while the tree has the focus, though the main window's F3 opens the creature
    /// editor elsewhere.
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    /// A text the panel cuts shows whole in a tooltip.
    bool viewportEvent(QEvent* event) override;

private:
    // ScriptTreeListener
    void treeReset() override;
    void itemInserted(ScriptTreeItem& item) override;
    void itemRemoving(ScriptTreeItem& item) override;
    void itemChanged(ScriptTreeItem& item) override;
    void selectionChanged(ScriptTreeItem* item) override;
    void currentPlayerChanged(uint8_t playerId) override;
    void placeCopiedThing(CLevelObject& object) override;
    void deleted(const std::u16string& summary) override;
    void modelDestroyed() override;

    void rebuild();
    /// Makes the widget item of a model item and of everything below it.
    QTreeWidgetItem* makeItems(ScriptTreeItem& top);
    void showItem(QTreeWidgetItem* widget, const ScriptTreeItem& item);
    void forget(const ScriptTreeItem& top);
    void expandBelow(QTreeWidgetItem* top);
    bool isLive(const ScriptTreeItem* item) const { return item && m_items.contains(item); }
    CWorldEditorView* mapView() const;
    /// Starts a map mode in the level's active view; false without one.
    bool startMapMode(TreeCommand command);
    /// The item Add Trigger (of any owner), Add Action or an Edit ... Properties of the script
    /// works on; none for other commands.
    ScriptTreeItem* addTriggerOwner(TreeCommand command) const;
    /// Runs Add Trigger, Add Action or Edit Trigger/Action Properties with its sheet; false for
    /// other commands.
    bool editTriggers(TreeCommand command);
    /// The property dialogs of things; false when the command opens none.
    bool openThingDialog(TreeCommand command);
    /// "&Edit Vorlan Properties..." and "Edit Vorlan &Alliances...".
    bool openPlayerDialog(TreeCommand command);
    /// The level item's dialogs; each confirmed one is one step of the level's history.
    bool openLevelDialog(TreeCommand command);
    /// The type editors of the things' types; false when the command opens none.
    bool requestTypeEditor(TreeCommand command);
    void openMenu(ScriptTreeItem* item, QPoint globalPos);
    void findNext(const QString& text, bool down);
    void exportToFile();

    // dragging
    void beginDrag(ScriptTreeItem& item, bool right);
    void dragTo(QPoint pos);
    void setDropTarget(ScriptTreeItem* target);
    void scrollTick();
    void endDrag();
    void finishDrag(QPoint globalPos);

    CChildFrame* m_level = nullptr;
    ScriptTreeModel* m_model = nullptr;
    QHash<const ScriptTreeItem*, QTreeWidgetItem*> m_items;
    std::array<QIcon, 11> m_icons;
    Prompter* m_prompter = nullptr;
    std::filesystem::path m_fallbackFolder;
    /// Set while the widget follows the model, so its own signals do not go back to the model.
    bool m_syncing = false;

    QPointer<CTreeFindDialog> m_find;
    QString m_lastSearch;
    bool m_lastSearchDown = true;

    // A press that may become a drag, and the drag under way.
    ScriptTreeItem* m_pressed = nullptr;
    Qt::MouseButton m_pressButton = Qt::NoButton;
    QPoint m_pressPos;
    ScriptTreeItem* m_dragged = nullptr;
    bool m_rightDrag = false;
    ScriptTreeItem* m_dropTarget = nullptr;
    QTimer m_hoverTimer;
    QTimer m_scrollTimer;
    int m_scrollTicks = 0;
    QPoint m_dragPos;
};

} // namespace gr2
