#pragma once
// The editor's main window: menu bar, the "Standard" and "Editing Tools" toolbars with the zoom
// drop-down, the five status panes, the "Selection Bar" (palette) and "Script Tree" docking bars,
// and the multiple-document area the level windows live in. It keeps the bars' visibility flags,
// stores its placement in the settings when it closes, and routes every command to the active
// map view first, then to itself, then to the application.

#include "app/TypeKind.h"
#include "app/WindowPlacement.h"
#include "ui/EditorCommand.h"

#include <QMainWindow>

#include <array>
#include <functional>

class QComboBox;
class QLabel;
class QToolButton;
class QMdiArea;
class QMenu;
class QToolBar;

namespace gr2 {

class CBrowserBar;
class CChildFrame;
class CPanelBar;
class HistoryDock;
class ProblemsDock;
class CTypeDatabase;
class CWorldEditorDoc;
class CWorldEditorView;

class CMainFrame : public QMainWindow, public CommandTarget {
    Q_OBJECT
public:
    enum Bar { MainToolBar, DrawingToolBar, SelectionBar, ScriptTree, StatusBar, BarCount };

    /// `types` names things in the status panes; without it the panes show ids' names as empty.
    explicit CMainFrame(const CTypeDatabase* types = nullptr, QWidget* parent = nullptr);
    ~CMainFrame() override;

    QMdiArea* mdiArea() const { return m_mdiArea; }
    QAction* action(EditorCommand command) const { return m_actions[size_t(command)]; }
    QToolBar* standardToolBar() const { return m_standardBar; }
    QToolBar* editingToolBar() const { return m_editingBar; }
    QComboBox* zoomBox() const { return m_zoomBox; }
    CPanelBar* selectionBar() const { return m_panelBar; }
    CBrowserBar* scriptTreeBar() const { return m_browserBar; }
    HistoryDock* historyDock() const { return m_historyDock; }
    ProblemsDock* problemsDock() const { return m_problemsDock; }
    QMenu* toolBarsMenu() const { return m_toolBarsMenu; }
    QMenu* windowMenu() const { return m_windowMenu; }
    /// The commands of the active level, the same as the script tree's level item offers.
    QMenu* levelMenu() const { return m_levelMenu; }
    /// The status bar's count of the active level's errors and warnings (hidden without a level).
    QToolButton* problemsButton() const { return m_problemsButton; }
    bool barVisible(Bar bar) const { return m_barVisible[bar]; }
    QString paneText(int pane) const;

    // --- what other parts show in the status panes --------------------------------------------
    void showDrawItem(TypeKind kind, uint8_t typeId);
    /// No level is open: the tile, position and map size panes and any prompt are cleared.
    void clearLevelPanes();
    /// Every map view of every open level.
    QList<CWorldEditorView*> allViews() const;
    /// Shows the draw item again from the tables (a type editor renamed it).
    void refreshDrawItem() { showDrawItem(m_drawItemKind, m_drawItemId); }
    void showTile(uint8_t terrainId, uint8_t playerId, const CWorldEditorDoc* level);
    void showPosition(int32_t x, int32_t y);
    void showMapSize(uint32_t width, uint32_t height);
    /// Selects the zoom entry of the tile size (100% for a size not in the table).
    void selectZoom(int tileSize);

    // --- level windows --------------------------------------------------------------------------
    CChildFrame* activeChildFrame() const;
    CWorldEditorView* activeView() const;
    /// "GR2 World Editor - <level title>" with a modified mark.
    void updateTitle();
    /// Re-reads every command's enabled and checked state from its handler.
    void updateCommandUI();

    // --- placement ------------------------------------------------------------------------------
    /// Shows the window at the stored placement, or maximized when none (or a malformed one) is
    /// stored. `show` false only applies the geometry (tests).
    void showWithPlacement(bool show = true);
    /// The placement as it would be stored now.
    WindowPlacement currentPlacement() const;

    void setRecentFiles(const QStringList& paths);
    /// The application's handler for the commands it owns.
    void setApplicationTarget(CommandTarget* target) { m_appTarget = target; }
    /// Asked first when the window closes (the game data's unsaved changes); false keeps it open.
    void setExitQuestion(std::function<bool()> question) { m_exitQuestion = std::move(question); }

    bool onCommand(EditorCommand command) override;
    std::optional<CommandState> commandState(EditorCommand command) const override;

signals:
    void openRequested();
    void openRecentRequested(const QString& path);
    void saveGameDataRequested();
    void printSetupRequested();
    void resetToDefaultsRequested();
    void aboutRequested();
    void newRequested();
    /// Level files dropped onto the window.
    void filesDropped(const QStringList& paths);
    /// The zoom drop-down chose a tile size.
    void zoomChosen(int tileSize);

protected:
    /// A modal window over the frame takes the pointer from the map views.
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QMenu* createPopupMenu() override;
    /// Greys the Level menu's entries as the script tree greys them; all without a level.
    void updateLevelMenu();
    /// Counts the active level's problems again when it changed since the last count.
    void updateProblemCount();

private:
    void createActions();
    void createMenus();
    void createToolBars();
    void createStatusBar();
    void createDockBars();
    void route(EditorCommand command);
    void toggleBar(Bar bar);
    void applyBarVisibility(Bar bar);
    QWidget* barWidget(Bar bar) const;
    void storePlacement(const WindowPlacement& placement);
    void fillWindowMenu();
    void cascadeLevelWindows();

    const CTypeDatabase* m_types;
    QMdiArea* m_mdiArea = nullptr;
    std::array<QAction*, size_t(EditorCommand::Count)> m_actions{};
    std::array<bool, BarCount> m_barVisible{true, true, true, true, true};
    QToolBar* m_standardBar = nullptr;
    QToolBar* m_editingBar = nullptr;
    QComboBox* m_zoomBox = nullptr;
    std::array<QLabel*, 5> m_panes{};
    /// The active level's problem count; a click opens the Problems dock.
    QToolButton* m_problemsButton = nullptr;
    /// What the count was worked out for: the level and its history's state.
    const void* m_countedLevel = nullptr;
    uint64_t m_countedRevision = 0;
    size_t m_countedPosition = 0;
    TypeKind m_drawItemKind = TypeKind::None;
    uint8_t m_drawItemId = 0;
    CPanelBar* m_panelBar = nullptr;
    CBrowserBar* m_browserBar = nullptr;
    HistoryDock* m_historyDock = nullptr;
    ProblemsDock* m_problemsDock = nullptr;
    QMenu* m_toolBarsMenu = nullptr;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_windowMenu = nullptr;
    QMenu* m_levelMenu = nullptr;
    QAction* m_recentSeparator = nullptr;
    QList<QAction*> m_recentActions;
    CommandTarget* m_appTarget = nullptr;
    std::function<bool()> m_exitQuestion;
    bool m_closing = false;
};

} // namespace gr2
