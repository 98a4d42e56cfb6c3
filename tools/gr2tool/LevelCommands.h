#pragma once
// The level commands of gr2tool: new, resave, check (the save's checks, or with --all every problem
// of the level), thumbnail, info and tree. Each loads the global data from the root first, as the
// editor does at start-up, and works on levels the way the editor's own New, Open, Save and Save
// As do.

#include <CLI/CLI.hpp>

#include <filesystem>
#include <string>
#include <vector>

namespace gr2 {

class Prompter;
struct LevelProblem;

class LevelCommands {
public:
    /// Adds the subcommands to the command line.
    void define(CLI::App& app);
    /// Whether one of them was chosen.
    bool selected() const;
    /// Runs the chosen command; the exit code (0 done, 1 failed). Messages go to the prompter,
    /// results to standard output.
    int run(Prompter& prompter);

private:
    int runNew(Prompter& prompter);
    int runResave(Prompter& prompter);
    int runCheck(Prompter& prompter);
    /// Prints every problem (as text or JSON); 1 when any is an error, else 0.
    int printProblems(const std::vector<LevelProblem>& problems) const;
    int runThumbnail(Prompter& prompter);
    int runInfo(Prompter& prompter);
    int runTree(Prompter& prompter);

    CLI::App* m_new = nullptr;
    CLI::App* m_resave = nullptr;
    CLI::App* m_check = nullptr;
    CLI::App* m_thumbnail = nullptr;
    CLI::App* m_info = nullptr;
    CLI::App* m_tree = nullptr;

    std::string m_level;
    std::string m_output;
    std::string m_name;
    unsigned m_width = 25;
    unsigned m_height = 25;
    int m_terrain = -1;
    int m_owner = -1;
    bool m_globals = false;
    bool m_allProblems = false;
    bool m_json = false;
};

} // namespace gr2
