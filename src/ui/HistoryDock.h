#pragma once
// The "History" dock: the steps of the active level's history, oldest first under a first row
// for the level as it was opened or made. The row of the current state is selected; the steps
// after it (undone, ready to redo) are greyed. Clicking a row undoes or redoes to it.

#include <QDockWidget>

#include <cstdint>

class QListWidget;

namespace gr2 {

class CWorldEditorDoc;

class HistoryDock : public QDockWidget {
    Q_OBJECT
public:
    explicit HistoryDock(QWidget* parent);

    /// Shows the level's history (none: an empty list). Cheap when nothing changed, so the frame
    /// calls it whenever it updates its commands.
    void showHistory(CWorldEditorDoc* doc);
    QListWidget* list() const { return m_list; }

signals:
    /// A step was undone or redone from the dock; the views are told by the document.
    void historyMoved();

private:
    void goTo(int row);

    QListWidget* m_list;
    CWorldEditorDoc* m_doc = nullptr;
    uint64_t m_shownRevision = 0;
    size_t m_shownPosition = 0;
    bool m_filling = false;
};

} // namespace gr2
