#include "document/LevelFiles.h"

#include "app/EditorApp.h"
#include "app/ReservedNames.h"
#include "app/SaveFailedMessage.h"
#include "document/LevelChecks.h"
#include "document/LevelFileCodec.h"
#include "document/LevelSaveRules.h"
#include "level/CWorldEditorDoc.h"
#include "level/LevelRecords.h"
#include "level/LevelSink.h"
#include "level/LevelTypes.h"
#include "level/TextConversion.h"
#include "level/Thumbnail.h"
#include "script/LevelScript.h"
#include "script/TriggerSection.h"
#include "worlddata/AtomicFile.h"
#include "worlddata/CaseInsensitivePath.h"
#include "worlddata/DataStream.h"
#include "worlddata/SaveRecovery.h"
#include "worlddata/SectionReader.h"
#include "worlddata/SectionWriter.h"

#include <algorithm>

namespace gr2 {

const char* const LevelFiles::kLoadFailedMessage = "Failed to load level!";
const char* const LevelFiles::kLoadGlobalsQuestion =
    "This level contains overrides to Global Data.\n\nClick 'OK' to load this Global Data.\n"
    "Click 'Cancel' to keep current Global Data.";
const char* const LevelFiles::kSaveGlobalsQuestion =
    "Include Global Type data with saved level?\n\n(Increases overall level size by 660k approx.)\n";
const char* const LevelFiles::kReservedOfficialMessage =
    "This filename is reserved for an Official GR2 Level.\n\nPlease select a different filename.";
const char* const LevelFiles::kReservedDataFileMessage =
    "This filename is reserved for a GR2 Data File.\n\nPlease select a different filename.";
const char* const LevelFiles::kReservedBackupMessage =
    "This filename is reserved for the automatic backup.\n\nPlease select a different filename.";
const char* const LevelFiles::kSaveChangesQuestion = "Save changes to %s?";
const char* const LevelFiles::kOpenInAnotherWindowMessage =
    "\"%s\" is open in another window.\n\nClose it there first, or choose a different filename.";
const char* const LevelFiles::kDamagedTitleMark = " [ Damaged ]";
const char* const LevelFiles::kReplaceDamagedQuestion =
    "Some of this level's files could not be read completely.\n\nSaving will replace its files with "
    "only the parts that were read.\n\nSave anyway?";

namespace {

constexpr const char* kMapsFolderInData = "Data\\Editor\\Maps\\";
constexpr const char* kGlobalVariablesEntry = "Data\\Editor\\GlobalVariables.vwd";

/// B: the master file's path without its last four characters (its extension).
std::string basePathOf(const std::string& master)
{
    return master.size() >= 4 ? master.substr(0, master.size() - 4) : std::string();
}

/// Whether two paths name the same file, in any case and however the folders are spelled.
bool sameFilePath(const std::filesystem::path& a, const std::filesystem::path& b)
{
    if (a.empty() || b.empty())
        return false;
    std::error_code aError, bError;
    const auto first = std::filesystem::weakly_canonical(std::filesystem::absolute(a), aError);
    const auto second = std::filesystem::weakly_canonical(std::filesystem::absolute(b), bError);
    return !aError && !bError && equalsIgnoringCase(first.generic_string(), second.generic_string());
}

/// A path with the separators of the platform the files come from turned into ours.
std::filesystem::path nativePath(std::string path)
{
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

/// The last part of a path of either convention.
std::string fileNameOf(const std::string& path)
{
    const size_t sep = path.find_last_of("\\/");
    return sep == std::string::npos ? path : path.substr(sep + 1);
}

} // namespace

LevelFiles::LevelFiles(EditorApp& app, CWorldEditorDoc& doc, ThumbnailColours& colours)
    : m_app(app), m_doc(doc), m_prompter(app.prompter()), m_colours(colours),
      m_lastAutosave(std::chrono::steady_clock::now())
{
    if (!LevelScript::of(m_doc))
        m_doc.adoptScript(std::make_unique<LevelScript>(m_doc));
    if (!m_doc.history().hasCodec())
        m_doc.history().setCodec(std::make_unique<LevelFileCodec>(m_app.types()));
    m_colours.ensureLoaded(m_app.rootDirectory());
}

// --- opening -------------------------------------------------------------------------------------

bool LevelFiles::OnOpenDocument(const std::filesystem::path& path)
{
    LevelScript* script = LevelScript::of(m_doc);
    if (!script) {
        m_doc.adoptScript(std::make_unique<LevelScript>(m_doc));
        script = LevelScript::of(m_doc);
    }
    // A save of this level (or of another in its folder) that was cut off is finished or undone
    // first, so the level is read whole: all of the old save or all of the new one.
    const std::filesystem::path folder = nativePath(path.string()).parent_path();
    recoverInterruptedSaves(folder, m_prompter);
    recoverInterruptedSaves(Thumbnail::folderFor(path.string(), m_app.rootDirectory()), m_prompter);
    switch (loadLevel(path.string(), *script)) {
    case LoadOutcome::Loaded:
        break;
    case LoadOutcome::Failed:
        m_prompter.message(kLoadFailedMessage, Prompter::Icon::Exclamation);
        return false;
    case LoadOutcome::Cancelled:
        // The designer chose to keep unsaved type edits rather than open the level on its own
        // global data: nothing failed, so nothing is reported.
        return false;
    }
    script->FinishReading();
    m_doc.finishOpen();
    m_lastAutosave = std::chrono::steady_clock::now();
    return true;
}

LevelFiles::LoadOutcome LevelFiles::loadLevel(const std::string& path, LevelScript& script)
{
    m_doc.beginOpen(path);
    const std::string base = basePathOf(path);
    if (base.empty() || IsReservedDataFileName(base))
        return LoadOutcome::Failed;

    RecordSink sink;
    LevelSink levelSink(m_doc, m_prompter);
    levelSink.bind(sink);
    TriggerSink triggerSink(script);
    triggerSink.bind(sink);

    if (!OpenWorldFile(base + ".vwd", sink, m_prompter))
        return LoadOutcome::Failed;

    // A part file that is missing or broken has been reported by the reader; the level goes on
    // with what the others hold. A file that is there but could not be read to its end holds more
    // than the level now does, so the level is marked damaged and saving over it asks first.
    auto readPart = [&](const char* suffix) {
        const std::string part = base + suffix;
        if (!OpenWorldFile(part, sink, m_prompter) && findFileIgnoringCase(resolveDataPath(part)))
            m_doc.setDamaged(true);
    };
    readPart("Triggers.vld");
    readPart("Players.vld");
    m_doc.clearAlliances();
    readPart("Map.vld");
    // Nothing of a level can stand without its map.
    if (m_doc.cellCount() == 0 || m_doc.terrainTiles().size() != m_doc.cellCount())
        return LoadOutcome::Failed;
    readPart("Things.vld");

    const std::string globals = base + "Globals.vld";
    if (findFileIgnoringCase(resolveDataPath(globals)) &&
        m_prompter.ask(kLoadGlobalsQuestion, Prompter::Buttons::OkCancel, Prompter::Icon::Question) ==
            Prompter::Answer::Ok) {
        // Only this file may bring type records; the level's other files have no say in the
        // global data. Unsaved type edits are settled first; Cancel there cancels the open.
        if (!m_app.LoadLevelTypeData(globals))
            return LoadOutcome::Cancelled;
    }

    // The level starts from the global values, so a Variables file that is missing or stops early
    // leaves the variables it does not name at their global values.
    const LevelTypes& types = m_doc.types();
    m_doc.loadedVariables().assign(types.globalVariables(), types.overridableVariableIds());
    readPart("Variables.vld");
    return LoadOutcome::Loaded;
}

// --- saving --------------------------------------------------------------------------------------

bool LevelFiles::isAutoSavePath(const std::string& path) const
{
    return sameFilePath(path, m_app.rootDirectory() / kAutoSaveFileName);
}

bool LevelFiles::addLevelFile(AtomicFileSet& files, const std::string& path,
                              const std::vector<uint8_t>& bytes)
{
    const WriteResult result = files.add(nativePath(path), bytes);
    if (!result.ok)
        m_prompter.message(saveFailedMessage(path, result.error), Prompter::Icon::Exclamation);
    return result.ok;
}

namespace {

std::chrono::milliseconds g_autosaveInterval = LevelFiles::kAutosaveInterval;

} // namespace

std::chrono::milliseconds LevelFiles::autosaveInterval()
{
    return g_autosaveInterval;
}

void LevelFiles::setAutosaveInterval(std::chrono::milliseconds interval)
{
    g_autosaveInterval = interval;
}

std::filesystem::path LevelFiles::backupPath() const
{
    return LevelBackups::masterPathFor(m_app.rootDirectory(), m_doc.isNamed() ? m_doc.path() : std::string(),
                                       m_doc.title());
}

SaveResult LevelFiles::SaveLevel(bool autosave)
{
    if (!autosave)
        return writeLevel(m_doc.path(), m_doc.properties().name, false);
    const std::filesystem::path master = backupPath();
    std::error_code error;
    std::filesystem::create_directories(master.parent_path(), error);
    if (m_backupWritten != master && !m_backupWritten.empty()) {
        m_backupLock.release();
        LevelBackups::remove(m_backupWritten); // the level was renamed since
    }
    // Taken before the first byte is written: another editor starting meanwhile must not offer or
    // delete a backup being written. A lock that cannot be had (another editor holds it: the same
    // level is open twice) does not stop the backup.
    m_backupLock.take(master);
    SaveResult result = writeLevel(master.string(), m_doc.properties().name, true);
    // Without its origin a backup is never offered, so a failed origin fails the backup.
    if (result == SaveResult::Saved &&
        !LevelBackups::writeOrigin(master, m_doc.isNamed() ? m_doc.path() : std::string(), m_doc.title()))
        result = SaveResult::Failed;
    m_backupWritten = master;
    return result;
}

void LevelFiles::RemoveBackup()
{
    m_backupLock.release();
    if (!m_backupWritten.empty())
        LevelBackups::remove(m_backupWritten);
    LevelBackups::remove(backupPath());
    m_backupWritten.clear();
}

bool LevelFiles::OpenBackup(const LevelBackups::Backup& backup)
{
    if (!OnOpenDocument(backup.master))
        return false;
    if (backup.levelPath.empty()) {
        m_doc.SetTitle(backup.title);
        m_doc.setPath({});
        m_doc.setNamed(false);
    } else {
        m_doc.SetTitle(backup.levelPath);
        m_doc.setPath(backup.levelPath);
        m_doc.setNamed(true);
    }
    m_doc.SetModifiedFlag(true);
    m_backupWritten = backup.master;
    return true;
}

SaveResult LevelFiles::writeLevel(const std::string& master, const std::u16string& levelName16, bool autosave)
{
    const std::string levelName = utf16ToUtf8(levelName16);
    if (!autosave) {
        if (m_app.reservedLevelNames().contains(levelName)) {
            m_prompter.message(kReservedOfficialMessage, Prompter::Icon::Information);
            return SaveResult::ReservedName;
        }
        if (IsReservedDataFileName(master)) {
            m_prompter.message(kReservedDataFileMessage, Prompter::Icon::Information);
            return SaveResult::ReservedName;
        }
        if (isAutoSavePath(master)) {
            m_prompter.message(kReservedBackupMessage, Prompter::Icon::Information);
            return SaveResult::ReservedName;
        }
        // Asked before anything of the level is touched, so No leaves it exactly as it was.
        if (m_doc.isDamaged() && sameFilePath(master, m_doc.path()) &&
            m_prompter.ask(kReplaceDamagedQuestion, Prompter::Buttons::YesNo, Prompter::Icon::Exclamation) !=
                Prompter::Answer::Yes)
            return SaveResult::Cancelled;
    }
    const std::string base = basePathOf(master);
    if (base.empty())
        return SaveResult::Failed;

    const CTypeDatabase& db = m_app.types();
    LevelSaveRules::markAvailability(m_doc, db);
    const std::vector<uint32_t> usedCreatures = LevelSaveRules::usedCreatureTypes(m_doc, db);

    LevelScript* script = LevelScript::of(m_doc);
    const DateStamp now = DateStamp::now();
    SectionInfo info;
    info.created = now;
    info.saved = now;

    // Every file of the level is written beside its target first and replaced only when all of
    // them could be written, as one: a failure or a crash anywhere leaves the whole old level or
    // the whole new one. Each file that cannot be written is still reported.
    recoverInterruptedSaves(nativePath(master).parent_path(), m_prompter);
    AtomicFileSet files;
    std::vector<Bytes> entries{
        LevelSaveRules::partFileEntry(kMapsFolderInData + utf8ToLatin1(levelName) + "Globals.vld", 0)};
    bool allWritten = true;
    auto writePart = [&](const char* suffix, SectionId section, const Bytes& bytes) {
        const std::string path = base + suffix;
        entries.push_back(
            LevelSaveRules::partFileEntry(kMapsFolderInData + fileNameOf(path), uint32_t(section)));
        if (!addLevelFile(files, path, bytes)) {
            // A file that was not written is not listed.
            entries.pop_back();
            allWritten = false;
        }
    };

    Bytes players;
    writeRecordSection(players, SectionId::Player, info, RecordSize::Player,
                       LevelRecords::packPlayers(m_doc));
    writePart("Players.vld", SectionId::Player, players);

    Bytes map;
    writeMapSection(map, m_doc.width(), m_doc.height(), LevelRecords::packMapElements(m_doc));
    writePart("Map.vld", SectionId::Map, map);

    Bytes triggers;
    if (script) {
        TriggerSection::write(triggers, *script, now);
    } else {
        TriggerSectionInfo none;
        none.created = now;
        none.saved = now;
        writeTriggerSection(triggers, none, {});
    }
    writePart("Triggers.vld", SectionId::Trigger, triggers);

    entries.push_back(LevelSaveRules::partFileEntry(kGlobalVariablesEntry, uint32_t(SectionId::Variable)));

    Bytes variables;
    writeRecordSection(variables, SectionId::Variable, info, RecordSize::Variable,
                       LevelSaveRules::variableRecords(m_doc, db));
    writePart("Variables.vld", SectionId::Variable, variables);

    Bytes things;
    writeThingSection(things, info, LevelRecords::collectThingItems(m_doc));
    writePart("Things.vld", SectionId::Thing, things);

    Bytes level;
    const SectionInfo levelInfo = SectionInfo::forLevel(0, 0, kLevelFormatVersion, now, now);
    writeLevelSection(level, levelInfo, LevelRecords::packLevelDescription(m_doc, levelName16), entries,
                      usedCreatures);
    allWritten = addLevelFile(files, master, level) && allWritten;

    // The backup runs from a timer: it never stops the designer with a question, and the copy of
    // the global data belongs to the level's own saves.
    if (!autosave && m_prompter.ask(kSaveGlobalsQuestion, Prompter::Buttons::YesNo,
                                    Prompter::Icon::Exclamation) == Prompter::Answer::Yes) {
        Bytes globals;
        m_app.WriteAllTypeSections(globals, now);
        allWritten = addLevelFile(files, base + "Globals.vld", globals) && allWritten;
    }

    if (!allWritten)
        return SaveResult::Failed; // the set is discarded: every file stays as it was
    const WriteResult committed = files.commit();
    if (!committed.ok) {
        m_prompter.message(saveFailedMessage(committed.file.string(), committed.error),
                           Prompter::Icon::Exclamation);
        return SaveResult::Failed;
    }

    // A level that was not written stays modified, so closing it still asks. Once all of it is
    // written somewhere, that copy is whole: the damage mark goes.
    if (!autosave) {
        m_doc.SetModifiedFlag(false);
        m_doc.setDamaged(false);
    }
    return SaveResult::Saved;
}

bool LevelFiles::WriteCopy(const std::string& master)
{
    return writeLevel(master, m_doc.properties().name, true) == SaveResult::Saved;
}

bool LevelFiles::saveNamed()
{
    if (!CheckLevel(m_doc, m_prompter))
        return false;
    switch (SaveLevel(false)) {
    case SaveResult::Saved:
        WriteThumbnail();
        RemoveBackup(); // the level's own files hold everything now
        return true;
    case SaveResult::ReservedName:
        return runSaveAsDialog();
    case SaveResult::Failed:
    case SaveResult::Cancelled:
        break;
    }
    return false;
}

bool LevelFiles::Save()
{
    if (!m_doc.isNamed())
        return SaveAs();
    return saveNamed();
}

bool LevelFiles::SaveAs()
{
    if (!CheckLevel(m_doc, m_prompter))
        return false;
    return runSaveAsDialog();
}

bool LevelFiles::runSaveAsDialog()
{
    // A loop rather than Save calling Save As calling Save: a reserved name asks again, and the
    // user leaves by cancelling the dialog.
    for (;;) {
        std::optional<std::filesystem::path> chosen =
            m_prompter.chooseSavePath(saveAsDialog(m_app.rootDirectory(), m_doc));
        if (!chosen || chosen->empty())
            return false;
        if (!chosen->has_extension())
            chosen->replace_extension(EditorApp::kWorldFileExtension);
        const std::string path = chosen->string();
        // Writing over the files of a level open in another window would lose the edits of one
        // of the two at its next save, without a word.
        if (const CWorldEditorDoc* other = m_app.openLevelAt(path, &m_doc)) {
            m_prompter.message(formatMessage(kOpenInAnotherWindowMessage, other->title()),
                               Prompter::Icon::Exclamation);
            continue;
        }
        if (!CheckLevel(m_doc, m_prompter))
            return false;
        // The level is written under the chosen name first and takes it only when every file was
        // written: after a refusal or a failure it keeps its name, path and modified state.
        switch (writeLevel(path, CWorldEditorDoc::levelNameOf(path), false)) {
        case SaveResult::Saved:
            m_doc.SetTitle(path);
            m_doc.setPath(path);
            m_doc.setNamed(true);
            WriteThumbnail();
            RemoveBackup();
            return true;
        case SaveResult::ReservedName:
            continue;
        case SaveResult::Failed:
        case SaveResult::Cancelled:
            return false;
        }
    }
}

bool LevelFiles::SaveModified()
{
    if (!m_doc.isModified())
        return true;
    switch (m_prompter.ask(formatMessage(kSaveChangesQuestion, m_doc.title()), Prompter::Buttons::YesNoCancel,
                           Prompter::Icon::Exclamation)) {
    case Prompter::Answer::No:
        return true;
    case Prompter::Answer::Yes:
    case Prompter::Answer::Ok:
        return Save();
    case Prompter::Answer::Cancel:
        break;
    }
    return false;
}

bool LevelFiles::AutoSave()
{
    m_lastAutosave = std::chrono::steady_clock::now();
    return SaveLevel(true) == SaveResult::Saved;
}

bool LevelFiles::autosaveIfDue(std::chrono::steady_clock::time_point now)
{
    if (now - m_lastAutosave < autosaveInterval() || !m_doc.isModified())
        return false;
    const bool saved = SaveLevel(true) == SaveResult::Saved;
    m_lastAutosave = now;
    return saved;
}

std::optional<std::filesystem::path> LevelFiles::WriteThumbnail()
{
    return Thumbnail::write(m_doc, m_colours, m_app.rootDirectory());
}

FileDialogSpec LevelFiles::saveAsDialog(const std::filesystem::path& rootDirectory,
                                        const CWorldEditorDoc& doc)
{
    FileDialogSpec dialog;
    dialog.title = "Save Map As...";
    dialog.filters = {"GR2 Level Files (*.vwd)", "Excel Configuration Data (*.txt)", "All files (*.*)"};
    dialog.defaultExtension = ".vwd";
    dialog.initialPath = rootDirectory / "Maps";
    if (doc.isNamed() && !doc.path().empty()) {
        dialog.initialPath = doc.path();
        return dialog;
    }
    // A name may hold characters no file name can; they become "_" rather than folders.
    std::string name = utf16ToUtf8(doc.properties().name);
    for (char& c : name)
        if (c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' || c == '>' ||
            c == '|' || (static_cast<unsigned char>(c) < 0x20))
            c = '_';
    if (name.find_first_not_of(" ._") != std::string::npos)
        dialog.initialPath /= name + EditorApp::kWorldFileExtension;
    return dialog;
}

} // namespace gr2
