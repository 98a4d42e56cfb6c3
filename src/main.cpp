// gr2edit: the level editor's GUI entry point.

#include "ui/CWorldEditorApp.h"
#include "worlddata/DataStream.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Corvane Redovarurod Ltd"));
    QApplication::setApplicationName(QStringLiteral("Gorrundel II"));
    QApplication::setApplicationDisplayName(QStringLiteral("GR2 World Editor"));
    QApplication::setApplicationVersion(QStringLiteral("0.1"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("GR2 World Editor"));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption rootOption(QStringLiteral("root"),
                                  QStringLiteral("Data root directory (default: the program's folder)."),
                                  QStringLiteral("DIR"));
    parser.addOption(rootOption);
    parser.process(app);
    if (parser.isSet(rootOption))
        gr2::setBaseDirectory(std::filesystem::absolute(parser.value(rootOption).toStdString()));

    gr2::CWorldEditorApp editor;
    if (!editor.InitInstance(gr2::baseDirectory()))
        return 1;
    return app.exec();
}
