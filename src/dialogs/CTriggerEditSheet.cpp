#include "dialogs/CTriggerEditSheet.h"

#include "app/Prompter.h"
#include "ui/FormWidgets.h"
#include "ui/QtText.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace gr2 {

CTriggerEditSheet::CTriggerEditSheet(CTrigger& trigger, const CWorldEditorDoc& doc, const CTypeDatabase& db,
                                     const ScriptUsage& usage, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_sheet(trigger, doc, db, usage), m_prompter(prompter)
{
    setObjectName(QStringLiteral("CTriggerEditSheet"));
    setWindowTitle(QtText::fromSystem(TriggerSheet::kCaption));
    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    for (TriggerPage page : m_sheet.pages()) {
        auto* body = new QWidget(m_tabs);
        m_controls.push_back(new FormWidgets(m_sheet.state(page), body));
        m_tabs->addTab(body, QtText::fromUtf16(triggerPageTitle(page)));
    }
    const auto& pages = m_sheet.pages();
    const auto opening = std::find(pages.begin(), pages.end(), m_sheet.openingPage());
    m_tabs->setCurrentIndex(int(opening - pages.begin()));
    layout->addWidget(m_tabs, 1);

    m_ok = new QPushButton(tr("OK"), this);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &CTriggerEditSheet::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CTriggerEditSheet::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
}

CTriggerEditSheet::~CTriggerEditSheet() = default;

FormWidgets* CTriggerEditSheet::controls(TriggerPage page) const
{
    const auto& pages = m_sheet.pages();
    const auto it = std::find(pages.begin(), pages.end(), page);
    return it == pages.end() ? nullptr : m_controls[size_t(it - pages.begin())];
}

void CTriggerEditSheet::accept()
{
    const std::optional<TriggerSheet::Refusal> refusal = m_sheet.confirm(pageAt(m_tabs->currentIndex()));
    if (!refusal) {
        QDialog::accept();
        return;
    }
    m_prompter.message(refusal->error.message, Prompter::Icon::Exclamation);
    // The field is shown on its page so that the user can mend it.
    if (FormWidgets* page = controls(refusal->page)) {
        const auto& pages = m_sheet.pages();
        m_tabs->setCurrentIndex(int(std::find(pages.begin(), pages.end(), refusal->page) - pages.begin()));
        page->focusRow(refusal->error.row);
    }
}

} // namespace gr2
