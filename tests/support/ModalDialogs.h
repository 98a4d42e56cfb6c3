#pragma once
// Driving modal dialogs from a window test: the dialog runs its own event loop, so the test's
// body runs from a timer once the dialog is on screen.

#include "dialogs/CFormDialog.h"
#include "forms/FormState.h"
#include "ui/FormNumberEdit.h"
#include "ui/FormWidgets.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace gr2::test {

/// Runs `open`, which shows a modal `Dialog`, and `body` on it once it is exposed. A dialog
/// still open after the body is cancelled, so that the test goes on; a dialog that never opened
/// fails the test with `missing`.
template <class Dialog>
void withModal(const std::function<void()>& open, const std::function<void(Dialog&)>& body,
               const char* missing = "no dialog opened")
{
    bool seen = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible() || seen)
            return;
        seen = true;
        poll.stop();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
        body(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    poll.start();
    open();
    QApplication::processEvents();
    EXPECT_TRUE(seen) << missing;
}

/// The form row labelled `label`.
inline size_t rowOf(CFormDialog& dialog, const std::string& label)
{
    FormState& s = dialog.session().state();
    for (size_t i = 0; i < s.rowCount(); ++i)
        if (s.row(i).label == label)
            return i;
    ADD_FAILURE() << "no row " << label;
    return 0;
}

/// Types a value into a number field as a user does: select what is there, type over it.
inline void typeInto(CFormDialog& dialog, const std::string& label, const QString& text)
{
    auto* edit = qobject_cast<FormNumberEdit*>(dialog.rows().control(rowOf(dialog, label)));
    ASSERT_TRUE(edit);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

} // namespace gr2::test
