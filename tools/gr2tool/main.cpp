// gr2tool: the editor's core from the command line, for batch work and testing from outside.

#include "ConsolePrompter.h"
#include "DumpCommand.h"
#include "worlddata/DataStream.h"

#include <CLI/CLI.hpp>

#include <iostream>

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

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        int code = app.exit(e);
        return code == 0 ? 0 : 2;
    }

    if (!root.empty())
        gr2::setBaseDirectory(root);
    gr2::ConsolePrompter prompter(std::cerr, yes  ? gr2::ConsolePrompter::Policy::Yes
                                             : no ? gr2::ConsolePrompter::Policy::No
                                                  : gr2::ConsolePrompter::Policy::Cautious);

    if (*dump)
        return gr2::runDump(dumpFile, std::cout, prompter) ? 0 : 1;
    return 2;
}
