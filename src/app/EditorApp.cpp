#include "app/EditorApp.h"

#include "app/SaveFailedMessage.h"
#include "typedb/TypeDatabaseSink.h"
#include "typedb/TypeDatabaseWriter.h"
#include "worlddata/CaseInsensitivePath.h"
#include "worlddata/DataStream.h"
#include "worlddata/SectionReader.h"

#include <algorithm>
#include <cctype>

namespace gr2
{

const char* const EditorApp::kResetQuestion =
    "Reset To GR2 Defaults\n\nThis will affect all levels currently open in the Editor.\n\nAre You Sure?\n";

namespace
{

/// The "*.vwd" files of a folder in a stable order (names compared without case, as the folder
/// listing of the data's home platform returns them).
std::vector<std::filesystem::path> worldFilesIn(const std::filesystem::path& dir)
{
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (endsWithIgnoringCase(name, ".vwd") && it->is_regular_file(ec))
            files.push_back(it->path());
    }
    auto lower = [](std::string s) {
        std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
        return s;
    };
    std::sort(files.begin(), files.end(), [&](const auto& a, const auto& b) {
        return lower(a.filename().string()) < lower(b.filename().string());
    });
    return files;
}

/// The first section id of a file; none when the file cannot be opened or is shorter than a header.
std::optional<uint32_t> firstSectionId(const std::filesystem::path& path)
{
    DataStream stream;
    if (!stream.open(path))
        return std::nullopt;
    uint8_t header[12];
    if (stream.read(header, sizeof header) != sizeof header)
        return std::nullopt;
    return loadU32(header);
}

} // namespace

EditorApp::EditorApp(std::filesystem::path rootDirectory, Prompter& prompter)
    : m_root(std::move(rootDirectory)), m_prompter(prompter)
{
}

void EditorApp::loadGlobalData()
{
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

bool EditorApp::SaveGameData()
{
    bool allWritten = true;
    // The records in memory take the same save-time rules the written bytes get.
    m_types.applySaveRules();
    const DateStamp saved = DateStamp::now();
    const std::filesystem::path variablesPath = m_root / kVariablesFileName;
    WriteResult result = writeVariablesFile(variablesPath, m_types, saved);
    if (!result.ok) {
        allWritten = false;
        m_prompter.message(saveFailedMessage(variablesPath.string(), result.error),
                           Prompter::Icon::Exclamation);
    }
    for (TypeFamily family : kSaveOrder) {
        const std::filesystem::path path = m_root / (std::string(fileBaseName(family)) + kWorldFileExtension);
        if (!writeFamilyFile(path, m_types, family, saved).ok) {
            allWritten = false;
            m_prompter.message("Failed to open NAME Types Configuration file.\n",
                               Prompter::Icon::Exclamation);
        }
    }
    return allWritten;
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
    notify(Change::Reset);
    return true;
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
