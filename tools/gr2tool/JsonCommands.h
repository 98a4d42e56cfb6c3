#pragma once
// The text form commands: export-json and import-json for a level or, with --game-data, for the
// global data of the root.

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

namespace gr2 {

class Prompter;

class JsonCommands {
public:
    void define(CLI::App& app);
    bool selected() const;
    int run(Prompter& prompter);

private:
    CLI::App* m_export = nullptr;
    CLI::App* m_import = nullptr;
    std::vector<std::string> m_files;
    bool m_exportGameData = false;
    bool m_importGameData = false;
};

} // namespace gr2
