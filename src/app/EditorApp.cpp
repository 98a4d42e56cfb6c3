#include "app/EditorApp.h"

#include "app/SaveFailedMessage.h"
#include "app/TypeFileLocations.h"
#include "level/CWorldEditorDoc.h"
#include "typedb/TypeDatabaseSink.h"
#include "typedb/TypeDatabaseWriter.h"
#include "worlddata/AtomicFileSet.h"
#include "worlddata/CaseInsensitivePath.h"
#include "worlddata/SaveRecovery.h"
#include "worlddata/SectionReader.h"

#include <algorithm>

namespace gr2 {

const char* const EditorApp::kResetQuestion =
    "Reset To GR2 Defaults\n\nThis will affect all levels currently open in the Editor.\n\nAre You Sure?\n";

const char* const EditorApp::kSaveGameDataQuestion = "Save changes to the game data?";

namespace {

std::string quoted(const std::filesystem::path& file)
{
    return "\"" + file.filename().string() + "\"";
}

/// The file a level path opens: the reader finds the last name in any letter case.
std::filesystem::path fileOpenedBy(const std::string& path)
{
    std::string native = path;
    std::replace(native.begin(), native.end(), '\\', '/');
    const std::filesystem::path absolute = std::filesystem::absolute(native);
    return findFileIgnoringCase(absolute).value_or(absolute);
}

bool sameLevelFile(const std::string& a, const std::string& b)
{
    const std::filesystem::path first = fileOpenedBy(a);
    const std::filesystem::path second = fileOpenedBy(b);
    std::error_code error;
    if (std::filesystem::equivalent(first, second, error))
        return true;
    const auto firstName = std::filesystem::weakly_canonical(first, error);
    const auto secondName = std::filesystem::weakly_canonical(second, error);
    return !error && equalsIgnoringCase(firstName.generic_string(), secondName.generic_string());
}

} // namespace

EditorApp::EditorApp(std::filesystem::path rootDirectory, Prompter& prompter)
    : m_root(std::move(rootDirectory)), m_prompter(prompter)
{
}

void EditorApp::loadGlobalData()
{
    // A save of the game data or of a level that a crash or a kill cut off is finished or undone
    // before anything is read, so nothing reads a mix of old and new files.
    recoverInterruptedSaves(m_root, m_prompter);
    recoverInterruptedSaves(m_root / "Maps", m_prompter);
    m_reservedLevelNames.load(m_root);
    LoadTypeFiles();
    m_terrainToRoom = m_types.terrainToRoomTable();
    m_types.buildDefaultAvailability();
    LoadGlobalVariables(true);
    if (m_types.cameraModes().empty())
        m_types.cameraModes() = defaultCameraModes();
    notify(Change::Loaded);
}

void EditorApp::notify(Change change)
{
    for (const auto& listener : m_listeners)
        listener(change);
}

void EditorApp::LoadTypeFiles()
{
    // Entries filled for one file stay filled for the later ones, as one sink serves them all.
    RecordSink sink;
    for (const std::filesystem::path& file : worldFilesIn(m_root)) {
        const std::optional<uint32_t> id = firstSectionId(file);
        if (!id)
            continue;
        const std::optional<TypeFamily> family = familyOfSection(*id);
        if (!family)
            continue;
        fillTypeSink(sink, m_types, *family);
        OpenWorldFile(file.string(), sink, m_prompter);
    }
    m_types.applyRoomFloorFixups();
}

bool EditorApp::LoadGlobalVariables(bool withCameraModes)
{
    RecordSink sink;
    fillVariableSink(sink, m_types, withCameraModes);
    const std::filesystem::path path = m_root / kVariablesFileName;
    auto found = findFileIgnoringCase(path);
    return OpenWorldFile((found ? *found : path).string(), sink, m_prompter);
}

CWorldEditorDoc* EditorApp::openLevelAt(const std::filesystem::path& path,
                                        const CWorldEditorDoc* except) const
{
    if (path.empty())
        return nullptr;
    for (CWorldEditorDoc* level : m_openLevels)
        if (level != except && level->isNamed() && !level->path().empty() &&
            sameLevelFile(level->path(), path.string()))
            return level;
    return nullptr;
}

bool EditorApp::SaveGameData()
{
    // A save cut off earlier is settled first, so that it can never be finished later over this one.
    recoverInterruptedSaves(m_root, m_prompter);
    bool allWritten = true;
    // The records in memory take the same save-time rules the written bytes get.
    m_types.applySaveRules();
    const DateStamp saved = DateStamp::now();
    // The twelve files are replaced as one: a save cut off anywhere leaves the old data whole or
    // the new data whole, never some families of each. Every file that cannot be written is
    // reported, and then none is replaced.
    AtomicFileSet files;
    // The variables file goes back to the file start-up reads, whatever the case of its name.
    const std::filesystem::path variablesPath =
        findFileIgnoringCase(m_root / kVariablesFileName).value_or(m_root / kVariablesFileName);
    Bytes bytes;
    appendVariablesFile(bytes, m_types, saved);
    WriteResult result = files.add(variablesPath, bytes);
    if (!result.ok) {
        allWritten = false;
        m_prompter.message(saveFailedMessage(variablesPath.string(), result.error),
                           Prompter::Icon::Exclamation);
    }
    std::vector<std::pair<TypeFamily, FamilyFileTarget>> targets;
    for (TypeFamily family : kSaveOrder) {
        FamilyFileTarget target = familyFileTarget(m_root, family);
        bytes.clear();
        appendFamilySection(bytes, m_types, family, saved);
        if (!files.add(target.target, bytes).ok) {
            allWritten = false;
            m_prompter.message("Failed to open NAME Types Configuration file.\n",
                               Prompter::Icon::Exclamation);
            continue;
        }
        targets.emplace_back(family, std::move(target));
    }
    if (!allWritten)
        return false;
    result = files.commit();
    if (!result.ok) {
        m_prompter.message(saveFailedMessage(result.file.string(), result.error),
                           Prompter::Icon::Exclamation);
        return false;
    }
    for (const auto& [family, target] : targets)
        if (!setAsideCaseTwins(family, target))
            allWritten = false;
    if (allWritten)
        m_gameDataModified = false;
    return allWritten;
}

bool EditorApp::SaveGameDataModified()
{
    if (!m_gameDataModified)
        return true;
    switch (
        m_prompter.ask(kSaveGameDataQuestion, Prompter::Buttons::YesNoCancel, Prompter::Icon::Exclamation)) {
    case Prompter::Answer::Yes:
    case Prompter::Answer::Ok:
        // A file that could not be written keeps the program open, so the changes are not lost.
        return SaveGameData();
    case Prompter::Answer::No:
        return true;
    default:
        return false;
    }
}

bool EditorApp::setAsideCaseTwins(TypeFamily family, const FamilyFileTarget& files)
{
    // Start-up read the family from every twin as well, so the table just written holds their
    // records too; moving them out of the loader's way keeps the next start from reading them twice.
    bool allMoved = true;
    for (const std::filesystem::path& twin : files.caseTwins) {
        std::string text = std::string("The ") + familyName(family) + " types were read from both " +
                           quoted(files.target) + " and " + quoted(twin) + ".\nThey were saved to " +
                           quoted(files.target) + ", ";
        const std::optional<std::filesystem::path> aside = setAsideName(twin);
        std::error_code ec;
        if (aside)
            std::filesystem::rename(twin, *aside, ec);
        if (aside && !ec) {
            text += "and " + quoted(twin) + " was renamed " + quoted(*aside) +
                    " so that they are not read twice.\n";
        } else {
            allMoved = false;
            text += "but " + quoted(twin) +
                    " could not be renamed: remove it, or its types are read a second time " +
                    "at the next start.\n";
        }
        m_prompter.message(text, Prompter::Icon::Exclamation);
    }
    return allMoved;
}

void EditorApp::WriteAllTypeSections(Bytes& out, const DateStamp& saved) const
{
    for (TypeFamily family : kSaveOrder)
        appendFamilySection(out, m_types, family, saved);
}

void EditorApp::ClearTypeTables()
{
    m_types.clearTypeTables();
}

bool EditorApp::LoadLevelTypeData(const std::string& path)
{
    // The designer's unsaved edits would vanish under the level's copy without a word, and the
    // unsaved mark left standing would make a later Save Game Data write the level's copy over
    // the global files as if it were those edits.
    if (!SaveGameDataModified())
        return false;
    ClearTypeTables();
    RecordSink sink;
    fillAllTypeSinks(sink, m_types);
    OpenWorldFile(path, sink, m_prompter);
    m_gameDataModified = false;
    typeTablesChanged();
    return true;
}

bool EditorApp::ResetToGR2Defaults()
{
    if (m_prompter.ask(kResetQuestion, Prompter::Buttons::YesNo, Prompter::Icon::Question) !=
        Prompter::Answer::Yes)
        return false;
    ClearTypeTables();
    // The lists the variables file fills are emptied so that it fills them afresh, and the
    // values start from the built-in defaults so a value missing from the file does not linger.
    m_types.cameraModes().clear();
    m_types.variables().typeValueList().clear();
    m_types.variables().clearSacrifices();
    m_types.variables().resetValuesToDefaults();
    LoadTypeFiles();
    m_types.buildDefaultAvailability();
    LoadGlobalVariables(true);
    if (m_types.cameraModes().empty())
        m_types.cameraModes() = defaultCameraModes();
    m_terrainToRoom = m_types.terrainToRoomTable();
    for (CWorldEditorDoc* level : m_openLevels)
        level->ResetVariablesFromGlobals();
    m_gameDataModified = false;
    notify(Change::Reset);
    return true;
}

void EditorApp::addOpenLevel(CWorldEditorDoc& level)
{
    m_openLevels.push_back(&level);
}

void EditorApp::removeOpenLevel(CWorldEditorDoc& level)
{
    std::erase(m_openLevels, &level);
}

void EditorApp::typeTablesChanged()
{
    m_terrainToRoom = m_types.terrainToRoomTable();
    // New types join the lists with state 1; the states the variables file set for the others stay.
    constexpr AvailabilityFamily kFamilies[] = {AvailabilityFamily::Rooms, AvailabilityFamily::Creatures,
                                                AvailabilityFamily::Traps, AvailabilityFamily::Doors,
                                                AvailabilityFamily::VorlanSpells};
    std::vector<std::vector<DefaultAvailabilityEntry>> before;
    for (AvailabilityFamily f : kFamilies)
        before.push_back(m_types.variables().defaultAvailability(f));
    m_types.buildDefaultAvailability();
    for (size_t i = 0; i < std::size(kFamilies); ++i)
        for (DefaultAvailabilityEntry& entry : m_types.variables().defaultAvailability(kFamilies[i]))
            for (const DefaultAvailabilityEntry& old : before[i])
                if (old.type == entry.type) {
                    entry.state = old.state;
                    break;
                }
    notify(Change::Edited);
}

} // namespace gr2
