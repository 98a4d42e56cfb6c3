#pragma once
// The property dialog of a placed thing: the form dialog over the thing's session, with the icon of
// the chosen type (or of the special room) beside the selector, and "Reset To Defaults" for the
// dialogs that offer it.

#include "dialogs/CFormDialog.h"
#include "forms/ThingEditSession.h"
#include "ui/ViewContext.h"

namespace gr2 {

class CTypeButton;

class CThingDialog : public CFormDialog {
    Q_OBJECT
public:
    CThingDialog(ThingSession& session, const ViewContext& context, Prompter& prompter,
                 QWidget* parent = nullptr);

    /// None for a dialog without it.
    QPushButton* resetButton() const { return m_reset; }
    /// None for a dialog without an icon.
    CTypeButton* typeIcon() const { return m_icon; }

private:
    ThingSession& m_thing;
    QPushButton* m_reset = nullptr;
    CTypeButton* m_icon = nullptr;
};

} // namespace gr2
