// An editor process for the crash test: the real application and windows (offscreen), the levels
// named on the command line opened and each given one unsaved edit, backups every 200 ms. It runs
// until it is killed; the test kills it once the backups are on disk.
//
//   gr2_editor_with_unsaved_edits ROOT LEVEL...

#include "document/LevelFiles.h"
#include "level/EditStep.h"
#include "ui/CChildFrame.h"
#include "ui/CWorldEditorApp.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s ROOT LEVEL...\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    gr2::LevelFiles::setAutosaveInterval(std::chrono::milliseconds(200));
    gr2::CWorldEditorApp editor;
    if (!editor.InitInstance(argv[1]))
        return 1;
    for (int i = 2; i < argc; ++i) {
        gr2::CChildFrame* level = editor.openLevel(argv[i]);
        if (!level)
            return 1;
        gr2::CWorldEditorDoc& doc = level->document();
        gr2::EditStep step(doc, "Paint");
        doc.SetTerrain({20, 21}, 3);
    }
    return qt.exec();
}
