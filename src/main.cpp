// gr2edit: the level editor's GUI entry point.

#include "ui/CMainFrame.h"
#include "worlddata/DataStream.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Corvane Redovarurod Ltd"));
    QApplication::setApplicationName(QStringLiteral("Gorrundel II"));
    QApplication::setApplicationVersion(QStringLiteral("0.1"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("GR2 World Editor"));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption rootOption(QStringLiteral("root"), QStringLiteral("Data root directory."),
                                  QStringLiteral("DIR"));
    parser.addOption(rootOption);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("Level to open."), QStringLiteral("[file]"));
    parser.process(app);
    if (parser.isSet(rootOption))
        gr2::setBaseDirectory(parser.value(rootOption).toStdString());

    gr2::CMainFrame window;
    window.show();
    return app.exec();
}
