#pragma once
// Runs a form dialog over one target modally: the target holds the confirmed values when the
// user pressed "OK" (or the close box), and is untouched after "Cancel". `changed` (when given)
// tells whether "OK" stored a value other than the target held.

#include "dialogs/CFormDialog.h"
#include "forms/FormSession.h"

namespace gr2 {

template <class Target>
bool runFormDialog(const FormDescription<Target>& form, Target& target, Prompter& prompter, QWidget* parent,
                   bool* changed = nullptr)
{
    SingleFormSession<Target> session(form, target);
    CFormDialog dialog(session, prompter, parent);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (changed)
        *changed = accepted && session.changed();
    return accepted;
}

} // namespace gr2
