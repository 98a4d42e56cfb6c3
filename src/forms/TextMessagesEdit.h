#pragma once
// "Edit Action Text Messages" without its window: the twenty texts that Display Text String
// actions show, edited one at a time. The dialog works on a copy, so switching messages keeps
// each edit in the copy and only OK writes them into the level, all at once; Cancel writes none.

#include "level/LevelProperties.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace gr2 {

class CWorldEditorDoc;

class TextMessagesEdit {
public:
    static constexpr const char* kCaption = "Edit Action Text Messages";

    explicit TextMessagesEdit(const LevelProperties& properties);

    /// "Text Message 0" .. "Text Message 19".
    static std::vector<std::string> messageNames();
    size_t current() const { return m_current; }
    /// The text of a message as the dialog holds it now.
    const std::u16string& text(size_t index) const { return m_texts.at(index); }

    /// Keeps `shown` as the current message's text and makes `index` current; a text too long is
    /// refused with its message and nothing changes.
    std::optional<std::string> choose(size_t index, std::u16string shown);
    /// OK: keeps `shown` and writes every message into the level; a text too long is refused.
    std::optional<std::string> confirm(std::u16string shown, CWorldEditorDoc& doc);

private:
    std::optional<std::string> keep(std::u16string shown);

    std::array<std::u16string, LevelProperties::kTextMessages> m_texts;
    size_t m_current = 0;
};

} // namespace gr2
