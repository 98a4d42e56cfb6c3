#include "ui/ProblemsDock.h"

#include "document/ProblemPlaceFocus.h"
#include "script/ScriptTreeModel.h"
#include "ui/CChildFrame.h"
#include "ui/CTriggerTree.h"
#include "ui/QtText.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSettings>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace gr2 {

namespace {

/// The settings value listing the codes of the warning rules switched off.
const QString kSwitchedOffKey = QStringLiteral("Validation/Switched Off Warnings");

} // namespace

ProblemsDock::ProblemsDock(CTriggerTree* tree, QWidget* parent)
    : QDockWidget(tr("Problems"), parent), m_tree(tree), m_summary(new QLabel(this)),
      m_list(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("Problems"));
    m_list->setColumnCount(ColumnCount);
    m_list->setHeaderLabels({tr("Severity"), tr("Where"), tr("Problem")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->header()->setStretchLastSection(true);
    m_list->setWordWrap(false);
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_summary);
    layout->addWidget(m_list);
    setWidget(body);
    // Enter on a row does what a double click does.
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this, &ProblemsDock::openRowMenu);
    for (const QString& code : QSettings().value(kSwitchedOffKey).toStringList())
        m_switchedOff.insert(code.toStdString());
    connect(m_list, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const int row = m_list->indexOfTopLevelItem(item);
        if (row >= 0 && size_t(row) < m_problems.size())
            goTo(m_problems[size_t(row)]);
    });
    clear();
}

void ProblemsDock::clear()
{
    m_level = nullptr;
    m_problems.clear();
    m_list->clear();
    m_summary->setText(tr("Validate Level lists the problems of the active level here."));
}

void ProblemsDock::validate(CChildFrame* level)
{
    if (level)
        showProblems(level, validateLevel(level->document(), m_switchedOff));
}

void ProblemsDock::setRuleSwitchedOff(const std::string& code, bool off)
{
    if (off)
        m_switchedOff.insert(code);
    else
        m_switchedOff.erase(code);
    QStringList codes;
    for (const std::string& c : m_switchedOff)
        codes << QString::fromStdString(c);
    QSettings().setValue(kSwitchedOffKey, codes);
    if (m_level)
        validate(m_level);
    emit switchedOffRulesChanged();
}

void ProblemsDock::openRowMenu(const QPoint& at)
{
    QMenu menu(this);
    const int row = m_list->indexOfTopLevelItem(m_list->itemAt(at));
    if (row >= 0 && size_t(row) < m_problems.size() &&
        m_problems[size_t(row)].severity == ProblemSeverity::Warning) {
        const std::string code = m_problems[size_t(row)].code;
        QString rule = QString::fromStdString(code);
        for (const WarningRule& r : warningRules())
            if (code == r.code)
                rule = QtText::fromSystem(r.description);
        menu.addAction(tr("Don't Report: %1").arg(rule), this,
                       [this, code] { setRuleSwitchedOff(code, true); });
    }
    QAction* all = menu.addAction(tr("Report Every Warning Again"), this, [this] {
        const std::set<std::string> codes = m_switchedOff;
        for (const std::string& c : codes)
            setRuleSwitchedOff(c, false);
    });
    all->setEnabled(!m_switchedOff.empty());
    menu.exec(m_list->viewport()->mapToGlobal(at));
}

void ProblemsDock::goTo(const LevelProblem& problem)
{
    if (!m_level)
        return;
    // The tree follows the active level window, so the report's window comes forward first.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(m_level->parentWidget()))
        if (QMdiArea* area = sub->mdiArea())
            area->setActiveSubWindow(sub);
    const CWorldEditorDoc& doc = m_level->document();
    ScriptTreeModel* model = m_tree && m_tree->level() == m_level ? m_tree->model() : nullptr;
    if (ScriptTreeItem* item = model ? treeItemOfPlace(problem.place, doc, *model) : nullptr) {
        model->select(item);
        return;
    }
    const MapFocus focus = mapFocusOfPlace(problem.place, doc);
    if (focus.area) {
        m_level->showMapFocus(focus);
        return;
    }
    emit statusMessage(tr("%1 is not shown in the script tree or on the map")
                           .arg(QtText::fromSystem(describePlace(problem.place))));
}

void ProblemsDock::showProblems(CChildFrame* level, std::vector<LevelProblem> problems)
{
    if (m_level != level) {
        if (m_level)
            disconnect(m_level, nullptr, this, nullptr);
        if (level)
            connect(level, &QObject::destroyed, this, &ProblemsDock::clear);
    }
    m_level = level;
    m_problems = std::move(problems);
    m_list->clear();
    const QIcon errorIcon = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warningIcon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (const LevelProblem& p : m_problems) {
        const bool error = p.severity == ProblemSeverity::Error;
        auto* item = new QTreeWidgetItem(m_list);
        item->setIcon(SeverityColumn, error ? errorIcon : warningIcon);
        item->setText(SeverityColumn, error ? tr("Error") : tr("Warning"));
        item->setText(PlaceColumn, QtText::fromSystem(describePlace(p.place)));
        item->setText(MessageColumn, QtText::fromSystem(p.message));
        item->setToolTip(MessageColumn, item->text(MessageColumn));
    }
    for (int column : {SeverityColumn, PlaceColumn})
        m_list->resizeColumnToContents(column);
    const auto errors = std::count_if(m_problems.begin(), m_problems.end(), [](const LevelProblem& p) {
        return p.severity == ProblemSeverity::Error;
    });
    const auto warnings = qsizetype(m_problems.size()) - errors;
    // The file name is enough to tell the open levels apart; the full path is in the tooltip.
    const QString title = level ? QFileInfo(level->documentTitle()).fileName() : QString();
    m_summary->setToolTip(level ? level->documentTitle() : QString());
    m_summary->setText(m_problems.empty()
                           ? tr("%1: no problems found.").arg(title)
                           : tr("%1: %2 error(s), %3 warning(s).").arg(title).arg(errors).arg(warnings));
}

} // namespace gr2
