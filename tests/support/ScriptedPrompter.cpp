#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace gr2::test {

void ScriptedPrompter::message(const std::string& text, Icon icon)
{
    m_entries.push_back({text, icon, false, Buttons::Ok});
}

Prompter::Answer ScriptedPrompter::ask(const std::string& text, Buttons buttons, Icon icon)
{
    m_entries.push_back({text, icon, true, buttons});
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text;
        return cautiousAnswer(buttons);
    }
    Answer a = m_answers.front();
    m_answers.pop_front();
    return a;
}

std::optional<std::filesystem::path> ScriptedPrompter::chooseSavePath(const FileDialogSpec& dialog)
{
    m_dialogs.push_back(dialog);
    if (m_savePaths.empty())
        return std::nullopt;
    auto p = m_savePaths.front();
    m_savePaths.pop_front();
    return p;
}

std::vector<std::filesystem::path> ScriptedPrompter::chooseOpenPaths(const FileDialogSpec& dialog)
{
    m_dialogs.push_back(dialog);
    if (m_openPaths.empty())
        return {};
    auto p = m_openPaths.front();
    m_openPaths.pop_front();
    return p;
}

std::vector<std::string> ScriptedPrompter::texts() const
{
    std::vector<std::string> out;
    for (const Entry& e : m_entries)
        out.push_back(e.text);
    return out;
}

} // namespace gr2::test
