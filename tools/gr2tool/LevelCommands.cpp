#include "LevelCommands.h"

#include "app/EditorApp.h"
#include "app/Prompter.h"
#include "app/SaveFailedMessage.h"
#include "document/LevelChecks.h"
#include "document/LevelDocument.h"
#include "document/LevelProblems.h"
#include "level/TextConversion.h"
#include "script/LevelScript.h"
#include "script/ScriptTreeExport.h"
#include "script/ScriptTreeModel.h"
#include "worlddata/AtomicFile.h"
#include "worlddata/DataStream.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <iostream>

namespace gr2 {

namespace {

using json = nlohmann::ordered_json;

/// The tool's answers to the questions of the level commands: the path Save As asks for (once, so
/// a reserved name ends the command instead of asking again) and, when given, the answer to the
/// global-data question of a save. Everything else goes to the console prompter.
class LevelToolPrompter : public Prompter {
public:
    explicit LevelToolPrompter(Prompter& inner) : m_inner(inner) {}

    void setSavePath(std::filesystem::path path) { m_savePath = std::move(path); }
    void setSaveGlobalsAnswer(Answer answer) { m_saveGlobals = answer; }

    void message(const std::string& text, Icon icon) override { m_inner.message(text, icon); }
    Answer ask(const std::string& text, Buttons buttons, Icon icon) override
    {
        if (m_saveGlobals && text == LevelFiles::kSaveGlobalsQuestion) {
            m_inner.message(text, icon);
            return *m_saveGlobals;
        }
        return m_inner.ask(text, buttons, icon);
    }
    std::optional<std::filesystem::path> chooseSavePath(const FileDialogSpec&) override
    {
        std::optional<std::filesystem::path> path = std::move(m_savePath);
        m_savePath.reset();
        return path;
    }
    std::vector<std::filesystem::path> chooseOpenPaths(const FileDialogSpec&) override { return {}; }

private:
    Prompter& m_inner;
    std::optional<std::filesystem::path> m_savePath;
    std::optional<Answer> m_saveGlobals;
};

/// The editor as it starts, without a window.
struct ToolSession {
    explicit ToolSession(Prompter& console) : prompter(console), app(baseDirectory(), prompter)
    {
        app.loadGlobalData();
    }
    /// A level opened as the editor opens it; none when it could not be (messages were given).
    std::unique_ptr<LevelDocument> open(const std::string& path)
    {
        auto level = std::make_unique<LevelDocument>(app);
        if (!level->files().OnOpenDocument(std::filesystem::absolute(path)))
            return nullptr;
        return level;
    }

