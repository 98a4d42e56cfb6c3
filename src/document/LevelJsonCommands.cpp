#include "document/LevelJsonCommands.h"

#include "app/EditorApp.h"
#include "document/LevelFiles.h"
#include "document/LevelJson.h"
#include "level/CWorldEditorDoc.h"
#include "level/TextConversion.h"
#include "worlddata/AtomicFile.h"

#include <atomic>
#include <unistd.h>

namespace gr2 {

namespace {

const char* const kJsonFilter = "Level as JSON (*.json)";

std::filesystem::path freshScratchFolder()
{
    static std::atomic<unsigned> counter{0};
    std::error_code ec;
    const std::filesystem::path base = std::filesystem::temp_directory_path(ec);
    return (ec ? std::filesystem::path(".") : base) /
           ("gr2edit-json-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
}

} // namespace

JsonImportScratch::JsonImportScratch() : m_path(freshScratchFolder())
{
    std::error_code ec;
    std::filesystem::create_directories(m_path, ec);
}

JsonImportScratch::~JsonImportScratch()
{
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

bool ExportLevelAsJson(EditorApp& app, LevelFiles& level)
{
    Prompter& prompter = app.prompter();
    FileDialogSpec dialog;
    dialog.title = "Export As JSON";
    dialog.filters = {kJsonFilter, "All files (*.*)"};
    dialog.defaultExtension = ".json";
    std::filesystem::path suggested = level.document().path().empty()
                                          ? std::filesystem::path(level.document().title())
                                          : std::filesystem::path(level.document().path());
    dialog.initialPath = suggested.replace_extension(".json");
    const std::optional<std::filesystem::path> target = prompter.chooseSavePath(dialog);
    if (!target)
        return false;

    // The level as the window holds it, by the save's own writers, into a folder of our own.
    const JsonImportScratch scratch;
    const std::string name = utf16ToUtf8(level.document().properties().name);
    const std::filesystem::path copy =
        scratch.path() / ((name.empty() ? std::string("Level") : name) + ".vwd");
    if (!level.WriteCopy(copy.string()))
        return false;
    const JsonFormResult<Json> json = exportLevelJson(copy, &app.types());
    if (!json.value) {
        prompter.message(json.error, Prompter::Icon::Exclamation);
        return false;
    }
    const std::string text = jsonText(*json.value);
    const WriteResult written =
        writeFileAtomically(*target, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    if (!written.ok)
        prompter.message("Cannot write " + target->string() + " (" + describeSystemError(written.error) + ")",
                         Prompter::Icon::Exclamation);
    return written.ok;
}

std::optional<std::filesystem::path> ImportLevelJson(EditorApp& app, const JsonImportScratch& scratch)
{
    Prompter& prompter = app.prompter();
    FileDialogSpec dialog;
    dialog.title = "Import From JSON";
    dialog.filters = {kJsonFilter, "All files (*.*)"};
    dialog.defaultExtension = ".json";
    const std::vector<std::filesystem::path> chosen = prompter.chooseOpenPaths(dialog);
    if (chosen.empty())
        return std::nullopt;
    const JsonFormResult<Json> json = readJsonFile(chosen.front());
    if (!json.value) {
        prompter.message(chosen.front().string() + ": " + json.error, Prompter::Icon::Exclamation);
        return std::nullopt;
    }
    const std::filesystem::path master = scratch.path() / chosen.front().filename().replace_extension(".vwd");
    const JsonFormResult<std::vector<FileBytes>> files = levelFilesFromJson(*json.value, master);
    if (!files.value) {
        prompter.message(chosen.front().string() + ": " + files.error, Prompter::Icon::Exclamation);
        return std::nullopt;
    }
    const std::string error = writeFiles(*files.value);
    if (!error.empty()) {
        prompter.message(error, Prompter::Icon::Exclamation);
        return std::nullopt;
    }
    return master;
}

} // namespace gr2
