#include "level/EditStep.h"

#include "level/CWorldEditorDoc.h"

namespace gr2 {

EditStep::EditStep(CWorldEditorDoc& doc, std::string name) : m_doc(&doc), m_name(std::move(name))
{
    m_doc->history().begin(*m_doc, m_name);
}

void EditStep::commit()
{
    if (!m_doc)
        return;
    CWorldEditorDoc* doc = m_doc;
    m_doc = nullptr;
    doc->history().end(*doc);
}

} // namespace gr2
