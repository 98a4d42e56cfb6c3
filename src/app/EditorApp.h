#pragma once
// The application's game data and global commands, without a window: the root directory, the type
// database loaded from the type files beside the program, the global variables and camera modes,
// Save Game Data and Reset To GR2 Defaults. The GUI and the command-line tool both drive it.

#include "app/Prompter.h"
#include "app/ReservedNames.h"
#include "typedb/CTypeDatabase.h"
#include "typedb/TypeFamily.h"
#include "worlddata/ByteOrder.h"

#include <array>
#include <filesystem>
#include <functional>
#include <vector>

namespace gr2 {

class CWorldEditorDoc;
struct FamilyFileTarget;

class EditorApp {
public:
    /// The twelve global files are "<base name>.vwd" in the root directory.
    static constexpr const char* kVariablesFileName = "GlobalVariables.vwd";
    static constexpr const char* kDataSubdirectory = "Data\\Editor\\";
    static constexpr const char* kGraphicsSubdirectory = "Graphics\\";
    static constexpr const char* kMapsSubdirectory = "Maps\\";
    static constexpr const char* kWorldFileExtension = ".vwd";

    EditorApp(std::filesystem::path rootDirectory, Prompter& prompter);
    EditorApp(const EditorApp&) = delete;
    EditorApp& operator=(const EditorApp&) = delete;

    const std::filesystem::path& rootDirectory() const { return m_root; }
    Prompter& prompter() { return m_prompter; }
    CTypeDatabase& types() { return m_types; }
    const CTypeDatabase& types() const { return m_types; }
    const ReservedLevelNames& reservedLevelNames() const { return m_reservedLevelNames; }

    /// Start-up without a window, in order: the type files, the terrain-to-room table, the default
    /// availability lists, the variable values, the variables file with its camera modes, and the
    /// 18 default camera modes when the file brought none. The reserved level names are read too.
    void loadGlobalData();

    /// Reads every "*.vwd" file of the root directory whose first section is a type section into
    /// its family's table (files in name order), then marks the terrains named as room floors.
    void LoadTypeFiles();
    /// Reads "GlobalVariables.vwd" (with its camera modes when asked); true when it was read.
    bool LoadGlobalVariables(bool withCameraModes);
    /// Writes "GlobalVariables.vwd" and the eleven type files; a file that cannot be written is
    /// reported and the others are still written. A family goes back to the file start-up read it
    /// from when its name differs from the standard one only in case; other files of the family
    /// whose names differ only in case are renamed out of the loader's way, and the user is told.
    /// True when every file was written (and every such file renamed).
    bool SaveGameData();
    /// How many files Save Game Data writes: the variables file and the eleven type files.
    static constexpr size_t kGameDataFileCount = 1 + kSaveOrder.size();
    /// The eleven type sections in save order, as a level's copy of the global data carries them.
    void WriteAllTypeSections(Bytes& out, const DateStamp& saved) const;
    /// Deletes every record of the eleven type tables.
    void ClearTypeTables();
    /// Replaces the eleven type tables by a level's copy of the global data (its Globals file).
    /// Unsaved changes to the global data are settled first with the question Save Game Data asks
    /// at exit; on Cancel, or when their save fails, the tables stay as they are and this returns
    /// false. Afterwards nothing counts as unsaved: the tables are the level's copy.
    bool LoadLevelTypeData(const std::string& path);
    /// Asks first; on Yes reloads all global data from the root directory and starts the
    /// variable values of every open level again from the new global values. True when it reset.
    bool ResetToGR2Defaults();

    /// The levels open now, in the order they were opened. A LevelDocument joins when it is made
    /// and leaves when it is destroyed.
    void addOpenLevel(CWorldEditorDoc& level);
    void removeOpenLevel(CWorldEditorDoc& level);
    const std::vector<CWorldEditorDoc*>& openLevels() const { return m_openLevels; }
    /// The open level, other than `except`, whose file `path` names: the same file however the
    /// path is spelled (its last name in any letter case, as the reader finds it, another link
    /// to it, "..") or, while neither exists, the same name. Two documents of one file would
    /// each save over the other's edits without a word.
    CWorldEditorDoc* openLevelAt(const std::filesystem::path& path,
                                 const CWorldEditorDoc* except = nullptr) const;

    /// Rebuilds what is derived from the type tables (the terrain-to-room table and the default
    /// availability lists, keeping the states of types still there) and tells the listeners;
    /// called after a type editor or the stats import changed the tables.
    void typeTablesChanged();
    /// One byte per terrain type in table order: the room a room-floor terrain belongs to.
    const std::vector<uint8_t>& terrainToRoom() const { return m_terrainToRoom; }

    /// Why the global data changed: views rebuild their icon tables for every reason.
    enum class Change { Loaded, Reset, Edited };
    void addGlobalDataListener(std::function<void(Change)> listener)
    {
        m_listeners.push_back(std::move(listener));
    }

    /// The question of Reset To GR2 Defaults, exactly as the user sees it.
    static const char* const kResetQuestion;

    // --- unsaved global data ------------------------------------------------------------------
    /// Whether the global data holds changes Save Game Data has not written: set by a type or
    /// table editor that changed something and by the stats import; cleared by a Save Game Data
    /// that wrote every file and by Reset, after which the data is what the files hold.
    bool isGameDataModified() const { return m_gameDataModified; }
    void setGameDataModified() { m_gameDataModified = true; }
    /// Asked before the program ends. When the global data is modified: "Save changes to the game
    /// data?" with Yes (Save Game Data), No and Cancel. True when the program may end: not
    /// modified, No, or Yes and every file written.
    bool SaveGameDataModified();
    static const char* const kSaveGameDataQuestion;

    // --- the type editors' memory -------------------------------------------------------------
    /// The list position each family's type editor was last left at, for the whole run (0 at
    /// first). Not clamped: the table may have shrunk since, which its editor allows for.
    size_t typeEditorPosition(TypeFamily family) const { return m_typeEditorPositions[size_t(family)]; }
    void setTypeEditorPosition(TypeFamily family, size_t position)
    {
        m_typeEditorPositions[size_t(family)] = position;
    }

private:
    std::filesystem::path m_root;
    Prompter& m_prompter;
    CTypeDatabase m_types;
    ReservedLevelNames m_reservedLevelNames;
    std::vector<uint8_t> m_terrainToRoom;
    std::vector<std::function<void(Change)>> m_listeners;
    std::vector<CWorldEditorDoc*> m_openLevels;
    bool m_gameDataModified = false;
    std::array<size_t, kTypeFamilyCount> m_typeEditorPositions{};

    void notify(Change change);
    bool setAsideCaseTwins(TypeFamily family, const FamilyFileTarget& files);
};

} // namespace gr2
