#include "dialogs/CThingDialog.h"

#include "ui/FormWidgets.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace gr2 {

CThingDialog::CThingDialog(ThingSession& session, Prompter& prompter, QWidget* parent)
    : CFormDialog(session, prompter, parent), m_thing(session)
{
    if (!session.canReset())
        return;
    m_reset = new QPushButton(tr("Reset To Defaults"), this);
    m_reset->setAutoDefault(false);
    headerLayout()->addWidget(m_reset);
    connect(m_reset, &QPushButton::clicked, this, [this] {
        m_thing.resetToDefaults();
        rows().showState();
    });
}

} // namespace gr2
