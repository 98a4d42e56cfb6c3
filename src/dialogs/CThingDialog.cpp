#include "dialogs/CThingDialog.h"

#include "app/TypeKind.h"
#include "ui/CPanelBar.h"
#include "ui/FormWidgets.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>

namespace gr2 {

CThingDialog::CThingDialog(ThingSession& session, const ViewContext& context, Prompter& prompter,
                           QWidget* parent)
    : CFormDialog(session, prompter, parent), m_thing(session)
{
    if (const std::optional<ThingIcon>& icon = session.icon(); icon && context.icons) {
        // Shows the type; it is no palette button, so it takes no clicks.
        m_icon = new CTypeButton(context, PaletteItem{kindOfFamily(icon->family), 0, 0, 0}, this);
        m_icon->setFixedSize(64, 64);
        m_icon->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_icon->setFocusPolicy(Qt::NoFocus);
        m_icon->setTypeId(uint8_t(session.iconType()));
        headerLayout()->insertWidget(0, m_icon);
        if (icon->typeRow)
            if (auto* types = qobject_cast<QComboBox*>(rows().control(*icon->typeRow)))
                // Rebuilt whenever the selection changes.
                connect(types, &QComboBox::activated, this,
                        [this] { m_icon->setTypeId(uint8_t(m_thing.iconType())); });
    }
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
