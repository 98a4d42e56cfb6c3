#include "MapCommands.h"

#include "app/EditorApp.h"
#include "app/Prompter.h"
#include "document/LevelDocument.h"
#include "mapedit/MapTransforms.h"
#include "worlddata/DataStream.h"

namespace gr2 {

namespace {

/// Answers the Save As dialog with the output path, once, and the global-data question of the
/// save from --globals; everything else goes to the console.
class SaveAsPrompter : public Prompter {
public:
    SaveAsPrompter(Prompter& inner, std::filesystem::path output, bool globals)
        : m_inner(inner), m_output(std::move(output)), m_globals(globals)
    {
    }

    void message(const std::string& text, Icon icon) override { m_inner.message(text, icon); }
    Answer ask(const std::string& text, Buttons buttons, Icon icon) override
    {
        if (text != LevelFiles::kSaveGlobalsQuestion)
            return m_inner.ask(text, buttons, icon);
        m_inner.message(text, icon);
        return m_globals ? Answer::Yes : Answer::No;
    }
    std::optional<std::filesystem::path> chooseSavePath(const FileDialogSpec&) override
    {
        // A second request means the name was refused; the command ends instead of asking again.
        std::optional<std::filesystem::path> path = std::move(m_output);
        m_output.reset();
        return path;
    }
    std::vector<std::filesystem::path> chooseOpenPaths(const FileDialogSpec&) override { return {}; }

private:
    Prompter& m_inner;
    std::optional<std::filesystem::path> m_output;
    bool m_globals;
};

/// "COL,ROW" with each 0, 1 or 2.
bool parseAnchor(const std::string& text, uint8_t& column, uint8_t& row)
{
    if (text.size() != 3 || text[1] != ',' || text[0] < '0' || text[0] > '2' || text[2] < '0' ||
        text[2] > '2')
        return false;
    column = uint8_t(text[0] - '0');
    row = uint8_t(text[2] - '0');
    return true;
}

/// The base terrains the Resize Map dialog offers: no room floor and none of 27, 30 and 38.
bool offeredAsBase(const CTypeDatabase& db, int id)
{
    const CTerrainType* t = id > 0 && id <= 255 ? db.terrains().findById(uint32_t(id)) : nullptr;
    return t && !t->isRoomFloor() && !db.roomWithFloor(uint8_t(id)) && id != 27 && id != 30 && id != 38;
}

} // namespace

void MapCommands::define(CLI::App& app)
{
    auto common = [&](CLI::App* sub) {
        sub->add_option("IN", m_input, "The level to open")->required();
        sub->add_option("OUT", m_output, "The level file to write")->required();
        sub->add_flag("--globals", m_globals, "Include the global type data with the saved level");
    };
    m_flip = app.add_subcommand("flip", "Flip a level's map and save it under another name");
    common(m_flip);
    m_flip->add_option("--axis", m_axis, "x: rows swap top to bottom (Flip In X Axis); y: columns swap")
        ->required()
        ->check(CLI::IsMember({"x", "y"}));

    m_resize = app.add_subcommand("resize", "Resize a level's map and save it under another name");
    common(m_resize);
    m_resize->add_option("--width", m_width, "New width, 7 to 128")->required()->check(CLI::Range(7u, 128u));
    m_resize->add_option("--height", m_height, "New height, 7 to 128")
        ->required()
        ->check(CLI::Range(7u, 128u));
    m_resize->add_option("--anchor", m_anchor,
                         "Where the old map stays: COL,ROW, each 0, 1 or 2 (default 0,0)");
    m_resize->add_option("--terrain", m_terrain,
                         "Base terrain of new tiles (default: the level's base terrain)");
    m_resize->add_option("--owner", m_owner,
                         "Base owner for an ownable terrain (default: the level's base owner)");

    m_rotate = app.add_subcommand("rotate", "Rotate a level's map and save it under another name");
    common(m_rotate);
    m_rotate->add_option("--turn", m_turn, "right: a clockwise quarter turn as seen on screen; left; 180")
        ->required()
        ->check(CLI::IsMember({"left", "right", "180"}));
}

bool MapCommands::selected() const
{
    return (m_flip && *m_flip) || (m_resize && *m_resize) || (m_rotate && *m_rotate);
}

int MapCommands::run(Prompter& console)
{
    ResizeRequest resize;
    if (*m_resize && !parseAnchor(m_anchor, resize.anchorColumn, resize.anchorRow)) {
        console.message("The anchor must be COL,ROW with each 0, 1 or 2", Prompter::Icon::Exclamation);
        return 1;
    }

    SaveAsPrompter prompter(console, std::filesystem::absolute(m_output), m_globals);
    EditorApp app(baseDirectory(), prompter);
    app.loadGlobalData();
    LevelDocument level(app);
    if (!level.files().OnOpenDocument(std::filesystem::absolute(m_input)))
        return 1;
    CWorldEditorDoc& doc = level.doc();

    if (*m_flip) {
        FlipMap(doc, m_axis == "x" ? FlipAxis::X : FlipAxis::Y);
    } else if (*m_rotate) {
        RotateMap(doc, m_turn == "right" ? Turn::Right : m_turn == "left" ? Turn::Left : Turn::Half);
    } else {
        const CTypeDatabase& db = app.types();
        const int terrain = m_terrain >= 0 ? m_terrain : doc.baseTerrain();
        if (!offeredAsBase(db, terrain)) {
            console.message("Terrain " + std::to_string(terrain) + " cannot be a base terrain",
                            Prompter::Icon::Exclamation);
            return 1;
        }
        resize.width = m_width;
        resize.height = m_height;
        resize.terrain = uint8_t(terrain);
        // As in the dialog: only ownable ground takes an owner, anything else is Neutral.
        resize.owner = PlayerId::Neutral;
        if (db.terrains().findById(uint32_t(terrain))->hasFlag(TerrainTypeFlag::Ownable)) {
            const int owner = m_owner >= 0 ? m_owner : doc.baseOwner();
            if (owner < 1 || owner > 255 || !doc.FindPlayer(uint8_t(owner))) {
                console.message("The level has no player " + std::to_string(owner),
                                Prompter::Icon::Exclamation);
                return 1;
            }
            resize.owner = uint8_t(owner);
        }
        if (!ResizeMap(doc, resize, console))
            return 1;
    }
    return level.files().SaveAs() ? 0 : 1;
}

} // namespace gr2