    LevelToolPrompter prompter;
    EditorApp app;
};

/// The base terrains the New dialog offers: terrain types in table order, without room floors and
/// the ids 27, 30 and 38.
std::vector<uint8_t> offeredBaseTerrains(const CTypeDatabase& db)
{
    std::vector<uint8_t> offered;
    for (const CTerrainType& t : db.terrains()) {
        const uint16_t id = t.id();
        if (t.isRoomFloor() || db.roomWithFloor(uint8_t(id)) || id == 27 || id == 30 || id == 38)
            continue;
        offered.push_back(uint8_t(id));
    }
    return offered;
}

json point(TilePoint p)
{
    if (p == TilePoint{})
        return nullptr;
    return json::array({p.x, p.y});
}

json levelInfo(const LevelDocument& level, const std::string& file)
{
    const CWorldEditorDoc& doc = level.doc();
    json players = json::array();
    size_t portals = 0, gates = 0;
    for (size_t i = 0; i < doc.PlayerCount(); ++i) {
        const CPlayer& p = *doc.PlayerAt(i);
        portals += p.portals().size();
        gates += p.heroGates().size();
        players.push_back(json{{"id", p.id()},
                               {"name", latin1ToUtf8(p.name())},
                               {"gold", p.startingGold()},
                               {"computer", p.isComputer()},
                               {"heart", point(p.heartPosition())},
                               {"camera", point(p.cameraStart())}});
    }
    json alliances = json::array();
    for (const auto& [a, b] : doc.alliances().pairs())
        alliances.push_back(json::array({a, b}));

    size_t creatures = 0, deadBodies = 0, parties = 0;
    for (const auto& c : doc.creatures())
        if (c->isPlaced())
            ++(c->isDeadBody() ? deadBodies : creatures);
    for (size_t slot = 0; slot < size_t(kHeroPartySlots); ++slot)
        if (doc.HeroPartyAt(slot))
            ++parties;
    auto placed = [](const auto& things) {
        size_t n = 0;
        for (const auto& t : things)
            n += t->isPlaced() ? 1 : 0;
        return n;
    };
    const LevelScript* script = LevelScript::of(doc);
    return json{{"file", file},
                {"name", utf16ToUtf8(doc.properties().name)},
                {"width", doc.width()},
                {"height", doc.height()},
                {"version", doc.version().value},
                {"flags", doc.properties().flags},
                {"players", std::move(players)},
                {"alliances", std::move(alliances)},
                {"things", json{{"creatures", creatures},
                                {"deadBodies", deadBodies},
                                {"doors", placed(doc.doors())},
                                {"traps", placed(doc.traps())},
                                {"objects", placed(doc.objects())},
                                {"actionPoints", doc.actionPoints().size()},
                                {"heroParties", parties},
                                {"effectGenerators", doc.effectGenerators().size()},
                                {"portals", portals},
                                {"heroGates", gates}}},
                {"triggers", script ? script->triggers().size() : 0},
                {"actions", script ? script->actions().size() : 0}};
}

} // namespace

void LevelCommands::define(CLI::App& app)
{
    m_new = app.add_subcommand("new", "Create a level and save it as the Save command does");
    m_new->add_option("OUT", m_output, "The level file to write (.vwd)")->required();
    m_new->add_option("--name", m_name, "Level name (default: from OUT)");
    m_new->add_option("--width", m_width, "Map width, 7 to 128")->check(CLI::Range(7u, 128u));
    m_new->add_option("--height", m_height, "Map height, 7 to 128")->check(CLI::Range(7u, 128u));
    m_new->add_option("--terrain", m_terrain, "Base terrain type id (default: as the New dialog offers)")
        ->check(CLI::Range(1, 255));
    m_new->add_option("--owner", m_owner, "Base owner: 1 Good, 2 Neutral, 3 Vorlan 1 (default 2)")
        ->check(CLI::Range(1, 3));

    m_resave = app.add_subcommand("resave", "Open a level and save it under another name as Save As does");
    m_resave->add_option("IN", m_level, "The level to open")->required();
    m_resave->add_option("OUT", m_output, "The level file to write")->required();
    m_resave->add_flag("--globals", m_globals, "Include the global type data with the saved level");

    m_check = app.add_subcommand("check", "Run the level checks; print the first failure or OK");
    m_check->add_option("LEVEL", m_level, "The level to check")->required();
    m_check->add_flag("--all", m_allProblems,
                      "List every problem of the level, errors and warnings; exit 1 when any is an error");
    m_check->add_flag("--json", m_json, "With --all: print the problems as JSON (implies --all)");

    m_thumbnail = app.add_subcommand("thumbnail", "Write the level's thumbnail where the Save command does");
    m_thumbnail->add_option("LEVEL", m_level, "The level")->required();

    m_info = app.add_subcommand("info", "Print a JSON summary of a level");
    m_info->add_option("LEVEL", m_level, "The level")->required();

    m_tree = app.add_subcommand("tree", "Print the level's script tree as Export To File writes it");
    m_tree->add_option("LEVEL", m_level, "The level")->required();
    m_tree->add_option("--out", m_output, "Write the export into this file instead of standard output");
}

bool LevelCommands::selected() const
{
    return (m_new && *m_new) || (m_resave && *m_resave) || (m_check && *m_check) ||
           (m_thumbnail && *m_thumbnail) || (m_info && *m_info) || (m_tree && *m_tree);
}

int LevelCommands::run(Prompter& prompter)
{
    if (*m_new)
        return runNew(prompter);
    if (*m_resave)
        return runResave(prompter);
    if (*m_check)
        return runCheck(prompter);
    if (*m_thumbnail)
        return runThumbnail(prompter);
    if (*m_info)
        return runInfo(prompter);
    if (*m_tree)
        return runTree(prompter);
    return 2;
}

int LevelCommands::runNew(Prompter& console)
{
    ToolSession session(console);
    const CTypeDatabase& db = session.app.types();
    const std::string path = std::filesystem::absolute(m_output).string();

    NewLevelSettings settings;
    settings.name = CWorldEditorDoc::levelNameFromTitle(path);
    settings.width = m_width;
    settings.height = m_height;
    // Without a choice, the dialog's: the second terrain it offers.
    const std::vector<uint8_t> offered = offeredBaseTerrains(db);
    if (m_terrain > 0)
        settings.baseTerrain = uint8_t(m_terrain);
    else if (!offered.empty())
        settings.baseTerrain = offered[std::min<size_t>(1, offered.size() - 1)];
    const CTerrainType* terrain = db.terrains().findById(settings.baseTerrain);
    if (!terrain || std::find(offered.begin(), offered.end(), settings.baseTerrain) == offered.end()) {
        console.message("Terrain type " + std::to_string(settings.baseTerrain) +
                            " is not offered as a base terrain",
                        Prompter::Icon::Exclamation);
        return 1;
    }
    // The dialog offers an owner only for ownable terrain; anything else belongs to the Neutral player.
    settings.baseOwner =
        m_owner > 0 && terrain->hasFlag(TerrainTypeFlag::Ownable) ? uint8_t(m_owner) : PlayerId::Neutral;

    LevelDocument level(session.app);
    CWorldEditorDoc& doc = level.doc();
    doc.NewLevel(settings);
    doc.SetTitle(path);
    doc.setPath(path);
    doc.setNamed(true);
    if (!m_name.empty()) {
        LevelProperties properties = doc.properties();
        std::u16string name = utf8ToUtf16(m_name);
        name.resize(std::min(name.size(), LevelProperties::kNameLength));
        properties.name = std::move(name);
        doc.setProperties(properties);
    }
    // A new level cannot pass the checks (its Vorlan has no heart yet), so it is written without
    // them; everything else is as the Save command does it.
    if (level.files().SaveLevel(false) != SaveResult::Saved)
        return 1;
    level.files().WriteThumbnail();
    return 0;
}

int LevelCommands::runResave(Prompter& console)
{
    ToolSession session(console);
    auto level = session.open(m_level);
    if (!level)
        return 1;
    session.prompter.setSavePath(std::filesystem::absolute(m_output));
    session.prompter.setSaveGlobalsAnswer(m_globals ? Prompter::Answer::Yes : Prompter::Answer::No);
    return level->files().SaveAs() ? 0 : 1;
}

int LevelCommands::printProblems(const std::vector<LevelProblem>& problems) const
{
    const auto errors = std::count_if(problems.begin(), problems.end(), [](const LevelProblem& p) {
        return p.severity == ProblemSeverity::Error;
    });
    const auto warnings = std::ptrdiff_t(problems.size()) - errors;
    if (m_json) {
        json list = json::array();
        for (const LevelProblem& p : problems) {
            json place{{"kind", placeKindName(p.place.kind)}};
            if (p.place.kind != ProblemPlaceKind::Level && p.place.kind != ProblemPlaceKind::Tile)
                place["id"] = p.place.id;
            if (p.place.hasTile) {
                place["x"] = p.place.tile.x;
                place["y"] = p.place.tile.y;
            }
            list.push_back({{"severity", severityName(p.severity)},
                            {"code", p.code},
                            {"message", p.message},
                            {"place", std::move(place)}});
        }
        json out{{"level", std::filesystem::absolute(m_level).string()},
                 {"errors", errors},
                 {"warnings", warnings},
                 {"problems", std::move(list)}};
        std::cout << out.dump(2) << '\n';
    } else if (problems.empty()) {
        std::cout << "OK\n";
    } else {
        for (const LevelProblem& p : problems)
            std::cout << severityName(p.severity) << ": " << describePlace(p.place) << ": " << p.message
                      << '\n';
        std::cout << errors << " error(s), " << warnings << " warning(s)\n";
    }
    return errors > 0 ? 1 : 0;
}

int LevelCommands::runCheck(Prompter& console)
{
    ToolSession session(console);
    auto level = session.open(m_level);
    if (!level)
        return 1;
    if (m_allProblems || m_json)
        return printProblems(validateLevel(level->doc()));
    if (std::optional<std::string> failure = firstFailedLevelCheck(level->doc())) {
        std::cout << *failure << '\n';
        return 1;
    }
    std::cout << "OK\n";
    return 0;
}

int LevelCommands::runThumbnail(Prompter& console)
{
    ToolSession session(console);
    auto level = session.open(m_level);
    if (!level)
        return 1;
    std::optional<std::filesystem::path> written = level->files().WriteThumbnail();
    if (!written) {
        console.message("Could not write the thumbnail of \"" + m_level + "\"", Prompter::Icon::Exclamation);
        return 1;
    }
    std::cout << written->string() << '\n';
    return 0;
}

int LevelCommands::runInfo(Prompter& console)
{
    ToolSession session(console);
    auto level = session.open(m_level);
    if (!level)
        return 1;
    std::cout << levelInfo(*level, m_level).dump(2) << '\n';
    return 0;
}

int LevelCommands::runTree(Prompter& console)
{
    ToolSession session(console);
    auto level = session.open(m_level);
    if (!level)
        return 1;
    ScriptTreeModel tree(level->doc(), session.app.types());
    tree.Refresh();
    const std::string text = exportTreeText(tree.root());
    if (m_output.empty()) {
        std::cout << text;
        return 0;
    }
    const WriteResult written = writeFileAtomically(m_output, Bytes(text.begin(), text.end()));
    if (!written.ok) {
        console.message(saveFailedMessage(m_output, written.error), Prompter::Icon::Exclamation);
        return 1;
    }
    return 0;
}

} // namespace gr2
