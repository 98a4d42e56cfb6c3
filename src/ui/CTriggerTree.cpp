#include "ui/CTriggerTree.h"

#include "app/TreeExportCommand.h"
#include "dialogs/CActionEditSheet.h"
#include "dialogs/CAllianceDialog.h"
#include "dialogs/CTextMessagesDialog.h"
#include "dialogs/CThingDialog.h"
#include "dialogs/CTriggerEditSheet.h"
#include "dialogs/CVorlanPropertiesDialog.h"
#include "dialogs/FormDialogRun.h"
#include "forms/MapOperationForms.h"
#include "forms/PortalHeartGateForms.h"
#include "forms/ThingDialogs.h"
#include "level/CDoor.h"
#include "level/CObjectThing.h"
#include "level/CTrap.h"
#include "level/CWorldEditorDoc.h"
#include "level/EditStep.h"
#include "mapedit/MapFocus.h"
#include "mapedit/MapViewController.h"
#include "script/LevelScript.h"
#include "script/ScriptTreeDragScroll.h"
#include "ui/CChildFrame.h"
#include "ui/CWorldEditorView.h"
#include "ui/LevelDialogs.h"
#include "ui/QtPrompter.h"
#include "ui/QtText.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>
#include <vector>

namespace gr2 {

namespace {

using C = TreeCommand;
using K = TreeItemKind;

constexpr int kItemRole = Qt::UserRole;

size_t iconIndex(TreeItemKind kind)
{
    return size_t(kind) / 2;
}

/// The editors the tree's commands open: the trigger sheet and the action sheet.
class SheetEditors : public ScriptEditors {
public:
    SheetEditors(const ScriptTreeModel& model, Prompter& prompter, QWidget* parent)
        : m_model(model), m_prompter(prompter), m_parent(parent)
    {
    }
    bool EditTrigger(CTrigger& trigger) override
    {
        const LevelScript* script = LevelScript::of(m_model.document());
        if (!script)
            return false;
        CTriggerEditSheet sheet(trigger, m_model.document(), m_model.types(), script->usage(), m_prompter,
                                m_parent);
        return sheet.exec() == QDialog::Accepted;
    }
    bool EditAction(CAction& action) override
    {
        LevelScript* script = LevelScript::of(m_model.document());
        if (!script)
            return false;
        CActionEditSheet sheet(action, m_model.document(), m_model.types(), script->usage(), m_prompter,
                               m_parent);
        return sheet.exec() == QDialog::Accepted;
    }

private:
    const ScriptTreeModel& m_model;
    Prompter& m_prompter;
    QWidget* m_parent;
};

} // namespace

CTriggerTree::CTriggerTree(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("CTriggerTree"));
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setItemsExpandable(true);
    setExpandsOnDoubleClick(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFrameShadow(QFrame::Sunken);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Drags are the tree's own: a right drag ends in a menu, which the platform's drag does not do.
    setDragEnabled(false);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);

    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (!m_syncing && m_model && current)
            m_model->select(modelItem(current));
    });
    m_hoverTimer.setSingleShot(true);
    m_hoverTimer.setInterval(kHoverExpandMilliseconds);
    connect(&m_hoverTimer, &QTimer::timeout, this, [this] {
        if (QTreeWidgetItem* w = m_dropTarget ? widgetItem(*m_dropTarget) : nullptr)
            w->setExpanded(true);
    });
    m_scrollTimer.setInterval(DragScroll::kTickMilliseconds);
    connect(&m_scrollTimer, &QTimer::timeout, this, &CTriggerTree::scrollTick);
}

CTriggerTree::~CTriggerTree()
{
    if (m_model)
        m_model->setListener(nullptr);
}

