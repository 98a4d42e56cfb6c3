#pragma once
// One open level with everything it needs beside the model: the type answers from the
// application's database, the document with its script, and its file operations. The window layer
// and the command-line tool hold one per open level; each is known to the application while it
// lives, so application-wide commands reach every open level.

#include "document/LevelFiles.h"
#include "level/CWorldEditorDoc.h"
#include "level/Thumbnail.h"
#include "level/TypeDatabaseLevelTypes.h"

#include <memory>

namespace gr2 {

class EditorApp;
class LevelScript;

class LevelDocument {
public:
    explicit LevelDocument(EditorApp& app, ThumbnailColours& colours = ThumbnailColours::shared());
    LevelDocument(const LevelDocument&) = delete;
    LevelDocument& operator=(const LevelDocument&) = delete;
    ~LevelDocument();

    CWorldEditorDoc& doc() { return *m_doc; }
    const CWorldEditorDoc& doc() const { return *m_doc; }
    LevelScript& script() const;
    LevelFiles& files() { return m_files; }

private:
    EditorApp& m_app;
    TypeDatabaseLevelTypes m_types;
    std::unique_ptr<CWorldEditorDoc> m_doc;
    LevelFiles m_files;
};

} // namespace gr2
