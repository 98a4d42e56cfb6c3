#include "forms/AllianceEditor.h"

#include "level/CWorldEditorDoc.h"
#include "level/EditStep.h"

namespace gr2 {

namespace {

std::string nameOf(const CWorldEditorDoc& doc, uint8_t id)
{
    const CPlayer* p = doc.FindPlayer(id);
    return p ? p->name() : "<missing player " + std::to_string(id) + ">";
}

} // namespace

AllianceEditor::AllianceEditor(CWorldEditorDoc& doc) : m_doc(doc) {}

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

std::optional<std::pair<size_t, size_t>> AllianceEditor::placesOfRow(size_t row) const
{
    const auto& pairs = m_doc.alliances().pairs();
    if (row >= pairs.size())
        return std::nullopt;
    auto placeOf = [&](uint8_t id) -> std::optional<size_t> {
        for (size_t i = 0; i < m_doc.PlayerCount(); ++i)
            if (m_doc.PlayerAt(i)->id() == id)
                return i;
        return std::nullopt;
    };
    const auto a = placeOf(pairs[row].first), b = placeOf(pairs[row].second);
    if (!a || !b)
        return std::nullopt;
    return std::pair{*a, *b};
}

bool AllianceEditor::namesMissingPlayer(size_t row) const
{
    return row < m_doc.alliances().pairs().size() && !placesOfRow(row);
}

void AllianceEditor::removeRow(size_t row)
{
    const auto& pairs = m_doc.alliances().pairs();
    if (row >= pairs.size())
        return;
    const auto [a, b] = pairs[row];
    EditStep step(m_doc, "Remove Alliance");
    m_doc.RemoveAlliance(a, b);
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
