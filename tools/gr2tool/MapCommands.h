#pragma once
// The map commands of gr2tool: flip, resize and rotate a level file. Each opens the level as the
// editor's Open does, applies the Map menu's operation, and saves the result under the output
// name as Save As does (with the level checks).

#include <CLI/CLI.hpp>

#include <string>

namespace gr2 {

class Prompter;

class MapCommands {
public:
    void define(CLI::App& app);
    bool selected() const;
    /// The exit code: 0 done, 1 failed (messages went to the prompter).
    int run(Prompter& prompter);

private:
    CLI::App* m_flip = nullptr;
    CLI::App* m_resize = nullptr;
    CLI::App* m_rotate = nullptr;

    std::string m_input;
    std::string m_output;
    bool m_globals = false;
    std::string m_axis;
    std::string m_turn;
    unsigned m_width = 0;
    unsigned m_height = 0;
    std::string m_anchor = "0,0";
    int m_terrain = -1;
    int m_owner = -1;
};

} // namespace gr2
