// The floor of the editor's start-up: the plainest Qt widgets program, one empty main window shown
// and ended after its first paint, exactly as gr2edit --quit-after-first-paint ends.

#include "ui/QuitAfterFirstPaint.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.showMaximized(); // as the editor shows its window without a stored placement
    gr2::QuitAfterFirstPaint quit(window);
    return app.exec();
}
