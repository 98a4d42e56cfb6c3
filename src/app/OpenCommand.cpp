#include "app/OpenCommand.h"

namespace gr2 {

const char* const kStatsImportWarning = "Warning:\n\nReading this file will overwrite all current creature "
                                        "stats.\nAre you sure you wish to continue?\n";

FileDialogSpec openCommandDialog(const std::filesystem::path& rootDirectory)
{
    FileDialogSpec dialog;
    dialog.title = "Open GR2 Map file(s)";
    dialog.filters = {"GR2 Level Files (*.vwd)", "Excel Configuration Data (*.txt)", "All files (*.*)"};
    dialog.initialPath = rootDirectory / "Maps";
    dialog.multiSelect = true;
    return dialog;
}

void runOpenCommand(Prompter& prompter, const std::filesystem::path& rootDirectory,
                    const OpenHandlers& handlers)
{
    const std::vector<std::filesystem::path> chosen =
        prompter.chooseOpenPaths(openCommandDialog(rootDirectory));
    if (chosen.empty())
        return;
    const std::string first = chosen.front().string();
    if (chosen.size() == 1 && first.size() >= 3 && first.compare(first.size() - 3, 3, "txt") == 0) {
        if (prompter.ask(kStatsImportWarning, Prompter::Buttons::YesNo, Prompter::Icon::Exclamation) ==
                Prompter::Answer::Yes &&
            handlers.importStats)
            handlers.importStats(chosen.front());
        return;
    }
    if (!handlers.openLevel)
        return;
    for (const std::filesystem::path& path : chosen)
        handlers.openLevel(path);
}

} // namespace gr2
