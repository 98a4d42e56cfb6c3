#include "ui/QuitAfterFirstPaint.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

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
        // after that repaint and its flush to the screen. It tells the moment on the standard
        // output, on the steady clock every process shares, so a timer outside can stop there
        // rather than at the end of the process, whose tear-down is not part of starting.
        QTimer::singleShot(0, qApp, [] {
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            std::printf(
                "%s %lld\n", kFirstPaintLine,
                static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace gr2
