#include "ui/CDockControlBar.h"

#include "ui/CTriggerTree.h"

#include <QCloseEvent>
#include <QMouseEvent>

namespace gr2 {

CDockControlBar::CDockControlBar(const QString& title, QSize size, QWidget* parent)
    : QDockWidget(title, parent), m_size(size)
{
    setObjectName(title);
    setMinimumSize(kMinimumSide, kMinimumSide);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
}

void CDockControlBar::closeEvent(QCloseEvent* event)
{
    QDockWidget::closeEvent(event);
    if (event->isAccepted())
        emit hiddenByUser();
}

void CDockControlBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A double click on the bar itself (not on what it hosts) toggles docked and floating.
    if (event->button() == Qt::LeftButton) {
        setFloating(!isFloating());
        event->accept();
        return;
    }
    QDockWidget::mouseDoubleClickEvent(event);
}

CBrowserBar::CBrowserBar(QWidget* parent) : CDockControlBar(tr("Script Tree"), QSize(255, 489), parent)
{
    setAllowedAreas(Qt::AllDockWidgetAreas);
    m_tree = new CTriggerTree(this);
    setWidget(m_tree);
}

} // namespace gr2