void CTriggerTree::setContext(const QList<QPixmap>& images, Prompter* prompter,
                              std::filesystem::path fallbackFolder)
{
    m_prompter = prompter;
    m_fallbackFolder = std::move(fallbackFolder);
    for (size_t i = 0; i < m_icons.size(); ++i) {
        QIcon icon;
        const qsizetype normal = qsizetype(2 * i);
        if (normal + 1 < images.size()) {
            icon.addPixmap(images[normal], QIcon::Normal);
            icon.addPixmap(images[normal + 1], QIcon::Selected);
        }
        m_icons[i] = icon;
    }
    if (!images.isEmpty())
        setIconSize(images.front().size());
    rebuild();
}

// --- following the model -------------------------------------------------------------------------

void CTriggerTree::showLevel(CChildFrame* level)
{
    ScriptTreeModel* model = level ? level->scriptTree() : nullptr;
    if (level == m_level && model == m_model)
        return;
    endDrag();
    if (m_model)
        m_model->setListener(nullptr);
    m_level = level;
    m_model = model;
    if (m_model)
        m_model->setListener(this);
    rebuild();
    // The palette and the status bar show what the newly active level draws with.
    emit drawingPlayerChanged();
}

ScriptTreeItem* CTriggerTree::modelItem(const QTreeWidgetItem* item) const
{
    if (!item)
        return nullptr;
    auto* found = reinterpret_cast<ScriptTreeItem*>(item->data(0, kItemRole).value<quintptr>());
    return isLive(found) ? found : nullptr;
}

void CTriggerTree::rebuild()
{
    m_syncing = true;
    clear();
    m_items.clear();
    if (m_model) {
        addTopLevelItem(makeItems(m_model->root()));
        expandBelow(topLevelItem(0));
        if (ScriptTreeItem* selected = m_model->selected())
            if (QTreeWidgetItem* w = widgetItem(*selected))
                setCurrentItem(w);
    }
    m_syncing = false;
}

QTreeWidgetItem* CTriggerTree::makeItems(ScriptTreeItem& top)
{
    // Iterative, as the model is: a deeply nested script must not exhaust the stack.
    auto* topWidget = new QTreeWidgetItem;
    std::vector<std::pair<ScriptTreeItem*, QTreeWidgetItem*>> pending{{&top, topWidget}};
    while (!pending.empty()) {
        auto [item, widget] = pending.back();
        pending.pop_back();
        showItem(widget, *item);
        m_items.insert(item, widget);
        for (const auto& child : item->children()) {
            auto* childWidget = new QTreeWidgetItem(widget);
            pending.push_back({child.get(), childWidget});
        }
    }
    return topWidget;
}

void CTriggerTree::showItem(QTreeWidgetItem* widget, const ScriptTreeItem& item)
{
    widget->setText(0, QtText::fromUtf16(item.text()));
    widget->setIcon(0, m_icons[iconIndex(item.kind())]);
    QFont font = widget->font(0);
    font.setBold(item.isBold());
    widget->setFont(0, font);
    widget->setData(0, kItemRole, QVariant::fromValue(quintptr(&item)));
}

void CTriggerTree::forget(const ScriptTreeItem& top)
{
    std::vector<const ScriptTreeItem*> pending{&top};
    while (!pending.empty()) {
        const ScriptTreeItem* item = pending.back();
        pending.pop_back();
        m_items.remove(item);
        if (m_dropTarget == item || m_dragged == item)
            endDrag();
        if (m_pressed == item)
            m_pressed = nullptr;
        for (const auto& child : item->children())
            pending.push_back(child.get());
    }
}

void CTriggerTree::expandBelow(QTreeWidgetItem* top)
{
    // Every item is expanded when it is inserted.
    std::vector<QTreeWidgetItem*> pending{top};
    while (!pending.empty()) {
        QTreeWidgetItem* w = pending.back();
        pending.pop_back();
        if (w->childCount() > 0)
            w->setExpanded(true);
        for (int i = 0; i < w->childCount(); ++i)
            pending.push_back(w->child(i));
    }
}

void CTriggerTree::treeReset()
{
    endDrag();
    rebuild();
}

