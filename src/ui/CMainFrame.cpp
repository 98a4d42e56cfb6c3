#include "ui/CMainFrame.h"

#include "app/StatusTexts.h"
#include "app/ZoomTable.h"
#include "document/LevelProblems.h"
#include "level/CWorldEditorDoc.h"
#include "script/ScriptTreeCommands.h"
#include "script/ScriptTreeModel.h"
#include "ui/CChildFrame.h"
#include "ui/CDockControlBar.h"
#include "ui/CPanelBar.h"
#include "ui/CTriggerTree.h"
#include "ui/CWorldEditorView.h"
#include "ui/HistoryDock.h"
#include "ui/ProblemsDock.h"
#include "ui/QtText.h"
#include "ui/ToolbarIcons.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace gr2 {

namespace {

constexpr int kRecentFileCount = 6;
constexpr int kZoomBoxWidth = 60;
constexpr int kStatusMessageMilliseconds = 5000;
constexpr const char* kAppTitle = "GR2 World Editor";

QString statusPrompt(const EditorCommandInfo& info)
{
    return QtText::fromSystem(info.prompt).section(QLatin1Char('\n'), 0, 0);
}

QString tooltip(const EditorCommandInfo& info)
{
    return QtText::fromSystem(info.prompt).section(QLatin1Char('\n'), 1, 1);
}

DesktopRect desktopRect(const QRect& r)
{
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

} // namespace

CMainFrame::CMainFrame(const CTypeDatabase* types, QWidget* parent) : QMainWindow(parent), m_types(types)
{
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowTitle(QtText::fromSystem(kAppTitle));
    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setViewMode(QMdiArea::SubWindowView);
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdiArea);
    // The bars' own menu is the "&ToolBars" pop-up, shown on any right press over a bar.
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(true);
    setDockNestingEnabled(true);

    createActions();
    // Before the menus, which list it; it docks with the other bars below.
    m_historyDock = new HistoryDock(this);
    m_browserBar = new CBrowserBar(this);
    m_problemsDock = new ProblemsDock(m_browserBar->tree(), this);
    createMenus();
    createToolBars();
    createDockBars();
    createStatusBar();

    if (m_types)
        showDrawItem(TypeKind::Terrain, firstTerrainId(*m_types));
    showTile(0, 0, nullptr);
    showPosition(-1, -1);
    showMapSize(0, 0);
    for (int bar = 0; bar < BarCount; ++bar)
        applyBarVisibility(Bar(bar));

    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this] {
        // The tree shows the active level; a frame that lost the focus to a dialog keeps its level.
        m_browserBar->tree()->showLevel(activeChildFrame());
        // With the last level closed, the status bar names no tile, position or map size.
        if (m_mdiArea->subWindowList().isEmpty())
            clearLevelPanes();
        updateTitle();
        updateCommandUI();
    });
    // Command states follow the views the way an idle-time update does: often enough that a
    // button never shows a stale state for long, cheap because it only reads flags.
    auto* idle = new QTimer(this);
    connect(idle, &QTimer::timeout, this, &CMainFrame::updateCommandUI);
    idle->start(250);
    updateCommandUI();
}

CMainFrame::~CMainFrame()
{
    // The level windows go first, while the frame they report to is still whole.
    disconnect(m_mdiArea, nullptr, this, nullptr);
    for (QMdiSubWindow* sub : m_mdiArea->subWindowList())
        delete sub;
}

void CMainFrame::clearLevelPanes()
{
    showTile(0, 0, nullptr);
    showPosition(-1, -1);
    showMapSize(0, 0);
    statusBar()->clearMessage();
}

QList<CWorldEditorView*> CMainFrame::allViews() const
{
    QList<CWorldEditorView*> views;
    for (QMdiSubWindow* sub : m_mdiArea->subWindowList())
        if (auto* child = qobject_cast<CChildFrame*>(sub->widget()))
            views << child->views();
    return views;
}

