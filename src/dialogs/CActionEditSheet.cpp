#include "dialogs/CActionEditSheet.h"

#include "dialogs/CTextMessagesDialog.h"
#include "ui/FormWidgets.h"
#include "ui/QtText.h"

#include <QTabWidget>

#include <algorithm>

namespace gr2 {

CActionEditSheet::CActionEditSheet(CAction& action, CWorldEditorDoc& doc, const CTypeDatabase& db,
                                   ScriptUsage& usage, Prompter& prompter, QWidget* parent)
    : CPropertySheet(QtText::fromSystem(ActionSheet::kCaption), prompter, parent),
      m_sheet(action, doc, db, usage), m_doc(doc)
{
    setObjectName(QStringLiteral("CActionEditSheet"));
    for (ActionPage page : m_sheet.pages()) {
        FormWidgets* controls = addPage(m_sheet.state(page), QtText::fromUtf16(actionPageTitle(page)));
        if (page == ActionPage::Info)
            connect(controls, &FormWidgets::subFormRequested, this, [this] {
                CTextMessagesDialog messages(m_doc, this->prompter(), this);
                messages.exec();
            });
    }
    finishPages(indexOf(m_sheet.openingPage()));
}

CActionEditSheet::~CActionEditSheet() = default;

size_t CActionEditSheet::indexOf(ActionPage page) const
{
    const auto& pages = m_sheet.pages();
    return size_t(std::find(pages.begin(), pages.end(), page) - pages.begin());
}

FormWidgets* CActionEditSheet::controls(ActionPage page) const
{
    return controlsAt(indexOf(page));
}

std::optional<FormError> CActionEditSheet::refusalOnLeaving(size_t index)
{
    if (index >= m_sheet.pages().size())
        return std::nullopt;
    if (auto refusal = m_sheet.leave(m_sheet.pages()[index]))
        return refusal->error;
    return std::nullopt;
}

std::optional<QString> CActionEditSheet::summaryOf(size_t index)
{
    if (index >= m_sheet.pages().size())
        return std::nullopt;
    if (std::optional<std::u16string> text = m_sheet.preview(m_sheet.pages()[index]))
        return QtText::fromUtf16(*text);
    return std::nullopt;
}

void CActionEditSheet::accept()
{
    const std::optional<ActionSheet::Refusal> refusal = m_sheet.confirm(pageAt(tabs()->currentIndex()));
    if (!refusal) {
        QDialog::accept();
        return;
    }
    showRefusal(indexOf(refusal->page), refusal->error);
}

void CActionEditSheet::reject()
{
    m_sheet.cancel();
    QDialog::reject();
}

} // namespace gr2