void CTriggerTree::itemInserted(ScriptTreeItem& item)
{
    QTreeWidgetItem* parent = item.parent() ? widgetItem(*item.parent()) : nullptr;
    if (!parent) {
        rebuild();
        return;
    }
    m_syncing = true;
    QTreeWidgetItem* widget = makeItems(item);
    parent->insertChild(int(item.row()), widget);
    parent->setExpanded(true);
    expandBelow(widget);
    m_syncing = false;
}

void CTriggerTree::itemRemoving(ScriptTreeItem& item)
{
    QTreeWidgetItem* widget = widgetItem(item);
    const bool selectionGoes = m_model && m_model->selected() && item.contains(*m_model->selected());
    forget(item);
    m_syncing = true;
    delete widget;
    // The model selects nothing now; the widget must not show another item as selected, which a
    // Delete key would then not reach.
    if (selectionGoes) {
        setCurrentItem(nullptr);
        clearSelection();
    }
    m_syncing = false;
}

void CTriggerTree::itemChanged(ScriptTreeItem& item)
{
    if (QTreeWidgetItem* widget = widgetItem(item))
        showItem(widget, item);
}

void CTriggerTree::selectionChanged(ScriptTreeItem* item)
{
    QTreeWidgetItem* widget = item ? widgetItem(*item) : nullptr;
    if (widget && currentItem() != widget) {
        m_syncing = true;
        setCurrentItem(widget);
        m_syncing = false;
    }
    if (widget)
        scrollToItem(widget);
    if (m_level)
        m_level->showMapFocus(
            item ? mapFocusOf(*item, m_level->document(), LevelScript::of(m_level->document())) : MapFocus{});
}

void CTriggerTree::currentPlayerChanged(uint8_t)
{
    // Every view of the level hears of the player through the level itself; the palette and the
    // status bar follow once all of them have.
    QMetaObject::invokeMethod(
        this, [this] { emit drawingPlayerChanged(); }, Qt::QueuedConnection);
}

void CTriggerTree::placeCopiedThing(CLevelObject& object)
{
    CWorldEditorView* view = mapView();
    if (view && view->controller().beginMove(object, true)) {
        view->modeChanged();
        // The user places the copy in the map (or presses Escape there).
        view->setFocus();
    }
}

void CTriggerTree::deleted(const std::u16string& summary)
{
    emit statusMessage(QtText::fromUtf16(summary));
}

void CTriggerTree::modelDestroyed()
{
    endDrag();
    m_model = nullptr;
    m_level = nullptr;
    m_syncing = true;
    clear();
    m_items.clear();
    m_syncing = false;
}

// --- commands ------------------------------------------------------------------------------------

CWorldEditorView* CTriggerTree::mapView() const
{
    return m_level ? m_level->activeView() : nullptr;
}

QMenu* CTriggerTree::contextMenuFor(ScriptTreeItem* item)
{
    if (!m_model)
        return nullptr;
    const std::vector<TreeMenuEntry> entries =
        availableEntries(item ? m_model->menu(*item) : emptySpaceMenu());
    if (entries.empty())
        return nullptr;
    auto* menu = new QMenu(this);
    for (const TreeMenuEntry& e : entries) {
        QAction* action = menu->addAction(QtText::fromUtf16(e.text));
        // The empty space's commands and those of the level are always offered.
        action->setEnabled(!item || m_model->isEnabled(e.command));
        if (e.command == C::ForceFirstPerson) {
            action->setCheckable(true);
            action->setChecked(m_model->isChecked(e.command));
        }
        const TreeCommand command = e.command;
        connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
    }
    return menu;
}

void CTriggerTree::openMenu(ScriptTreeItem* item, QPoint globalPos)
{
    std::unique_ptr<QMenu> menu(contextMenuFor(item));
    if (menu)
        menu->exec(globalPos);
}

void CTriggerTree::popupMenuFor(const CLevelObject& object, QPoint globalPos)
{
    if (!m_model)
        return;
    ScriptTreeItem* item = m_model->findItem(object);
    if (!item)
        return;
    m_model->select(item);
    openMenu(item, globalPos);
}

