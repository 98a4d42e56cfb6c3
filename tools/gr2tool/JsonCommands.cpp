#include "JsonCommands.h"

#include "app/EditorApp.h"
#include "app/Prompter.h"
#include "document/LevelJson.h"
#include "worlddata/AtomicFile.h"
#include "worlddata/DataStream.h"

namespace gr2 {

void JsonCommands::define(CLI::App& app)
{
    m_export =
        app.add_subcommand("export-json", "Write a level (or with --game-data the global data) as JSON");
    m_export->add_flag("--game-data", m_exportGameData, "Export every world-data file of the root instead");
    m_export->add_option("FILES", m_files, "LEVEL.vwd OUT.json, or OUT.json with --game-data")
        ->required()
        ->expected(1, 2);
    m_import =
        app.add_subcommand("import-json", "Write a level (or with --game-data the global data) from JSON");
    m_import->add_flag("--game-data", m_importGameData, "Write the root's world-data files instead");
    m_import->add_option("FILES", m_files, "IN.json LEVEL.vwd, or IN.json with --game-data")
        ->required()
        ->expected(1, 2);
}

bool JsonCommands::selected() const
{
    return *m_export || *m_import;
}

int JsonCommands::run(Prompter& prompter)
{
    auto fail = [&](const std::string& text) {
        prompter.message(text, Prompter::Icon::Exclamation);
        return 1;
    };
    const bool gameData = *m_export ? m_exportGameData : m_importGameData;
    if (m_files.size() != (gameData ? 1u : 2u))
        return fail(*m_export ? "usage: export-json LEVEL.vwd OUT.json | export-json --game-data OUT.json"
                              : "usage: import-json IN.json LEVEL.vwd | import-json --game-data IN.json");
    if (*m_export) {
        const std::string& out = m_files.back();
        JsonFormResult<Json> result;
        if (gameData) {
            result = exportGameDataJson(baseDirectory());
        } else {
            // The root's type data names the terrains of the map's legend.
            EditorApp app(baseDirectory(), prompter);
            app.loadGlobalData();
            result = exportLevelJson(std::filesystem::absolute(m_files[0]), &app.types());
        }
        if (!result.value)
            return fail(result.error);
        const std::string text = jsonText(*result.value);
        const WriteResult written =
            writeFileAtomically(std::filesystem::absolute(out),
                                std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
        return written.ok ? 0 : fail("Cannot write " + out + " (" + describeSystemError(written.error) + ")");
    }
    const std::string& in = m_files[0];
    const JsonFormResult<Json> json = readJsonFile(std::filesystem::absolute(in));
    if (!json.value)
        return fail(in + ": " + json.error);
    const JsonFormResult<std::vector<FileBytes>> files =
        gameData ? gameDataFilesFromJson(*json.value, baseDirectory())
                 : levelFilesFromJson(*json.value, std::filesystem::absolute(m_files[1]));
    if (!files.value)
        return fail(in + ": " + files.error);
    const std::string error = writeFiles(*files.value);
    return error.empty() ? 0 : fail(error);
}

} // namespace gr2
