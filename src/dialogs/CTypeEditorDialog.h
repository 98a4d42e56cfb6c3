#pragma once
// A type editor: the shared form dialog over a family's table with what every type editor adds,
// the "[ ID %d ] Name:" label above the selector and the shown type's icon with the spin that
// steps its index at once. The door, trap and object editors are this dialog over their tables.

#include "dialogs/CFormDialog.h"
#include "forms/TypeEditorSession.h"
#include "ui/ViewContext.h"

class QSpinBox;

namespace gr2 {

class CTypeButton;

class CTypeEditorDialog : public CFormDialog {
    Q_OBJECT
public:
    CTypeEditorDialog(TypeEditorSession& session, const ViewContext& context, Prompter& prompter,
                      QWidget* parent = nullptr);

    /// None for a family without icons.
    CTypeButton* iconPreview() const { return m_preview; }
    QSpinBox* iconSpin() const { return m_spin; }

public slots:
    void reject() override;

signals:
    /// The shown type's icon index changed (the palette redraws its button).
    void iconChanged(TypeFamily family);

protected:
    void targetShown() override;

private:
    void showIcon();

    TypeEditorSession& m_types;
    CTypeButton* m_preview = nullptr;
    QSpinBox* m_spin = nullptr;
};

} // namespace gr2