bool CTriggerTree::startMapMode(TreeCommand command)
{
    CWorldEditorView* view = mapView();
    if (!view || !m_model)
        return false;
    MapViewController& controller = view->controller();
    bool started = false;
    switch (command) {
    case C::CreateNewActionPoint:
        started = controller.selectTool(ToolCode::ActionPoint);
        break;
    case C::CreateNewEffectGenerator:
        started = controller.selectTool(ToolCode::EffectGenerator);
        break;
    case C::EditStartingCameraPosition:
        started = m_model->currentPlayer() && controller.beginCameraStart(*m_model->currentPlayer());
        break;
    case C::DefineBuildArea:
        started = m_model->currentPlayer() && controller.beginBuildArea(*m_model->currentPlayer());
        break;
    case C::MoveCreature:
        started = m_model->currentCreature() && controller.beginMove(*m_model->currentCreature());
        break;
    case C::MoveDoor:
        started = m_model->currentDoor() && controller.beginMove(*m_model->currentDoor());
        break;
    case C::MoveTrap:
        started = m_model->currentTrap() && controller.beginMove(*m_model->currentTrap());
        break;
    case C::MoveObject:
        started = m_model->currentObject() && controller.beginMove(*m_model->currentObject());
        break;
    case C::MoveActionPoint:
        started = m_model->currentActionPoint() && controller.beginMove(*m_model->currentActionPoint());
        break;
    case C::MoveEffectGenerator:
        started =
            m_model->currentEffectGenerator() && controller.beginMove(*m_model->currentEffectGenerator());
        break;
    default:
        return false;
    }
    if (started) {
        view->modeChanged();
        // The user goes on in the map.
        view->setFocus();
    }
    return started;
}

void CTriggerTree::runCommand(TreeCommand command)
{
    if (!m_model || !isTreeCommandAvailable(command))
        return;
    switch (command) {
    case C::ExpandAll:
        if (QTreeWidgetItem* top = topLevelItem(0))
            top->setExpanded(true);
        return;
    case C::CollapseAll:
        if (QTreeWidgetItem* top = topLevelItem(0))
            top->setExpanded(false);
        return;
    case C::Find:
        openFind();
        return;
    case C::ExportToFile:
        exportToFile();
        return;
    default:
        break;
    }
    if (!m_model->isEnabled(command))
        return;
    switch (command) {
    case C::CreateNewHeroParty:
        if (m_level)
            m_level->beginHeroPartyPicking(nullptr);
        return;
    case C::AddCreatureAction:
        if (m_level && m_model->currentTrigger())
            m_level->beginCreatureActionPicking(*m_model->currentTrigger());
        return;
    case C::EditTextMessages: {
        QtPrompter fallback(this);
        EditStep step(m_model->document(), treeCommandName(command));
        CTextMessagesDialog dialog(m_model->document(), m_prompter ? *m_prompter : fallback, window());
        dialog.exec();
        return;
    }
    case C::AddMembers:
        if (m_level && m_model->currentHeroParty())
            m_level->beginHeroPartyPicking(m_model->currentHeroParty());
        return;
    default:
        break;
    }
    if (editTriggers(command) || openThingDialog(command) || openPlayerDialog(command) ||
        openLevelDialog(command) || requestTypeEditor(command))
        return;
    if (!startMapMode(command))
        m_model->run(command);
}

ScriptTreeItem* CTriggerTree::addTriggerOwner(TreeCommand command) const
{
    const ScriptTreeModel& m = *m_model;
    auto itemOf = [&m](const CLevelObject* object) { return object ? m.findItem(*object) : nullptr; };
    switch (command) {
    case C::LevelAddTrigger:
        return &m.root();
    case C::PlayerAddTrigger:
        return itemOf(m.currentPlayer());
    case C::CreatureAddTrigger:
        return itemOf(m.currentCreature());
    case C::DoorAddTrigger:
        return itemOf(m.currentDoor());
    case C::ObjectAddTrigger:
        return itemOf(m.currentObject());
    case C::ActionPointAddTrigger:
        return itemOf(m.currentActionPoint());
    case C::HeroPartyAddTrigger:
        return itemOf(m.currentHeroParty());
    case C::TriggerAddTrigger:
    case C::EditTriggerProperties:
    case C::AddAction:
        return m.currentTrigger() ? m.findTriggerItem(m.currentTrigger()->id()) : nullptr;
    case C::EditActionProperties:
        return m.currentAction() ? m.findActionItem(m.currentAction()->id()) : nullptr;
    default:
        return nullptr;
    }
}

