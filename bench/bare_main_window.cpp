// The floor of the editor's start-up: the plainest Qt widgets program, one empty main window shown
// and ended after its first paint, exactly as gr2edit --quit-after-first-paint ends.

#include "ui/QuitAfterFirstPaint.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(1024, 768);
    window.show();
    gr2::QuitAfterFirstPaint quit(window);
    return app.exec();
}
