#include "dialogs/CActionEditSheet.h"

#include "app/Prompter.h"
#include "dialogs/CTextMessagesDialog.h"
#include "ui/FormWidgets.h"
#include "ui/QtText.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace gr2 {

CActionEditSheet::CActionEditSheet(CAction& action, CWorldEditorDoc& doc, const CTypeDatabase& db,
                                   ScriptUsage& usage, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_sheet(action, doc, db, usage), m_doc(doc), m_prompter(prompter)
{
    setObjectName(QStringLiteral("CActionEditSheet"));
    setWindowTitle(QtText::fromSystem(ActionSheet::kCaption));
    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    // Ten pages: every tab stays in sight rather than behind scroll arrows.
    m_tabs->setUsesScrollButtons(false);
    for (ActionPage page : m_sheet.pages()) {
        auto* body = new QWidget(m_tabs);
        auto* controls = new FormWidgets(m_sheet.state(page), body);
        m_controls.push_back(controls);
        if (page == ActionPage::Info)
            connect(controls, &FormWidgets::subFormRequested, this, [this] {
                CTextMessagesDialog messages(m_doc, m_prompter, this);
                messages.exec();
            });
        m_tabs->addTab(body, QtText::fromUtf16(actionPageTitle(page)));
    }
    const auto& pages = m_sheet.pages();
    const auto opening = std::find(pages.begin(), pages.end(), m_sheet.openingPage());
    m_tabs->setCurrentIndex(int(opening - pages.begin()));
    layout->addWidget(m_tabs, 1);

    m_ok = new QPushButton(tr("OK"), this);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &CActionEditSheet::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CActionEditSheet::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
}

CActionEditSheet::~CActionEditSheet() = default;

FormWidgets* CActionEditSheet::controls(ActionPage page) const
{
    const auto& pages = m_sheet.pages();
    const auto it = std::find(pages.begin(), pages.end(), page);
    return it == pages.end() ? nullptr : m_controls[size_t(it - pages.begin())];
}

void CActionEditSheet::accept()
{
    const std::optional<ActionSheet::Refusal> refusal = m_sheet.confirm(pageAt(m_tabs->currentIndex()));
    if (!refusal) {
        QDialog::accept();
        return;
    }
    m_prompter.message(refusal->error.message, Prompter::Icon::Exclamation);
    if (FormWidgets* page = controls(refusal->page))
        page->focusRow(refusal->error.row);
}

void CActionEditSheet::reject()
{
    m_sheet.cancel();
    QDialog::reject();
}

} // namespace gr2
