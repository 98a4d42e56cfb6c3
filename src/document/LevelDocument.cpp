#include "document/LevelDocument.h"

#include "app/EditorApp.h"
#include "script/LevelScript.h"

namespace gr2 {

LevelDocument::LevelDocument(EditorApp& app, ThumbnailColours& colours)
    : m_app(app), m_types(app.types()), m_doc(std::make_unique<CWorldEditorDoc>(m_types)),
      m_files(app, *m_doc, colours)
{
    m_app.addOpenLevel(*m_doc);
}

LevelDocument::~LevelDocument()
{
    m_app.removeOpenLevel(*m_doc);
}

LevelScript& LevelDocument::script() const
{
    // LevelFiles gives every document its script when it is made, and nothing takes it away.
    return *LevelScript::of(*m_doc);
}

} // namespace gr2