bool CTriggerTree::editTriggers(TreeCommand command)
{
    ScriptTreeItem* item = addTriggerOwner(command);
    if (!item)
        return false;
    QtPrompter fallback(this);
    SheetEditors editors(*m_model, m_prompter ? *m_prompter : fallback, this);
    // A confirmed sheet is one step; a cancelled one changes nothing and leaves none.
    EditStep step(m_model->document(), treeCommandName(command));
    switch (command) {
    case C::EditTriggerProperties:
        m_model->editTrigger(*item, editors);
        break;
    case C::AddAction:
        m_model->addAction(*item, editors);
        break;
    case C::EditActionProperties:
        m_model->editAction(*item, editors);
        break;
    default:
        m_model->addTrigger(*item, editors);
        break;
    }
    return true;
}

bool CTriggerTree::openThingDialog(TreeCommand command)
{
    if (!isThingDialogCommand(command))
        return false;
    const CTypeDatabase* types = m_level ? m_level->context().types : nullptr;
    if (!types || !m_prompter)
        return true;
    std::unique_ptr<ThingSession> session =
        thingSession(command, m_model->currentTargets(), m_level->document(), *types, *m_prompter);
    if (!session)
        return true;
    CThingDialog dialog(*session, m_level->context(), *m_prompter, window());
    dialog.exec();
    return true;
}

bool CTriggerTree::openPlayerDialog(TreeCommand command)
{
    if (command != C::EditVorlanProperties && command != C::EditVorlanAlliances)
        return false;
    const CTypeDatabase* types = m_level ? m_level->context().types : nullptr;
    if (!types || !m_prompter)
        return true;
    CWorldEditorDoc& doc = m_level->document();
    if (command == C::EditVorlanAlliances) {
        // Each alliance made or removed is a step of its own.
        AllianceEditor editor(doc);
        CAllianceDialog dialog(editor, window());
        dialog.exec();
        return true;
    }
    if (!VorlanPropertiesSession::hasVorlan(doc))
        return true;
    // Everything the dialog changes, players committed on the way included, is one step.
    EditStep step(doc, treeCommandName(command));
    const CPlayer* player = m_model->currentPlayer();
    VorlanPropertiesSession session(doc, *types,
                                    player ? std::optional<uint8_t>(player->id()) : std::nullopt);
    CVorlanPropertiesDialog dialog(session, *m_prompter, window());
    dialog.exec();
    return true;
}

bool CTriggerTree::openLevelDialog(TreeCommand command)
{
    if (command != C::ResetAllCreatureProperties && command != C::EditLevelProperties &&
        command != C::EditLevelVariables)
        return false;
    if (!m_prompter)
        return true;
    CWorldEditorDoc& doc = m_model->document();
    if (command == C::EditLevelProperties) {
        editLevelInformation(doc, *m_prompter, window());
        return true;
    }
    if (command == C::EditLevelVariables) {
        const CTypeDatabase* types = m_level ? m_level->context().types : nullptr;
        if (types)
            editLevelVariables(doc, *types,
                               {[this] { emit globalTableEditorRequested(true); },
                                [this] { emit globalTableEditorRequested(false); }},
                               *m_prompter, window());
        return true;
    }
    ResetChoice choice = initialReset();
    if (!runFormDialog(resetCreaturesForm(), choice, *m_prompter, window()))
        return true;
    EditStep step(doc, treeCommandName(command));
    doc.ResetAllCreatureProperties(choice.mask);
    return true;
}

