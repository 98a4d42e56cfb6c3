#include "forms/TextMessagesEdit.h"

#include "forms/FormMessages.h"
#include "level/CWorldEditorDoc.h"

namespace gr2 {

TextMessagesEdit::TextMessagesEdit(const LevelProperties& properties)
{
    for (size_t i = 0; i < m_texts.size(); ++i)
        m_texts[i] = properties.textMessage(i);
}

std::vector<std::string> TextMessagesEdit::messageNames()
{
    std::vector<std::string> names;
    for (size_t i = 0; i < LevelProperties::kTextMessages; ++i)
        names.push_back("Text Message " + std::to_string(i));
    return names;
}

std::optional<std::string> TextMessagesEdit::keep(std::u16string shown)
{
    // A message keeps 511 characters and its terminator; a longer one the level holds is kept
    // until the user changes it.
    if (shown != m_texts[m_current] && shown.size() > LevelProperties::kTextMessageLength)
        return FormMessages::withBounds(FormMessages::kTextLength,
                                        std::to_string(LevelProperties::kTextMessageLength), {});
    m_texts[m_current] = std::move(shown);
    return std::nullopt;
}

std::optional<std::string> TextMessagesEdit::choose(size_t index, std::u16string shown)
{
    if (index >= m_texts.size())
        return std::nullopt;
    if (auto refusal = keep(std::move(shown)))
        return refusal;
    m_current = index;
    return std::nullopt;
}

std::optional<std::string> TextMessagesEdit::confirm(std::u16string shown, CWorldEditorDoc& doc)
{
    if (auto refusal = keep(std::move(shown)))
        return refusal;
    LevelProperties properties = doc.properties();
    bool changed = false;
    for (size_t i = 0; i < m_texts.size(); ++i) {
        if (properties.textMessage(i) == m_texts[i])
            continue;
        changed = true;
        properties.setTextMessage(i, m_texts[i]);
    }
    if (changed)
        doc.setProperties(properties);
    return std::nullopt;
}

} // namespace gr2
