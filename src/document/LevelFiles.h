#pragma once
// The file side of one level document: opening a level from its master file and part files,
// SaveLevel and the Save, Save As and close flows around it, the automatic backup and the
// thumbnail. Every message, question and file dialog goes through the application's Prompter, so
// the window layer only wires these flows to its menus and timers.

#include "app/Prompter.h"
#include "document/BackupLock.h"
#include "document/LevelBackups.h"
#include "worlddata/AtomicFileSet.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace gr2 {

class CWorldEditorDoc;
class EditorApp;
class LevelScript;
class ThumbnailColours;

enum class SaveResult {
    Saved,
    /// At least one file could not be written; each was reported, and no file of the level was
    /// replaced.
    Failed,
    /// The name is reserved; nothing was written and the user was told.
    ReservedName,
    /// The user chose not to write a damaged level over its own files; nothing changed.
    Cancelled,
};

class LevelFiles {
public:
    static constexpr const char* kAutoSaveFileName = "AutoSave.vwd";
    static constexpr std::chrono::milliseconds kAutosaveInterval{600000};
    /// How often open levels are backed up in this run (kAutosaveInterval unless changed, as the
    /// editor's --backup-interval option does).
    static std::chrono::milliseconds autosaveInterval();
    static void setAutosaveInterval(std::chrono::milliseconds interval);

    static const char* const kLoadFailedMessage;
    static const char* const kLoadGlobalsQuestion;
    static const char* const kSaveGlobalsQuestion;
    static const char* const kReservedOfficialMessage;
    static const char* const kReservedDataFileMessage;
    /// A normal save to the backup's own path would be overwritten by the next autosave.
    static const char* const kReservedBackupMessage;
    static const char* const kSaveChangesQuestion;
    /// Save As refuses the files of a level open in another window (its title fills the "%s").
    static const char* const kOpenInAnotherWindowMessage;
    /// Shown after the title of a level some of whose files could not be read completely.
    static const char* const kDamagedTitleMark;
    /// Asked before a damaged level is written over the files it was read from.
    static const char* const kReplaceDamagedQuestion;

    /// Gives the document its script model when it has none and, the first time a level is made in
    /// this run, reads the thumbnail colour table (again, if it could not be read before).
    LevelFiles(EditorApp& app, CWorldEditorDoc& doc, ThumbnailColours& colours);
    LevelFiles(const LevelFiles&) = delete;
    LevelFiles& operator=(const LevelFiles&) = delete;

    CWorldEditorDoc& document() const { return m_doc; }

    /// Opens the level at `path`: the master file, then the Triggers, Players, Map and Things
    /// files, the level's own global data when the user takes it, and the Variables file; then
    /// the script's actions are attached and resolved, hearts found, the border drawn and the
    /// level marked unmodified and named. A failure shows "Failed to load level!".
    bool OnOpenDocument(const std::filesystem::path& path);

    /// Writes the level: its part files, the master file and, after asking, its copy of the global
    /// data, all replaced as one (AtomicFileSet): a failure anywhere leaves every file as it was.
    /// An interrupted save left in the folder is settled first. An autosave writes the level's own backup
    /// (backupPath()) with its part files and origin, asks nothing and leaves the document's path, name and
    /// modified flag alone. A normal save of a damaged level over its own files asks first; it clears the
    /// modified flag and the damage only when every file was written.
    SaveResult SaveLevel(bool autosave);

    /// The Save command: Save As for a level never named; else the checks, the save and the
    /// thumbnail. A reserved name offers Save As. Answers whether the level was saved.
    bool Save();
    /// Save As: the checks, then the file dialog; the chosen path names the level and Save runs.
    bool SaveAs();
    /// Asked before the level closes: true when it may close (not modified, No, or saved).
    bool SaveModified();

    /// The backup save the views' timers ask for.
    bool AutoSave();
    /// Writes the level as the window holds it to `master` and its part files, as the backup does:
    /// no question, and the document's path, name and modified flag stay as they are.
    bool WriteCopy(const std::string& master);
    /// Saves the backup when the interval has passed since the last one (or since the document was
    /// made): however many views time it, a document is backed up once per interval. A level
    /// without unsaved changes needs none: its file holds it.
    bool autosaveIfDue(std::chrono::steady_clock::time_point now);

    /// Where this level's backup goes: in the root's backup folder, named after the level's path,
    /// or after its title while it was never saved.
    std::filesystem::path backupPath() const;
    /// Removes the level's backups (the one it has now and one written under an earlier name).
    /// Called when the level is saved and when its window closes without unsaved changes.
    void RemoveBackup();
    /// Opens a backup found at start-up as the level it belongs to, with unsaved changes: a named
    /// level takes its own path and title back (Save writes its own files), a level never saved
    /// stays unnamed.
    bool OpenBackup(const LevelBackups::Backup& backup);

    /// Writes the thumbnail where the Save command puts it; the file written, if any.
    std::optional<std::filesystem::path> WriteThumbnail();

    /// The Save As dialog: title, filters, default extension, and the file it proposes: a saved
    /// level's own file, else the level's name in the root's Maps folder (the level takes its
    /// name from the file, so proposing it keeps the name the designer gave).
    static FileDialogSpec saveAsDialog(const std::filesystem::path& rootDirectory,
                                       const CWorldEditorDoc& doc);

private:
    enum class LoadOutcome { Loaded, Failed, Cancelled };
    LoadOutcome loadLevel(const std::string& path, LevelScript& script);
    /// The dialog and the Save command after it, again while the chosen name is reserved.
    bool runSaveAsDialog();
    bool saveNamed();
    /// SaveLevel to a master path under a level name, which need not be the document's yet.
    SaveResult writeLevel(const std::string& master, const std::u16string& levelName, bool autosave);
    /// Writes one file of the level into the save's set; a failure is reported with its path.
    bool addLevelFile(AtomicFileSet& files, const std::string& path, const std::vector<uint8_t>& bytes);
    /// Whether a path names the backup's master file ("AutoSave.vwd" in the root folder), in any
    /// case and however the folders are spelled.
    bool isAutoSavePath(const std::string& path) const;

    EditorApp& m_app;
    CWorldEditorDoc& m_doc;
    Prompter& m_prompter;
    ThumbnailColours& m_colours;
    std::chrono::steady_clock::time_point m_lastAutosave;
    /// The backup this document wrote last; its name follows the level's, which Save As changes.
    std::filesystem::path m_backupWritten;
    /// Held while the backup exists, so that another editor on the root leaves it alone.
    BackupLock m_backupLock;
};

} // namespace gr2
