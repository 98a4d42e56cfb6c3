#include "dialogs/CTriggerEditSheet.h"

#include "ui/QtText.h"

#include <QTabWidget>

#include <algorithm>

namespace gr2 {

CTriggerEditSheet::CTriggerEditSheet(CTrigger& trigger, const CWorldEditorDoc& doc, const CTypeDatabase& db,
                                     const ScriptUsage& usage, Prompter& prompter, QWidget* parent)
    : CPropertySheet(QtText::fromSystem(TriggerSheet::kCaption), prompter, parent),
      m_sheet(trigger, doc, db, usage)
{
    setObjectName(QStringLiteral("CTriggerEditSheet"));
    for (TriggerPage page : m_sheet.pages())
        addPage(m_sheet.state(page), QtText::fromUtf16(triggerPageTitle(page)));
    finishPages(indexOf(m_sheet.openingPage()));
}

CTriggerEditSheet::~CTriggerEditSheet() = default;

size_t CTriggerEditSheet::indexOf(TriggerPage page) const
{
    const auto& pages = m_sheet.pages();
    return size_t(std::find(pages.begin(), pages.end(), page) - pages.begin());
}

FormWidgets* CTriggerEditSheet::controls(TriggerPage page) const
{
    return controlsAt(indexOf(page));
}

std::optional<FormError> CTriggerEditSheet::refusalOnLeaving(size_t index)
{
    if (index >= m_sheet.pages().size())
        return std::nullopt;
    if (auto refusal = m_sheet.leave(m_sheet.pages()[index]))
        return refusal->error;
    return std::nullopt;
}

std::optional<QString> CTriggerEditSheet::summaryOf(size_t index)
{
    if (index >= m_sheet.pages().size())
        return std::nullopt;
    if (std::optional<std::u16string> text = m_sheet.preview(m_sheet.pages()[index]))
        return QtText::fromUtf16(*text);
    return std::nullopt;
}

void CTriggerEditSheet::accept()
{
    const std::optional<TriggerSheet::Refusal> refusal = m_sheet.confirm(pageAt(tabs()->currentIndex()));
    if (!refusal) {
        QDialog::accept();
        return;
    }
    showRefusal(indexOf(refusal->page), refusal->error);
}

} // namespace gr2
