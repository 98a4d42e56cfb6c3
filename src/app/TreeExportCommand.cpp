#include "app/TreeExportCommand.h"

#include "app/Prompter.h"
#include "app/SaveFailedMessage.h"
#include "script/ScriptTreeExport.h"

namespace gr2 {

std::optional<std::filesystem::path> runTreeExportCommand(const ScriptTreeItem& top,
                                                          const std::filesystem::path& levelPath,
                                                          const std::filesystem::path& fallbackFolder,
                                                          Prompter& prompter)
{
    FileDialogSpec dialog;
    dialog.title = "Export To File";
    dialog.filters = {"Text Files (*.txt)", "All files (*.*)"};
    dialog.defaultExtension = "txt";
    dialog.initialPath = defaultTreeExportPath(levelPath, fallbackFolder);
    const std::optional<std::filesystem::path> path = prompter.chooseSavePath(dialog);
    if (!path)
        return std::nullopt;
    const WriteResult written = writeTreeExport(top, *path);
    if (!written.ok) {
        prompter.message(saveFailedMessage(path->string(), written.error), Reporter::Icon::Exclamation);
        return std::nullopt;
    }
    return path;
}

} // namespace gr2
