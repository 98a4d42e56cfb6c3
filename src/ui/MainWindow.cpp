#include "ui/MainWindow.h"

#include <QMdiArea>

namespace gr2 {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("GR2 World Editor"));
    setCentralWidget(new QMdiArea(this));
    resize(1024, 768);
}

} // namespace gr2
