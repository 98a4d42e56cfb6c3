#include "dialogs/CPropertySheet.h"

#include "app/Prompter.h"
#include "forms/FormRow.h"
#include "ui/FormWidgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace gr2 {

CPropertySheet::CPropertySheet(const QString& caption, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter)
{
    setWindowTitle(caption);
    m_layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    // Every tab stays in sight rather than behind scroll arrows.
    m_tabs->setUsesScrollButtons(false);
    m_layout->addWidget(m_tabs, 1);
}

FormWidgets* CPropertySheet::addPage(FormState& state, const QString& title)
{
    auto* body = new QWidget(m_tabs);
    auto* controls = new FormWidgets(state, body);
    m_controls.push_back(controls);
    connect(controls, &FormWidgets::edited, this, &CPropertySheet::refreshSummary);
    m_tabs->addTab(body, title);
    return controls;
}

void CPropertySheet::finishPages(size_t opening)
{
    if (opening < m_controls.size())
        m_tabs->setCurrentIndex(int(opening));
    m_shownTab = m_tabs->currentIndex();
    connect(m_tabs, &QTabWidget::currentChanged, this, &CPropertySheet::tabChanged);
    // What OK stores, in the tree's words, so that it is clear the tab showing decides the kind.
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("Summary"));
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setWordWrap(true);
    m_layout->addWidget(m_summary);
    m_ok = new QPushButton(tr("OK"), this);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    m_layout->addLayout(buttons);
    refreshSummary();
}

FormWidgets* CPropertySheet::controlsAt(size_t index) const
{
    return index < m_controls.size() ? m_controls[index] : nullptr;
}

void CPropertySheet::tabChanged(int index)
{
    if (m_turningBack || index == m_shownTab)
        return;
    const int left = m_shownTab;
    if (left >= 0) {
        if (std::optional<FormError> error = refusalOnLeaving(size_t(left))) {
            m_turningBack = true;
            m_tabs->setCurrentIndex(left);
            m_turningBack = false;
            showRefusal(size_t(left), *error);
            return;
        }
    }
    m_shownTab = index;
    refreshSummary();
}

void CPropertySheet::refreshSummary()
{
    if (!m_summary || m_tabs->currentIndex() < 0)
        return;
    // While a value would be refused the last text stays, greyed, until the value is mended.
    if (std::optional<QString> text = summaryOf(size_t(m_tabs->currentIndex()))) {
        m_summary->setText(*text);
        m_summary->setEnabled(true);
    } else {
        m_summary->setEnabled(false);
    }
}

void CPropertySheet::showRefusal(size_t index, const FormError& error)
{
    m_prompter.message(error.message, Prompter::Icon::Exclamation);
    if (FormWidgets* page = controlsAt(index)) {
        m_turningBack = true;
        m_tabs->setCurrentIndex(int(index));
        m_turningBack = false;
        m_shownTab = int(index);
        page->focusRow(error.row);
    }
}

} // namespace gr2
