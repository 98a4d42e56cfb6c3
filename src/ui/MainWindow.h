#pragma once
// The editor's top-level window. For now it only opens and closes; the frame with its menus,
// toolbars and docking bars grows here.

#include <QMainWindow>

namespace gr2 {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
};

} // namespace gr2
