#include "forms/AllianceEditor.h"

#include "level/CWorldEditorDoc.h"
#include "level/EditStep.h"

namespace gr2 {

namespace {

std::string nameOf(const CWorldEditorDoc& doc, uint8_t id)
{
    const CPlayer* p = doc.FindPlayer(id);
    return p ? p->name() : std::to_string(id);
}

} // namespace

AllianceEditor::AllianceEditor(CWorldEditorDoc& doc) : m_doc(doc)
{
    std::vector<uint8_t> stale;
    for (const auto& [a, b] : doc.alliances().pairs())
        for (uint8_t id : {a, b})
            if (!doc.FindPlayer(id))
                stale.push_back(id);
    if (stale.empty())
        return;
    EditStep step(doc, "Remove Alliances");
    for (uint8_t id : stale)
        doc.RemoveAlliancesOf(id);
}

std::vector<std::string> AllianceEditor::playerNames() const
{
    std::vector<std::string> names;
    for (size_t i = 0; i < m_doc.PlayerCount(); ++i)
        names.push_back(m_doc.PlayerAt(i)->name());
    return names;
}

std::vector<std::pair<std::string, std::string>> AllianceEditor::rows() const
{
    std::vector<std::pair<std::string, std::string>> out;
    for (const auto& [a, b] : m_doc.alliances().pairs())
        out.emplace_back(nameOf(m_doc, a), nameOf(m_doc, b));
    return out;
}

uint8_t AllianceEditor::idAt(size_t index) const
{
    return index < m_doc.PlayerCount() ? m_doc.PlayerAt(index)->id() : 0;
}

bool AllianceEditor::canCreate(size_t first, size_t second) const
{
    const uint8_t a = idAt(first), b = idAt(second);
    return a && b && a != b && !m_doc.IsAllied(a, b);
}

bool AllianceEditor::canRemove(size_t first, size_t second) const
{
    const uint8_t a = idAt(first), b = idAt(second);
    return a && b && a != b && m_doc.IsAllied(a, b);
}

void AllianceEditor::create(size_t first, size_t second)
{
    if (!canCreate(first, second))
        return;
    EditStep step(m_doc, "Create Alliance");
    m_doc.AddAlliance(idAt(first), idAt(second));
}

void AllianceEditor::remove(size_t first, size_t second)
{
    if (!canRemove(first, second))
        return;
    EditStep step(m_doc, "Remove Alliance");
    m_doc.RemoveAlliance(idAt(first), idAt(second));
}

} // namespace gr2
