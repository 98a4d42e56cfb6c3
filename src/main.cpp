// gr2edit: the level editor's GUI entry point.

#include "app/ZoomTable.h"
#include "document/LevelFiles.h"
#include "ui/CChildFrame.h"
#include "ui/CMainFrame.h"
#include "ui/CWorldEditorApp.h"
#include "ui/CWorldEditorView.h"
#include "ui/QtText.h"
#include "ui/QuitAfterFirstPaint.h"
#include "worlddata/DataStream.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <optional>

namespace {

void setApplicationNames()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Corvane Redovarurod Ltd"));
    QCoreApplication::setApplicationName(QStringLiteral("Gorrundel II"));
    QCoreApplication::setApplicationVersion(QStringLiteral("0.1"));
}

} // namespace

int main(int argc, char* argv[])
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("GR2 World Editor"));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption rootOption(QStringLiteral("root"),
                                  QStringLiteral("Data root directory (default: the program's folder)."),
                                  QStringLiteral("DIR"));
    parser.addOption(rootOption);
    QCommandLineOption zoomOption(QStringLiteral("zoom"),
                                  QStringLiteral("Zoom of the level opened from the command line: 200, 150, "
                                                 "100, 75, 50 or 25 (percent)."),
                                  QStringLiteral("PERCENT"));
    parser.addOption(zoomOption);
    QCommandLineOption backupOption(QStringLiteral("backup-interval"),
                                    QStringLiteral("Seconds between automatic backups of levels with unsaved "
                                                   "changes (default 600)."),
                                    QStringLiteral("SECONDS"));
    parser.addOption(backupOption);
    // For timing start-up from outside; not a user's option.
    QCommandLineOption quitAfterPaintOption(QStringLiteral("quit-after-first-paint"),
                                            QStringLiteral("End once the main window has been painted."));
    quitAfterPaintOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(quitAfterPaintOption);
    parser.addPositionalArgument(QStringLiteral("level"), QStringLiteral("A level file (.vwd) to open."),
                                 QStringLiteral("[level]"));
    // Help and version are answered before any window system is needed, so they work without a
    // display; everything else is read after the GUI application took its own options out.
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-h" || arg == "--help" || arg == "-?" || arg == "--help-all" || arg == "-v" ||
            arg == "--version") {
            QCoreApplication probe(argc, argv);
            setApplicationNames();
            parser.process(probe); // prints and exits
        }
    }

    QApplication app(argc, argv);
    setApplicationNames();
    parser.process(app);
    if (parser.positionalArguments().size() > 1)
        parser.showHelp(1);
    int tileSize = 0;
    if (parser.isSet(zoomOption)) {
        const int percent = parser.value(zoomOption).toInt();
        for (int i = 0; i < gr2::ZoomTable::count(); ++i)
            if (gr2::ZoomTable::percent(i) == percent)
                tileSize = gr2::ZoomTable::tileSize(i);
        if (tileSize == 0) {
            std::fprintf(stderr, "--zoom takes 200, 150, 100, 75, 50 or 25\n");
            return 1;
        }
    }
    if (parser.isSet(backupOption)) {
        bool ok = false;
        const int seconds = parser.value(backupOption).toInt(&ok);
        if (!ok || seconds < 1 || seconds > 24 * 3600) {
            std::fprintf(stderr, "--backup-interval takes 1 to 86400 seconds\n");
            return 1;
        }
        gr2::LevelFiles::setAutosaveInterval(std::chrono::seconds(seconds));
    }
    if (parser.isSet(rootOption))
        gr2::setBaseDirectory(std::filesystem::absolute(gr2::QtText::toPath(parser.value(rootOption))));

    gr2::CWorldEditorApp editor;
    if (!editor.InitInstance(gr2::baseDirectory()))
        return 1;
    // Backups left by a run that stopped without saving come first.
    editor.recoverBackups();
    // A level that cannot be read has been reported; the editor stays open without it.
    if (!parser.positionalArguments().isEmpty()) {
        gr2::CChildFrame* level = editor.openLevel(gr2::QtText::toPath(parser.positionalArguments().first()));
        if (level && level->activeView() && tileSize > 0) {
            level->activeView()->setTileSize(tileSize);
            editor.mainFrame()->selectZoom(tileSize);
        }
    }
    std::optional<gr2::QuitAfterFirstPaint> quitAfterPaint;
    if (parser.isSet(quitAfterPaintOption))
        quitAfterPaint.emplace(*editor.mainFrame());
    return app.exec();
}
