#include "app/StatsImportCommand.h"

#include "app/EditorApp.h"

namespace gr2 {

StatsImport::Result importStatsFile(EditorApp& app, const std::filesystem::path& path, size_t* sectionsRead)
{
    StatsImport import(app.types(), app.prompter());
    const StatsImport::Result result = import.importFile(path);
    if (sectionsRead)
        *sectionsRead = import.sectionsRead();
    if (result == StatsImport::Result::Imported || result == StatsImport::Result::Aborted) {
        // Even a stopped import may have changed the types it reached.
        app.setGameDataModified();
        app.typeTablesChanged();
    }
    return result;
}

} // namespace gr2
