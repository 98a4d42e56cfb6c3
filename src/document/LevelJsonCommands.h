#pragma once
// The File menu's "Export As JSON..." and "Import From JSON..." on the editor's side of the
// window: the level goes out as the window holds it, and an imported level opens as a new level
// that is not yet saved anywhere.

#include <filesystem>
#include <optional>

namespace gr2 {

class EditorApp;
class LevelFiles;

/// Asks where to, then writes the level's JSON there. False when cancelled or failed (reported).
bool ExportLevelAsJson(EditorApp& app, LevelFiles& level);

/// A folder of the editor's own for the files an import makes before they are opened.
class JsonImportScratch {
public:
    JsonImportScratch();
    ~JsonImportScratch();
    JsonImportScratch(const JsonImportScratch&) = delete;
    JsonImportScratch& operator=(const JsonImportScratch&) = delete;
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

/// Asks for a JSON file and writes the level it holds into the scratch folder; the master file's
/// path there, to be opened, or none when cancelled or refused (reported with the JSON path).
std::optional<std::filesystem::path> ImportLevelJson(EditorApp& app, const JsonImportScratch& scratch);

} // namespace gr2
