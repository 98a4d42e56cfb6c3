#pragma once
// A resizable docking bar of the main window (the palette and the script tree). Qt's dock widget
// does the docking, floating and resizing; this adds the minimum size, the initial size the bar
// asks for, and tells the frame when the user hides it with its close button, so the View menu
// stays in step.

#include <QDockWidget>

namespace gr2 {

class CDockControlBar : public QDockWidget {
    Q_OBJECT
public:
    static constexpr int kMinimumSide = 32;

    CDockControlBar(const QString& title, QSize size, QWidget* parent = nullptr);
    QSize sizeHint() const override { return m_size; }

signals:
    /// The user hid the bar with its own close ("Hide Docked Window") button.
    void hiddenByUser();

protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QSize m_size;
};

class CTriggerTree;

/// The "Script Tree" bar: the script tree fills it.
class CBrowserBar : public CDockControlBar {
    Q_OBJECT
public:
    explicit CBrowserBar(QWidget* parent = nullptr);
    CTriggerTree* tree() const { return m_tree; }

private:
    CTriggerTree* m_tree = nullptr;
};

} // namespace gr2