bool CMainFrame::event(QEvent* event)
{
    // While a modal window is up the pointer cannot be on a map, so no brush may stay drawn there
    // as if it had been placed.
    if (event->type() == QEvent::WindowBlocked)
        for (CWorldEditorView* view : allViews())
            view->pointerLeft();
    const bool result = QMainWindow::event(event);
    // A closed dialog gives the keyboard back to the map view or tree that opened it, so that
    // Ctrl+Z and the view's keys work at once, whether or not the window system activates the
    // frame again.
    if (event->type() == QEvent::WindowUnblocked && isVisible()) {
        activateWindow();
        if (QWidget* last = focusWidget())
            last->setFocus(Qt::OtherFocusReason);
    }
    return result;
}

void CMainFrame::createActions()
{
    for (size_t i = 0; i < size_t(EditorCommand::Count); ++i) {
        const auto command = EditorCommand(i);
        const EditorCommandInfo& info = commandInfo(command);
        auto* action = new QAction(tr(info.text), this);
        if (!info.shortcut.isEmpty())
            action->setShortcut(info.shortcut);
        // Redo answers the other common key too.
        if (command == EditorCommand::Redo)
            action->setShortcuts({info.shortcut, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
        action->setStatusTip(statusPrompt(info));
        action->setToolTip(tooltip(info));
        action->setCheckable(info.checkable);
        action->setIcon(toolbarIcon(command));
        action->setIconVisibleInMenu(false);
        connect(action, &QAction::triggered, this, [this, command] { route(command); });
        m_actions[i] = action;
    }
}

void CMainFrame::createMenus()
{
    using C = EditorCommand;
    m_fileMenu = menuBar()->addMenu(tr("&File"));
    m_fileMenu->addActions({action(C::New), action(C::Open), action(C::Close)});
    m_fileMenu->addSeparator();
    m_fileMenu->addActions({action(C::Save), action(C::SaveAs)});
    m_fileMenu->addSeparator();
    m_fileMenu->addActions({action(C::ExportJson), action(C::ImportJson)});
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(action(C::SaveGameData));
    m_fileMenu->addSeparator();
    m_fileMenu->addActions({action(C::Print), action(C::PrintSetup)});
    m_recentSeparator = m_fileMenu->addSeparator();
    for (int i = 0; i < kRecentFileCount; ++i) {
        QAction* recent = m_fileMenu->addAction(QString());
        recent->setVisible(false);
        connect(recent, &QAction::triggered, this,
                [this, recent] { emit openRecentRequested(recent->data().toString()); });
        m_recentActions << recent;
    }
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(action(C::Exit));

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addActions({action(C::Undo), action(C::Redo)});
    edit->addSeparator();
    edit->addActions({action(C::Cut), action(C::Copy), action(C::Paste)});
    edit->addSeparator();
    edit->addActions({action(C::SelectAll), action(C::ClearAll)});

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->addActions({action(C::ToggleToolBar), action(C::ToggleStatusBar), action(C::ToggleDrawingToolBar),
                      action(C::ToggleSelectionBar), action(C::ToggleScriptTree)});
    view->addSeparator();
    view->addAction(m_historyDock->toggleViewAction());
    view->addAction(m_problemsDock->toggleViewAction());
    view->addSeparator();
    view->addActions({action(C::Grid), action(C::ShrinkToFit), action(C::ShowWaypointPaths)});

    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    tools->addActions({action(C::RectangleSelect), action(C::Paint), action(C::Magnify), action(C::DrawLine),
                       action(C::DrawRectangle), action(C::DrawCircle), action(C::DrawFilled),
                       action(C::FloodFill)});
    tools->addSeparator();
    tools->addActions({action(C::CreateActionPoint), action(C::CreateEffectGenerator)});
    tools->addSeparator();
    tools->addActions({action(C::EditCameraStart), action(C::DefineBuildArea)});
    tools->addSeparator();
    tools->addAction(action(C::ValidateLevel));

    QMenu* map = menuBar()->addMenu(tr("&Map"));
    map->addActions({action(C::FlipX), action(C::FlipY), action(C::RotateMap), action(C::ResizeMap)});
    map->addSeparator();
    map->addActions({action(C::BrushFlipX), action(C::BrushFlipY), action(C::BrushRotate)});

    // The level's own commands, also in the script tree's menu of the level item: greyed by the
    // same rules and run by the tree on the active level.
    m_levelMenu = menuBar()->addMenu(tr("&Level"));
    for (const TreeMenuEntry& e : availableEntries(menuFor(TreeItemKind::Level))) {
        QAction* entry = m_levelMenu->addAction(QtText::fromUtf16(e.text));
        entry->setData(int(e.command));
        const TreeCommand command = e.command;
        connect(entry, &QAction::triggered, this,
                [this, command] { m_browserBar->tree()->runCommand(command); });
    }
    connect(m_levelMenu, &QMenu::aboutToShow, this, &CMainFrame::updateLevelMenu);
    updateLevelMenu();

    QMenu* configuration = menuBar()->addMenu(tr("&Configuration"));
    configuration->addActions({action(C::TerrainTypes), action(C::RoomTypes), action(C::CreatureTypes),
                               action(C::DoorTypes), action(C::TrapTypes), action(C::ObjectTypes),
                               action(C::VorlanSpellTypes), action(C::CreatureSpellTypes),
                               action(C::ShotTypes), action(C::EffectTypes), action(C::EffectElementTypes)});
    configuration->addSeparator();
    configuration->addAction(action(C::ResetToDefaults));

    m_windowMenu = menuBar()->addMenu(tr("&Window"));
    // The open level windows follow the commands, numbered, the active one checked.
    connect(m_windowMenu, &QMenu::aboutToShow, this, &CMainFrame::fillWindowMenu);
    fillWindowMenu();

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(action(C::About));

    m_toolBarsMenu = new QMenu(tr("&ToolBars"), this);
    m_toolBarsMenu->addActions({action(C::ToggleToolBar), action(C::ToggleStatusBar)});
    m_toolBarsMenu->addSeparator();
    m_toolBarsMenu->addActions(
        {action(C::ToggleDrawingToolBar), action(C::ToggleSelectionBar), action(C::ToggleScriptTree)});
    setRecentFiles({});
}

void CMainFrame::createToolBars()
{
    using C = EditorCommand;
    m_standardBar = new QToolBar(tr("Standard"), this);
    m_standardBar->setObjectName(QStringLiteral("Standard"));
    m_standardBar->addActions({action(C::New), action(C::Open), action(C::Save)});
    m_standardBar->addSeparator();
    m_standardBar->addActions({action(C::Cut), action(C::Copy), action(C::Paste)});
    m_standardBar->addSeparator();
    m_standardBar->addActions({action(C::Print), action(C::About)});

    m_editingBar = new QToolBar(tr("Editing Tools"), this);
    m_editingBar->setObjectName(QStringLiteral("Editing Tools"));
    m_editingBar->addAction(action(C::RectangleSelect));
    m_editingBar->addSeparator();
    m_zoomBox = new QComboBox(m_editingBar);
    m_zoomBox->setFixedWidth(kZoomBoxWidth);
    m_zoomBox->setToolTip(tr("Zoom"));
    m_zoomBox->setStatusTip(tr("Change the size of the map tiles"));
    for (int i = 0; i < ZoomTable::count(); ++i)
        m_zoomBox->addItem(QtText::fromSystem(ZoomTable::label(i)), ZoomTable::tileSize(i));
    m_zoomBox->setCurrentIndex(ZoomTable::kDefaultIndex);
    m_zoomBox->setMaxVisibleItems(ZoomTable::count());
    connect(m_zoomBox, &QComboBox::activated, this,
            [this](int index) { emit zoomChosen(ZoomTable::tileSize(index)); });
    m_editingBar->addWidget(m_zoomBox);
    m_editingBar->addSeparator();
    m_editingBar->addActions({action(C::Paint), action(C::DrawLine), action(C::DrawRectangle),
                              action(C::DrawCircle), action(C::DrawFilled)});
    m_editingBar->addSeparator();
    m_editingBar->addAction(action(C::FloodFill));
    m_editingBar->addSeparator();
    m_editingBar->addActions({action(C::CreateActionPoint), action(C::CreateEffectGenerator)});
    m_editingBar->addSeparator();
    m_editingBar->addActions({action(C::EditCameraStart), action(C::DefineBuildArea)});

    for (QToolBar* bar : {m_standardBar, m_editingBar}) {
        bar->setAllowedAreas(Qt::AllToolBarAreas);
        bar->setFloatable(true);
        bar->setIconSize(QSize(24, 24));
        bar->installEventFilter(this);
    }
    // Both in the top row, the drawing bar right of the main bar.
    addToolBar(Qt::TopToolBarArea, m_standardBar);
    addToolBar(Qt::TopToolBarArea, m_editingBar);
}

void CMainFrame::createDockBars()
{
    m_panelBar = new CPanelBar(this);
    addDockWidget(Qt::LeftDockWidgetArea, m_browserBar);
    addDockWidget(Qt::BottomDockWidgetArea, m_panelBar);
    resizeDocks({m_browserBar}, {m_browserBar->sizeHint().width()}, Qt::Horizontal);
    resizeDocks({m_panelBar}, {m_panelBar->sizeHint().height()}, Qt::Vertical);
    connect(m_panelBar, &CDockControlBar::hiddenByUser, this, [this] {
        m_barVisible[SelectionBar] = false;
        updateCommandUI();
    });
    connect(m_browserBar, &CDockControlBar::hiddenByUser, this, [this] {
        m_barVisible[ScriptTree] = false;
        updateCommandUI();
    });
    connect(m_problemsDock, &ProblemsDock::switchedOffRulesChanged, this, [this] {
        m_countedLevel = nullptr;
        updateProblemCount();
    });
    connect(m_browserBar->tree(), &CTriggerTree::statusMessage, this,
            [this](const QString& text) { statusBar()->showMessage(text, kStatusMessageMilliseconds); });
    for (QWidget* bar : {static_cast<QWidget*>(m_panelBar), static_cast<QWidget*>(m_browserBar)})
        bar->installEventFilter(this);

    addDockWidget(Qt::RightDockWidgetArea, m_historyDock);
    connect(m_historyDock, &HistoryDock::historyMoved, this, &CMainFrame::updateCommandUI);
    // Below the levels, hidden until the first validation.
    addDockWidget(Qt::BottomDockWidgetArea, m_problemsDock);
    m_problemsDock->hide();
    connect(m_problemsDock, &ProblemsDock::statusMessage, this,
            [this](const QString& text) { statusBar()->showMessage(text, kStatusMessageMilliseconds); });
}

void CMainFrame::createStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->installEventFilter(this);
    // What a save would refuse is in sight before Save: the count follows every step.
    m_problemsButton = new QToolButton(bar);
    m_problemsButton->setObjectName(QStringLiteral("ProblemsCount"));
    m_problemsButton->setAutoRaise(true);
    m_problemsButton->setToolTip(tr("Show the level's errors and warnings in the Problems window"));
    m_problemsButton->hide();
    connect(m_problemsButton, &QToolButton::clicked, this, [this] {
        if (CChildFrame* level = activeChildFrame()) {
            m_problemsDock->validate(level);
            m_problemsDock->show();
            m_problemsDock->raise();
        }
    });
    bar->addPermanentWidget(m_problemsButton);
    // Pane 0 is the status bar's own message area, which stretches and shows command prompts.
    for (int pane = 1; pane < StatusPane::Count; ++pane) {
        auto* label = new QLabel(bar);
        label->setMinimumWidth(kStatusPaneWidths[pane]);
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        label->installEventFilter(this);
        bar->addPermanentWidget(label);
        m_panes[size_t(pane)] = label;
    }
    // The count never makes the bar taller than its panes: the map would shrink when it shows.
    m_problemsButton->setFixedHeight(m_panes[StatusPane::DrawItem]->sizeHint().height());
}

QString CMainFrame::paneText(int pane) const
{
    if (pane == StatusPane::Prompt)
        return statusBar()->currentMessage();
    if (pane < 1 || pane >= StatusPane::Count)
        return {};
    return m_panes[size_t(pane)]->text();
}

void CMainFrame::showDrawItem(TypeKind kind, uint8_t typeId)
{
    m_drawItemKind = kind;
    m_drawItemId = typeId;
    m_panes[StatusPane::DrawItem]->setText(m_types ? QtText::fromSystem(drawItemText(*m_types, kind, typeId))
                                                   : QString());
}

void CMainFrame::showTile(uint8_t terrainId, uint8_t playerId, const CWorldEditorDoc* level)
{
    m_panes[StatusPane::Tile]->setText(
        m_types ? QtText::fromSystem(tileText(*m_types, level, terrainId, playerId)) : QString());
}

void CMainFrame::showPosition(int32_t x, int32_t y)
{
    m_panes[StatusPane::Position]->setText(QtText::fromSystem(positionText(x, y)));
}

void CMainFrame::showMapSize(uint32_t width, uint32_t height)
{
    m_panes[StatusPane::MapSize]->setText(QtText::fromSystem(mapSizeText(width, height)));
}

void CMainFrame::selectZoom(int tileSize)
{
    m_zoomBox->setCurrentIndex(ZoomTable::indexOfTileSize(tileSize));
}

CChildFrame* CMainFrame::activeChildFrame() const
{
    QMdiSubWindow* sub = m_mdiArea->activeSubWindow();
    if (!sub && !m_mdiArea->subWindowList().isEmpty())
        sub = m_mdiArea->currentSubWindow();
    return sub ? qobject_cast<CChildFrame*>(sub->widget()) : nullptr;
}

CWorldEditorView* CMainFrame::activeView() const
{
    CChildFrame* child = activeChildFrame();
    return child ? child->activeView() : nullptr;
}

void CMainFrame::updateTitle()
{
    QString title = QtText::fromSystem(kAppTitle);
    // A maximized level window puts its buttons into the menu bar and its own title, in brackets,
    // after the frame's title, as multiple-document windows do; the frame then shows only its name.
    // While a modeless dialog (Find, a prompt) has the focus no level window is active; the
    // current one still shows its title in the frame.
    QMdiSubWindow* sub = m_mdiArea->activeSubWindow();
    if (!sub)
        sub = m_mdiArea->currentSubWindow();
    const bool titleFromLevelWindow =
        sub && sub->isMaximized() && menuBar()->cornerWidget(Qt::TopRightCorner);
    if (CChildFrame* child = activeChildFrame(); child && !titleFromLevelWindow) {
        title += QStringLiteral(" - ") + child->documentTitle();
        if (child->isDocumentModified())
            title += QLatin1Char('*');
    }
    setWindowTitle(title);
}

// --- commands -----------------------------------------------------------------------------------

void CMainFrame::route(EditorCommand command)
{
    if (CWorldEditorView* view = activeView())
        if (view->onCommand(command)) {
            updateCommandUI();
            return;
        }
    if (onCommand(command)) {
        updateCommandUI();
        return;
    }
    if (m_appTarget)
        m_appTarget->onCommand(command);
    updateCommandUI();
}

void CMainFrame::updateCommandUI()
{
    CWorldEditorView* view = activeView();
    for (size_t i = 0; i < m_actions.size(); ++i) {
        const auto command = EditorCommand(i);
        std::optional<CommandState> state;
        if (view)
            state = view->commandState(command);
        if (!state)
            state = commandState(command);
        if (!state && m_appTarget)
            state = m_appTarget->commandState(command);
        QAction* a = m_actions[i];
        // A command nobody handles now is greyed, as menus and buttons without a handler are.
        a->setEnabled(state && state->enabled);
        if (a->isCheckable())
            a->setChecked(state && state->checked);
        const QString text = state && !state->text.isEmpty() ? state->text : tr(commandInfo(command).text);
        if (a->text() != text)
            a->setText(text);
        const QString prompt =
            state && !state->prompt.isEmpty() ? state->prompt : statusPrompt(commandInfo(command));
        if (a->statusTip() != prompt)
            a->setStatusTip(prompt);
    }
    m_zoomBox->setEnabled(view != nullptr);
    m_historyDock->showHistory(view ? &view->document() : nullptr);
    updateProblemCount();
}

void CMainFrame::updateProblemCount()
{
    CWorldEditorView* view = activeView();
    if (!view) {
        m_problemsButton->hide();
        m_countedLevel = nullptr;
        return;
    }
    const CWorldEditorDoc& doc = view->document();
    const LevelHistory& history = doc.history();
    if (m_countedLevel == &doc && m_countedRevision == history.revision() &&
        m_countedPosition == history.position() && !m_problemsButton->isHidden())
        return;
    m_countedLevel = &doc;
    m_countedRevision = history.revision();
    m_countedPosition = history.position();
    size_t errors = 0, warnings = 0;
    for (const LevelProblem& p : validateLevel(doc, m_problemsDock->switchedOffRules()))
        ++(p.severity == ProblemSeverity::Error ? errors : warnings);
    QString text;
    if (errors == 0 && warnings == 0)
        text = tr("No problems");
    else
        text = tr("Problems: %1, %2")
                   .arg(errors == 1 ? tr("1 error") : tr("%1 errors").arg(errors))
                   .arg(warnings == 1 ? tr("1 warning") : tr("%1 warnings").arg(warnings));
    m_problemsButton->setText(text);
    m_problemsButton->show();
}

bool CMainFrame::onCommand(EditorCommand command)
{
    using C = EditorCommand;
    switch (command) {
    case C::ToggleToolBar:
        toggleBar(MainToolBar);
        return true;
    case C::ToggleStatusBar:
        toggleBar(StatusBar);
        return true;
    case C::ToggleDrawingToolBar:
        toggleBar(DrawingToolBar);
        return true;
    case C::ToggleSelectionBar:
        toggleBar(SelectionBar);
        return true;
    case C::ToggleScriptTree:
        toggleBar(ScriptTree);
        return true;
    case C::Open:
        emit openRequested();
        return true;
    case C::New:
        emit newRequested();
        return true;
    case C::SaveGameData:
        emit saveGameDataRequested();
        return true;
    case C::PrintSetup:
        emit printSetupRequested();
        return true;
    case C::ResetToDefaults:
        emit resetToDefaultsRequested();
        return true;
    case C::About:
        emit aboutRequested();
        return true;
    case C::Exit:
        close();
        return true;
    case C::Close:
        if (QMdiSubWindow* sub = m_mdiArea->activeSubWindow())
            sub->close();
        return true;
    case C::SplitWindow:
        if (CChildFrame* child = activeChildFrame())
            child->toggleSplit();
        return true;
    case C::Cascade:
        cascadeLevelWindows();
        return true;
    case C::Tile:
        m_mdiArea->tileSubWindows();
        return true;
    case C::ValidateLevel:
        m_problemsDock->validate(activeChildFrame());
        m_problemsDock->show();
        m_problemsDock->raise();
        return true;
    default:
        return false;
    }
}

std::optional<CommandState> CMainFrame::commandState(EditorCommand command) const
{
    using C = EditorCommand;
    switch (command) {
    case C::ToggleToolBar:
        return CommandState{true, m_barVisible[MainToolBar], {}, {}};
    case C::ToggleStatusBar:
        return CommandState{true, m_barVisible[StatusBar], {}, {}};
    case C::ToggleDrawingToolBar:
        return CommandState{true, m_barVisible[DrawingToolBar], {}, {}};
    case C::ToggleSelectionBar:
        return CommandState{true, m_barVisible[SelectionBar], {}, {}};
    case C::ToggleScriptTree:
        return CommandState{true, m_barVisible[ScriptTree], {}, {}};
    case C::Open:
    case C::New:
    case C::SaveGameData:
    case C::PrintSetup:
    case C::ResetToDefaults:
    case C::About:
    case C::Exit:
        return CommandState{};
    case C::Close:
    case C::SplitWindow:
    case C::ValidateLevel:
        return CommandState{activeChildFrame() != nullptr, false, {}, {}};
    case C::Cascade:
    case C::Tile:
        return CommandState{!m_mdiArea->subWindowList().isEmpty(), false, {}, {}};
    default:
        return std::nullopt;
    }
}

// --- bars ---------------------------------------------------------------------------------------

QWidget* CMainFrame::barWidget(Bar bar) const
{
    switch (bar) {
    case MainToolBar:
        return m_standardBar;
    case DrawingToolBar:
        return m_editingBar;
    case SelectionBar:
        return m_panelBar;
    case ScriptTree:
        return m_browserBar;
    case StatusBar:
        return const_cast<CMainFrame*>(this)->statusBar();
    default:
        return nullptr;
    }
}

void CMainFrame::toggleBar(Bar bar)
{
    m_barVisible[bar] = !m_barVisible[bar];
    applyBarVisibility(bar);
}

void CMainFrame::applyBarVisibility(Bar bar)
{
    if (QWidget* w = barWidget(bar))
        w->setVisible(m_barVisible[bar]);
}

void CMainFrame::updateLevelMenu()
{
    const ScriptTreeModel* model = m_browserBar ? m_browserBar->tree()->model() : nullptr;
    for (QAction* entry : m_levelMenu->actions())
        entry->setEnabled(model && model->isEnabled(TreeCommand(entry->data().toInt())));
}

QMenu* CMainFrame::createPopupMenu()
{
    updateCommandUI();
    // The caller owns what it gets; a copy of the shared pop-up keeps the frame's one intact.
    auto* menu = new QMenu(m_toolBarsMenu->title(), this);
    menu->addActions(m_toolBarsMenu->actions());
    return menu;
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        // What a docking bar hosts (the palette, the script tree) has its own menus; only the
        // bar's frame and caption offer the bars' menu.
        const auto* dock = qobject_cast<QDockWidget*>(watched);
        const bool onContent = dock && dock->widget() && dock->widget()->isVisible() &&
                               dock->widget()->geometry().contains(mouse->position().toPoint());
        if (mouse->button() == Qt::RightButton && !onContent) {
            updateCommandUI();
            m_toolBarsMenu->popup(mouse->globalPosition().toPoint());
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// --- level windows ------------------------------------------------------------------------------

void CMainFrame::fillWindowMenu()
{
    using C = EditorCommand;
    m_windowMenu->clear();
    m_windowMenu->addActions({action(C::SplitWindow), action(C::Cascade), action(C::Tile)});
    const QList<QMdiSubWindow*> windows = m_mdiArea->subWindowList();
    if (windows.isEmpty())
        return;
    m_windowMenu->addSeparator();
    QMdiSubWindow* active = m_mdiArea->activeSubWindow();
    int number = 0;
    for (QMdiSubWindow* sub : windows) {
        ++number;
        QString title = sub->windowTitle();
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* entry =
            m_windowMenu->addAction(number <= 9 ? QStringLiteral("&%1 %2").arg(number).arg(title)
                                                : QStringLiteral("%1 %2").arg(number).arg(title));
        entry->setCheckable(true);
        entry->setChecked(sub == active);
        QPointer<QMdiSubWindow> target(sub);
        connect(entry, &QAction::triggered, this, [this, target] {
            if (target)
                m_mdiArea->setActiveSubWindow(target);
        });
    }
}

void CMainFrame::cascadeLevelWindows()
{
    // Each window keeps two thirds of the area, each one step below and right of the one before,
    // so every title bar stays in reach and each map has room to work in.
    const QRect area = m_mdiArea->viewport()->rect();
    const QList<QMdiSubWindow*> windows = m_mdiArea->subWindowList(QMdiArea::ActivationHistoryOrder);
    const int step = std::max(20, style()->pixelMetric(QStyle::PM_TitleBarHeight));
    const QSize size(std::max(area.width() * 2 / 3, 200), std::max(area.height() * 2 / 3, 150));
    const int fitting = std::max(
        1, std::min((area.width() - size.width()) / step, (area.height() - size.height()) / step) + 1);
    int index = 0;
    for (QMdiSubWindow* sub : windows) {
        if (sub->isHidden())
            continue;
        if (sub->isMaximized() || sub->isMinimized())
            sub->showNormal();
        const int offset = (index++ % fitting) * step;
        sub->setGeometry(QRect(QPoint(offset, offset), size));
        sub->raise();
    }
    if (QMdiSubWindow* active = m_mdiArea->activeSubWindow())
        active->raise();
}

// --- files --------------------------------------------------------------------------------------

void CMainFrame::setRecentFiles(const QStringList& paths)
{
    for (int i = 0; i < m_recentActions.size(); ++i) {
        QAction* action = m_recentActions[i];
        if (i < paths.size()) {
            action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(paths[i])));
            action->setData(paths[i]);
            action->setVisible(true);
        } else {
            action->setVisible(false);
        }
    }
    m_recentSeparator->setVisible(!paths.isEmpty());
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        for (const QUrl& url : event->mimeData()->urls())
            if (url.isLocalFile()) {
                event->acceptProposedAction();
                return;
            }
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    activateWindow();
    emit filesDropped(paths);
}

// --- placement ----------------------------------------------------------------------------------

void CMainFrame::showWithPlacement(bool show)
{
    QSettings settings;
    settings.beginGroup(QtText::fromSystem(kPlacementGroup));
    const QString text = settings.value(QtText::fromSystem(kPlacementKey)).toString();
    std::optional<WindowPlacement> placement;
    if (!text.isEmpty())
        placement = parseWindowPlacement(QtText::toSystem(text));
    if (!placement) {
        if (show)
            showMaximized();
        return;
    }
    const DesktopRect stored{placement->left, placement->top, std::max(placement->left + 1, placement->right),
                             std::max(placement->top + 1, placement->bottom)};
    // The stored numbers are the inside of the window; its frame must fit on the screen too.
    auto fitted = [&stored](const QMargins& frame) {
        std::vector<DesktopRect> screens;
        QList<QScreen*> all = QGuiApplication::screens();
        all.removeAll(QGuiApplication::primaryScreen());
        all.prepend(QGuiApplication::primaryScreen());
        for (const QScreen* screen : all)
            if (screen)
                screens.push_back(desktopRect(screen->availableGeometry().marginsRemoved(frame)));
        const DesktopRect r = fitOntoScreens(stored, screens);
        return QRect(r.left, r.top, r.width(), r.height());
    };
    setGeometry(fitted(QMargins()));
    if (!show)
        return;
    // A window stored minimized opens as it would be restored, never hidden in the task bar.
    const bool maximized = placement->showState == WindowPlacement::kShowMaximized ||
                           (placement->showState == WindowPlacement::kShowMinimized &&
                            (placement->flags & WindowPlacement::kRestoreToMaximized));
    if (maximized) {
        showMaximized();
        return;
    }
    showNormal();
    const QRect frame = frameGeometry();
    const QRect inside = geometry();
    const QMargins margins(inside.left() - frame.left(), inside.top() - frame.top(),
                           frame.right() - inside.right(), frame.bottom() - inside.bottom());
    if (!margins.isNull())
        setGeometry(fitted(margins));
}

WindowPlacement CMainFrame::currentPlacement() const
{
    WindowPlacement p;
    const bool maximized = isMaximized();
    p.flags = maximized ? WindowPlacement::kRestoreToMaximized : 0;
    p.showState = maximized       ? WindowPlacement::kShowMaximized
                  : isMinimized() ? WindowPlacement::kShowMinimized
                                  : WindowPlacement::kShowNormal;
    QRect normal = normalGeometry();
    if (!normal.isValid())
        normal = geometry();
    p.left = normal.left();
    p.top = normal.top();
    p.right = normal.left() + normal.width();
    p.bottom = normal.top() + normal.height();
    return p;
}

void CMainFrame::storePlacement(const WindowPlacement& placement)
{
    QSettings settings;
    settings.beginGroup(QtText::fromSystem(kPlacementGroup));
    const QString key = QtText::fromSystem(kPlacementKey);
    const QString value = QtText::fromSystem(formatWindowPlacement(placement));
    // An unchanged placement leaves the settings file alone (each write is flushed to disk).
    if (settings.value(key).toString() != value)
        settings.setValue(key, value);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // The placement is taken before the level windows close, while the frame still looks the way
    // the user left it, and stored only once the close really happens.
    const WindowPlacement placement = currentPlacement();
    // The game data is asked about before any level window closes, so that a Cancel leaves
    // everything as it was.
    if (m_exitQuestion && !m_exitQuestion()) {
        event->ignore();
        return;
    }
    // One level at a time: a Cancel on one level's question stops the close there, and the levels
    // after it are not asked.
    for (QMdiSubWindow* sub : m_mdiArea->subWindowList(QMdiArea::StackingOrder)) {
        if (!sub->close()) {
            event->ignore();
            return;
        }
    }
    storePlacement(placement);
    QMainWindow::closeEvent(event);
}

} // namespace gr2
