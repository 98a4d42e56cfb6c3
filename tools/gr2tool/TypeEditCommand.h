#pragma once
// gr2tool edit-type: changes fields of one type through its type editor's table, exactly as the
// editor's dialog would (labels, lists, ranges and store rules), then saves the game data as Save
// Game Data does. A value the editor would refuse is reported and nothing is saved.

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

namespace gr2 {

class Prompter;

class TypeEditCommand {
public:
    void define(CLI::App& app);
    bool selected() const { return m_command && *m_command; }
    /// 0 saved, 1 refused or not saved.
    int run(Prompter& prompter);

private:
    CLI::App* m_command = nullptr;
    std::string m_family;
    int m_id = -1;
    int m_position = -1;
    std::vector<std::string> m_settings;
};

} // namespace gr2