void CTriggerTree::editSpecialRoom(SpecialRoom room, TilePoint tile, CPlayer* player)
{
    const CTypeDatabase* types = m_level ? m_level->context().types : nullptr;
    if (!types || !m_prompter)
        return;
    std::unique_ptr<ThingSession> session =
        specialRoomSession(room, tile, player, m_level->document(), *types);
    if (!session)
        return;
    CThingDialog dialog(*session, m_level->context(), *m_prompter, window());
    dialog.exec();
}

bool CTriggerTree::requestTypeEditor(TreeCommand command)
{
    const TreeCommandTargets t = m_model->currentTargets();
    switch (command) {
    case C::EditCreatureType:
        if (t.creature)
            emit typeEditorRequested(TypeFamily::Creature, t.creature->type());
        return true;
    case C::EditDoorType:
        if (t.door)
            emit typeEditorRequested(TypeFamily::Door, t.door->type());
        return true;
    case C::EditTrapType:
        if (t.trap)
            emit typeEditorRequested(TypeFamily::Trap, t.trap->type());
        return true;
    case C::EditObjectType:
        if (t.object)
            emit typeEditorRequested(TypeFamily::Object, t.object->type());
        return true;
    default:
        return false;
    }
}

void CTriggerTree::editPropertiesOf(const CLevelObject& object)
{
    if (!m_model)
        return;
    ScriptTreeItem* item = m_model->findItem(object);
    TreeCommand command;
    if (!item || !m_model->doubleClickCommand(*item, command) || !isTreeCommandAvailable(command))
        return;
    m_model->select(item);
    runCommand(command);
}

void CTriggerTree::exportToFile()
{
    if (!m_model || !m_prompter)
        return;
    const CWorldEditorDoc& doc = m_model->document();
    const std::filesystem::path levelPath =
        doc.isNamed() ? std::filesystem::path(doc.path()) : std::filesystem::path();
    if (auto written = runTreeExportCommand(m_model->root(), levelPath, m_fallbackFolder, *m_prompter))
        emit statusMessage(tr("The script tree was written to %1.").arg(QtText::fromPath(*written)));
}

// --- Find ----------------------------------------------------------------------------------------

void CTriggerTree::openFind()
{
    if (!m_find) {
        m_find = new CTreeFindDialog(window());
        connect(m_find, &CTreeFindDialog::findNextRequested, this, &CTriggerTree::findNext);
    }
    m_find->show();
    m_find->raise();
    m_find->activateWindow();
    m_find->textEdit()->setFocus();
    m_find->textEdit()->selectAll();
}

void CTriggerTree::findAgain()
{
    if (m_lastSearch.isEmpty()) {
        openFind();
        return;
    }
    findNext(m_lastSearch, m_lastSearchDown);
}

void CTriggerTree::findNext(const QString& text, bool down)
{
    if (!m_model || text.isEmpty())
        return;
    m_lastSearch = text;
    m_lastSearchDown = down;
    if (!m_model->findNext(QtText::toUtf16(text), down))
        emit statusMessage(tr("Cannot find \"%1\" in the script tree.").arg(text));
}

// --- mouse and keys ------------------------------------------------------------------------------

