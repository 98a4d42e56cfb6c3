#pragma once
// A Prompter for tests: records every message and question in order and replays queued answers,
// so a test can assert the exact sequence a user would have seen.

#include "app/Prompter.h"

#include <deque>
#include <string>
#include <vector>

namespace gr2::test {

class ScriptedPrompter : public Prompter {
public:
    struct Entry {
        std::string text;
        Icon icon = Icon::None;
        bool question = false;
        Buttons buttons = Buttons::Ok;
    };

    void message(const std::string& text, Icon icon) override;
    Answer ask(const std::string& text, Buttons buttons, Icon icon) override;
    std::optional<std::filesystem::path> chooseSavePath(const FileDialogSpec& dialog) override;
    std::vector<std::filesystem::path> chooseOpenPaths(const FileDialogSpec& dialog) override;

    void queueAnswer(Answer answer) { m_answers.push_back(answer); }
    void queueSavePath(std::optional<std::filesystem::path> path) { m_savePaths.push_back(std::move(path)); }
    void queueOpenPaths(std::vector<std::filesystem::path> paths) { m_openPaths.push_back(std::move(paths)); }

    const std::vector<Entry>& entries() const { return m_entries; }
    /// Just the texts, messages and questions alike, in order.
    std::vector<std::string> texts() const;
    const std::vector<FileDialogSpec>& dialogs() const { return m_dialogs; }
    void clear() { m_entries.clear(); }

private:
    std::vector<Entry> m_entries;
    std::deque<Answer> m_answers;
    std::deque<std::optional<std::filesystem::path>> m_savePaths;
    std::deque<std::vector<std::filesystem::path>> m_openPaths;
    std::vector<FileDialogSpec> m_dialogs;
};

} // namespace gr2::test
