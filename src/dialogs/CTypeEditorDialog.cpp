#include "dialogs/CTypeEditorDialog.h"

#include "app/TypeKind.h"
#include "ui/CPanelBar.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QSpinBox>

namespace gr2 {

namespace {

/// The spin beside the icon: each step goes to the session, which changes the type at once and
/// wraps round the sheet; the box then shows the index the type has.
class IconSpin : public QSpinBox {
public:
    IconSpin(TypeEditorSession& session, std::function<void()> stepped, QWidget* parent)
        : QSpinBox(parent), m_session(session), m_stepped(std::move(stepped))
    {
        setRange(0, CTypeRecord::kIconIndexOutOfRange);
        setReadOnly(false);
        lineEdit()->setReadOnly(true);
        setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    }
    void stepBy(int steps) override
    {
        m_session.stepIcon(steps);
        m_stepped();
    }

protected:
    StepEnabled stepEnabled() const override
    {
        return m_session.hasIconSpin() && isEnabled() ? StepUpEnabled | StepDownEnabled : StepNone;
    }

private:
    TypeEditorSession& m_session;
    std::function<void()> m_stepped;
};

} // namespace

CTypeEditorDialog::CTypeEditorDialog(TypeEditorSession& session, const ViewContext& context,
                                     Prompter& prompter, QWidget* parent)
    : CFormDialog(session, prompter, parent, EnterKey::ClosesNothing), m_types(session)
{
    const TypeKind kind = kindOfFamily(session.family());
    if (TypeEditorSession::familyHasIcons(session.family()) && kind != TypeKind::None) {
        m_preview = new CTypeButton(context, PaletteItem{kind, 0, 0, 0}, this);
        m_preview->setFixedSize(64, 64);
        m_spin = new IconSpin(
            session,
            [this] {
                showIcon();
                emit iconChanged(m_types.family());
            },
            this);
        // Without cells to step through, the spin has nothing to do.
        m_spin->setEnabled(session.hasIconSpin() && session.hasTarget());
        headerLayout()->addWidget(m_preview);
        headerLayout()->addWidget(m_spin);
        showIcon();
    }
}

void CTypeEditorDialog::showIcon()
{
    if (!m_preview)
        return;
    const int index = m_types.iconIndex();
    if (const CTypeRecord* record = m_types.current())
        m_preview->setTypeId(uint8_t(record->id()));
    m_preview->showAsPreview(index);
    m_spin->setValue(index);
}

void CTypeEditorDialog::targetShown()
{
    showIcon();
}

void CTypeEditorDialog::reject()
{
    const int before = m_types.iconIndex();
    CFormDialog::reject();
    if (m_types.iconIndex() != before)
        emit iconChanged(m_types.family());
}

} // namespace gr2
