#pragma once
// The editor's main window: menu bar and the multiple-document area the level windows live in.
// The application's own commands are raised as signals; the application object carries them out.

#include <QMainWindow>

class QMdiArea;
class QMenu;

namespace gr2 {

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);

    QMdiArea* mdiArea() const { return m_mdiArea; }
    /// Shows the recent-file entries ("&1 name" ...) under the File menu.
    void setRecentFiles(const QStringList& paths);

signals:
    void openRequested();
    void openRecentRequested(const QString& path);
    void saveGameDataRequested();
    void printSetupRequested();
    void resetToDefaultsRequested();
    void aboutRequested();

private:
    void createMenus();

    QMdiArea* m_mdiArea = nullptr;
    QMenu* m_fileMenu = nullptr;
    QAction* m_recentSeparator = nullptr;
    QList<QAction*> m_recentActions;
};

} // namespace gr2
