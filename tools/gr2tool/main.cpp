// gr2tool: the editor's core from the command line, for batch work and testing from outside.

#include "ConsolePrompter.h"
#include "DumpCommand.h"
#include "JsonCommands.h"
#include "LevelCommands.h"
#include "MapCommands.h"
#include "TypeEditCommand.h"
#include "app/EditorApp.h"
#include "app/StatsImportCommand.h"
#include "document/SampleData.h"
#include "stats/StatsExport.h"
#include "worlddata/AtomicFile.h"
#include "worlddata/CaseInsensitivePath.h"
#include "worlddata/DataStream.h"

#include <CLI/CLI.hpp>

#include <iostream>

namespace {

/// Start-up loading of the global data from the root, as the editor does it without a window.
std::unique_ptr<gr2::EditorApp> startEditor(gr2::Prompter& prompter)
{
    auto app = std::make_unique<gr2::EditorApp>(gr2::baseDirectory(), prompter);
    app->loadGlobalData();
    return app;
}

} // namespace

int main(int argc, char** argv)
{
    CLI::App app{"GR2 World Editor command-line tool"};
    app.set_version_flag("--version", std::string("gr2tool 0.1"));
    app.require_subcommand(1);

    std::string root;
    bool yes = false;
    bool no = false;
    app.add_option("--root", root, "Data root directory (default: the executable's directory)");
    auto* yesFlag = app.add_flag("--yes", yes, "Answer every question Yes/OK");
    app.add_flag("--no", no, "Answer every question No/Cancel")->excludes(yesFlag);

    std::string dumpFile;
    CLI::App* dump = app.add_subcommand("dump", "Print any world-data file as JSON");
    dump->add_option("FILE", dumpFile, "World-data file")->required();

    std::string sampleDir;
    bool ifMissing = false;
    CLI::App* sample = app.add_subcommand("sample-data", "Write the bundled sample data set into DIR");
    sample->add_option("DIR", sampleDir, "Folder to write into (created when missing)")->required();
    sample->add_flag("--if-missing", ifMissing, "Do nothing when DIR already holds type data");

    CLI::App* saveGameData =
        app.add_subcommand("save-game-data", "Load the global data from the root and save it back");

    std::string statsOut;
    CLI::App* exportStats = app.add_subcommand(
        "export-stats",
        "Write the root's type data and world variables as a stats text the import reads back");
    exportStats->add_option("OUT", statsOut, "Stats text file to write (.txt)")->required();

    std::string statsFile;
    CLI::App* importStats = app.add_subcommand(
        "import-stats", "Import a stats text (tab-separated spreadsheet export) and save the game data");
    importStats->add_option("FILE", statsFile, "Stats text file (.txt)")->required();

    gr2::LevelCommands levelCommands;
    levelCommands.define(app);
    gr2::MapCommands mapCommands;
    mapCommands.define(app);
    gr2::TypeEditCommand typeEdit;
    typeEdit.define(app);
    gr2::JsonCommands jsonCommands;
    jsonCommands.define(app);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        int code = app.exit(e);
        return code == 0 ? 0 : 2;
    }

    if (!root.empty())
        gr2::setBaseDirectory(std::filesystem::absolute(root));
    gr2::ConsolePrompter prompter(std::cerr, yes  ? gr2::ConsolePrompter::Policy::Yes
                                             : no ? gr2::ConsolePrompter::Policy::No
                                                  : gr2::ConsolePrompter::Policy::Cautious);

    if (levelCommands.selected())
        return levelCommands.run(prompter);
    if (mapCommands.selected())
        return mapCommands.run(prompter);
    if (typeEdit.selected())
        return typeEdit.run(prompter);
    if (jsonCommands.selected())
        return jsonCommands.run(prompter);
    if (*dump)
        // A relative name is the current folder's, as for every other command (the data root
        // only resolves the names the data files themselves hold).
        return gr2::runDump(std::filesystem::absolute(dumpFile).string(), std::cout, prompter) ? 0 : 1;
    if (*sample) {
        if (ifMissing && gr2::findFileIgnoringCase(std::filesystem::path(sampleDir) / "Terrain.vwd"))
            return 0;
        const auto failed = gr2::writeSampleData(sampleDir);
        for (const std::string& path : failed)
            prompter.message("Failed to write \"" + path + "\"", gr2::Prompter::Icon::Exclamation);
        return failed.empty() ? 0 : 1;
    }
    if (*saveGameData) {
        auto editor = startEditor(prompter);
        return editor->SaveGameData() ? 0 : 1;
    }
    if (*exportStats) {
        auto editor = startEditor(prompter);
        const std::string text = gr2::exportStatsText(editor->types());
        const gr2::WriteResult written =
            gr2::writeFileAtomically(std::filesystem::absolute(statsOut),
                                     std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
        if (!written.ok)
            prompter.message("Cannot write \"" + statsOut + "\" (" + gr2::describeSystemError(written.error) +
                                 ")",
                             gr2::Prompter::Icon::Exclamation);
        return written.ok ? 0 : 1;
    }
    if (*importStats) {
        auto editor = startEditor(prompter);
        size_t sections = 0;
        const auto result = gr2::importStatsFile(*editor, statsFile, &sections);
        if (result == gr2::StatsImport::Result::NoStatsData)
            prompter.message("No stats data (no tab-separated cells) in \"" + statsFile + "\"",
                             gr2::Prompter::Icon::Exclamation);
        if (result == gr2::StatsImport::Result::Imported && sections == 0) {
            // Tabs alone do not make a stats text; saving would only rewrite the data unchanged.
            prompter.message("No stats sections (\"[START: ...]\" lines) in \"" + statsFile + "\"",
                             gr2::Prompter::Icon::Exclamation);
            return 1;
        }
        if (result != gr2::StatsImport::Result::Imported)
            return 1;
        return editor->SaveGameData() ? 0 : 1;
    }
    return 2;
}
