#include "ui/QuitAfterFirstPaint.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace gr2 {

QuitAfterFirstPaint::QuitAfterFirstPaint(QWidget& window) : m_window(window)
{
    // The application sees the paint events of every widget, children included, in one place.
    qApp->installEventFilter(this);
}

bool QuitAfterFirstPaint::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_quitting && event->type() == QEvent::Paint && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == &m_window) {
        m_quitting = true;
        // A window's widgets are painted together into its backing store; the queued quit runs
        // after that repaint and its flush to the screen.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace gr2
