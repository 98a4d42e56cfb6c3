#pragma once
// The property dialog of a placed thing: the form dialog over the thing's session, with "Reset To
// Defaults" for the dialogs that offer it.

#include "dialogs/CFormDialog.h"
#include "forms/ThingEditSession.h"

namespace gr2 {

class CThingDialog : public CFormDialog {
    Q_OBJECT
public:
    CThingDialog(ThingSession& session, Prompter& prompter, QWidget* parent = nullptr);

    /// None for a dialog without it.
    QPushButton* resetButton() const { return m_reset; }

private:
    ThingSession& m_thing;
    QPushButton* m_reset = nullptr;
};

} // namespace gr2
