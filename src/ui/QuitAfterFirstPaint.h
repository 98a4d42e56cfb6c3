#pragma once
// Ends the application once a window has been painted for the first time, after the paint that
// shows it is complete: how start-up is timed from the outside (gr2edit --quit-after-first-paint).

#include <QObject>

class QWidget;

namespace gr2 {

class QuitAfterFirstPaint : public QObject {
public:
    /// What the standard output shows once the first paint is done, followed by the steady
    /// clock's time in microseconds.
    static constexpr const char* kFirstPaintLine = "first-paint-done-us";

    /// Watches every widget of `window` (the window and everything in it); the first paint of any
    /// of them ends the event loop once the whole repaint it belongs to is done.
    explicit QuitAfterFirstPaint(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    bool m_quitting = false;
};

} // namespace gr2