void CTriggerTree::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    m_pressed = modelItem(itemAt(pos));
    m_pressButton = event->button();
    m_pressPos = pos;
    if (event->button() == Qt::RightButton) {
        // A right press selects what it is on; its menu opens on release, unless it becomes a drag.
        if (QTreeWidgetItem* w = itemAt(pos))
            setCurrentItem(w);
        event->accept();
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

void CTriggerTree::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (m_dragged) {
        dragTo(pos);
        event->accept();
        return;
    }
    const bool held = (m_pressButton == Qt::LeftButton && (event->buttons() & Qt::LeftButton)) ||
                      (m_pressButton == Qt::RightButton && (event->buttons() & Qt::RightButton));
    if (held && isLive(m_pressed) && m_model && m_model->canDrag(*m_pressed) &&
        (pos - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) {
        beginDrag(*m_pressed, m_pressButton == Qt::RightButton);
        dragTo(pos);
        event->accept();
        return;
    }
    if (m_pressButton == Qt::RightButton)
        return;
    QTreeWidget::mouseMoveEvent(event);
}

void CTriggerTree::mouseReleaseEvent(QMouseEvent* event)
{
    const Qt::MouseButton pressed = m_pressButton;
    if (event->button() == pressed)
        m_pressButton = Qt::NoButton;
    if (m_dragged && event->button() == (m_rightDrag ? Qt::RightButton : Qt::LeftButton)) {
        finishDrag(event->globalPosition().toPoint());
        event->accept();
        return;
    }
    if (event->button() == Qt::RightButton && pressed == Qt::RightButton) {
        ScriptTreeItem* item = modelItem(itemAt(event->position().toPoint()));
        openMenu(item, event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QTreeWidget::mouseReleaseEvent(event);
}

void CTriggerTree::mouseDoubleClickEvent(QMouseEvent* event)
{
    ScriptTreeItem* item = modelItem(itemAt(event->position().toPoint()));
    TreeCommand command;
    if (event->button() == Qt::LeftButton && item && m_model && m_model->doubleClickCommand(*item, command) &&
        isTreeCommandAvailable(command)) {
        m_model->select(item);
        runCommand(command);
        event->accept();
        return;
    }
    // Without a command of its own, a double click opens or closes the item.
    if (event->button() == Qt::LeftButton)
        if (QTreeWidgetItem* w = itemAt(event->position().toPoint()); w && w->childCount() > 0)
            w->setExpanded(!w->isExpanded());
    QTreeWidget::mouseDoubleClickEvent(event);
}

bool CTriggerTree::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F3 &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        event->accept();
        return true;
    }
    return QTreeWidget::event(event);
}

void CTriggerTree::keyPressEvent(QKeyEvent* event)
{
    if (m_dragged && event->key() == Qt::Key_Escape) {
        endDrag();
        event->accept();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        if (m_model)
            m_model->deleteSelected();
        event->accept();
        return;
    case Qt::Key_F3:
        findAgain();
        event->accept();
        return;
    default:
        QTreeWidget::keyPressEvent(event);
    }
}

QString CTriggerTree::cutTextAt(QPoint viewportPos) const
{
    const QTreeWidgetItem* item = itemAt(viewportPos);
    if (!item)
        return {};
    const QRect shown = visualItemRect(item);
    const QString text = item->text(0);
    const int iconRoom = iconSize().width() > 0 ? iconSize().width() + 6 : 22;
    const int needed = QFontMetrics(item->font(0)).horizontalAdvance(text) + iconRoom + 4;
    const int available = viewport()->width() - shown.left();
    return needed > available ? text : QString();
}

bool CTriggerTree::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = cutTextAt(help->pos());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, viewport());
        return true;
    }
    return QTreeWidget::viewportEvent(event);
}

void CTriggerTree::contextMenuEvent(QContextMenuEvent* event)
{
    // Mouse menus open on the right button's release (a right drag ends in its own menu); the
    // keyboard's menu key opens the selected item's.
    if (event->reason() == QContextMenuEvent::Mouse) {
        event->accept();
        return;
    }
    ScriptTreeItem* item = modelItem(currentItem());
    QPoint at = event->globalPos();
    if (QTreeWidgetItem* w = currentItem())
        at = viewport()->mapToGlobal(visualItemRect(w).bottomLeft());
    openMenu(item, at);
    event->accept();
}

// --- dragging ------------------------------------------------------------------------------------

void CTriggerTree::beginDrag(ScriptTreeItem& item, bool right)
{
    m_dragged = &item;
    m_rightDrag = right;
    m_dropTarget = nullptr;
    m_scrollTicks = 0;
}

