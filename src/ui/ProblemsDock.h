#pragma once
// The "Problems" dock: the validation report of one level, every error and warning with where it
// is. "Validate Level" and each save fill it; a double click (or Enter) on a problem brings its
// level window forward and selects the place in the script tree (which marks it on the map and
// scrolls to it), or scrolls the map to a tile. The report belongs to one level window and is
// cleared when that window closes.

#include "document/LevelProblems.h"

#include <QDockWidget>
#include <QPointer>

#include <set>
#include <string>
#include <vector>

class QLabel;
class QTreeWidget;

namespace gr2 {

class CChildFrame;
class CTriggerTree;

class ProblemsDock : public QDockWidget {
    Q_OBJECT
public:
    enum Column { SeverityColumn, PlaceColumn, MessageColumn, ColumnCount };

    /// `tree` is the script tree that shows the active level.
    ProblemsDock(CTriggerTree* tree, QWidget* parent);

    /// Validates the level of the window and shows the report.
    void validate(CChildFrame* level);
    /// Shows the report of the level window.
    void showProblems(CChildFrame* level, std::vector<LevelProblem> problems);
    /// Shows the place of a problem of the report: its tree item or its tiles.
    void goTo(const LevelProblem& problem);
    /// The level window the report is of; none before the first report and after it closed.
    CChildFrame* level() const { return m_level; }
    const std::vector<LevelProblem>& problems() const { return m_problems; }
    QTreeWidget* list() const { return m_list; }
    /// The warning rules the designer switched off (by code), kept in the editor's settings.
    const std::set<std::string>& switchedOffRules() const { return m_switchedOff; }
    /// Switches a warning rule off or on again, stores the choice and validates anew.
    void setRuleSwitchedOff(const std::string& code, bool off);
    QLabel* summary() const { return m_summary; }

signals:
    /// A problem's place is not in the tree nor on the map (a trigger no chain reaches, a report
    /// older than the level); the frame shows the text in the status bar.
    void statusMessage(const QString& text);
    /// A warning rule was switched off or on: counts of problems are out of date.
    void switchedOffRulesChanged();

private:
    void clear();
    /// The row's menu: switch its warning's rule off, or every rule on again.
    void openRowMenu(const QPoint& at);

    CTriggerTree* m_tree;
    QLabel* m_summary;
    QTreeWidget* m_list;
    QPointer<CChildFrame> m_level;
    std::vector<LevelProblem> m_problems;
    std::set<std::string> m_switchedOff;
};

} // namespace gr2