void CTriggerTree::dragTo(QPoint pos)
{
    if (!m_dragged || !m_model)
        return;
    m_dragPos = pos;
    setDropTarget(modelItem(itemAt(pos)));
    // A left drop moves as a child; a right drop offers the menu of what the two items allow.
    bool accepted = false;
    if (m_dropTarget) {
        if (!m_rightDrag)
            accepted = m_model->offersDrop(*m_dragged, *m_dropTarget, C::MoveAsChild);
        else
            for (const TreeMenuEntry& e : dropMenu())
                accepted = accepted || m_model->offersDrop(*m_dragged, *m_dropTarget, e.command);
    }
    viewport()->setCursor(accepted ? Qt::DragMoveCursor : Qt::ForbiddenCursor);

    const DragScroll scroll = DragScroll::at(pos.y(), viewport()->height());
    if (scroll.direction == 0) {
        m_scrollTimer.stop();
        m_scrollTicks = 0;
    } else if (!m_scrollTimer.isActive()) {
        m_scrollTicks = 0;
        m_scrollTimer.start();
    }
}

void CTriggerTree::setDropTarget(ScriptTreeItem* target)
{
    if (target == m_dropTarget)
        return;
    if (QTreeWidgetItem* old = m_dropTarget ? widgetItem(*m_dropTarget) : nullptr) {
        old->setData(0, Qt::BackgroundRole, QVariant());
        old->setData(0, Qt::ForegroundRole, QVariant());
    }
    m_dropTarget = target;
    if (QTreeWidgetItem* w = target ? widgetItem(*target) : nullptr) {
        w->setBackground(0, palette().brush(QPalette::Highlight));
        w->setForeground(0, palette().brush(QPalette::HighlightedText));
        m_hoverTimer.start();
    } else {
        m_hoverTimer.stop();
    }
}

void CTriggerTree::scrollTick()
{
    if (!m_dragged) {
        m_scrollTimer.stop();
        return;
    }
    const DragScroll scroll = DragScroll::at(m_dragPos.y(), viewport()->height());
    if (scroll.direction == 0) {
        m_scrollTimer.stop();
        return;
    }
    if (!scroll.scrollsOn(++m_scrollTicks))
        return;
    verticalScrollBar()->triggerAction(scroll.direction < 0 ? QAbstractSlider::SliderSingleStepSub
                                                            : QAbstractSlider::SliderSingleStepAdd);
    // The item now at the edge is where the drop would go.
    const QPoint edge(m_dragPos.x(), scroll.direction < 0 ? 1 : viewport()->height() - 2);
    if (ScriptTreeItem* atEdge = modelItem(itemAt(edge)))
        setDropTarget(atEdge);
}

void CTriggerTree::endDrag()
{
    setDropTarget(nullptr);
    m_dragged = nullptr;
    m_hoverTimer.stop();
    m_scrollTimer.stop();
    viewport()->unsetCursor();
}

void CTriggerTree::finishDrag(QPoint globalPos)
{
    ScriptTreeItem* dragged = m_dragged;
    ScriptTreeItem* target = m_dropTarget;
    const bool right = m_rightDrag;
    endDrag();
    if (!m_model || !isLive(dragged) || !isLive(target))
        return;
    if (!right) {
        if (m_model->offersDrop(*dragged, *target, C::MoveAsChild)) {
            EditStep step(m_model->document(), treeCommandName(C::MoveAsChild));
            m_model->leftDrop(*dragged, *target);
        }
        return;
    }
    const std::vector<TreeMenuEntry> entries = availableEntries(dropMenu());
    if (std::none_of(entries.begin(), entries.end(), [&](const TreeMenuEntry& e) {
            return m_model->offersDrop(*dragged, *target, e.command);
        }))
        return;
    QMenu menu(this);
    for (const TreeMenuEntry& e : entries) {
        QAction* action = menu.addAction(QtText::fromUtf16(e.text));
        action->setEnabled(m_model->offersDrop(*dragged, *target, e.command));
        action->setData(int(e.command));
    }
    QAction* chosen = menu.exec(globalPos);
    // The menu ran its own event loop: both items must still be there.
    if (!chosen || !m_model || !isLive(dragged) || !isLive(target))
        return;
    const auto command = TreeCommand(chosen->data().toInt());
    EditStep step(m_model->document(), treeCommandName(command));
    m_model->drop(*dragged, *target, command);
}

} // namespace gr2
