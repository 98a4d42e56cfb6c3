#pragma once
// One byte string as a whole level: the master file and its part files joined by a marker, so a
// fuzzer can mutate every file of a level at once and the corpus test can replay what it found.
// The opener runs what the editor runs on a level: open, show the script tree, save. Header-only,
// so the fuzz build (which has no test libraries) includes it as well.

#include "app/EditorApp.h"
#include "app/Prompter.h"
#include "document/LevelDocument.h"
#include "document/SampleData.h"
#include "level/Thumbnail.h"
#include "script/ScriptTreeExport.h"
#include "script/ScriptTreeItem.h"
#include "script/ScriptTreeModel.h"
#include "script/TriggerActionRecord.h"
#include "script/TriggerWhenRecord.h"
#include "worlddata/AtomicFile.h"
#include "worlddata/SectionWriter.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace gr2::test {

/// The files of a level in the order the joined form holds them, as suffixes of the base path.
inline constexpr const char* kLevelFileSuffixes[] = {".vwd",       "Triggers.vld", "Players.vld",  "Map.vld",
                                                     "Things.vld", "Globals.vld",  "Variables.vld"};
inline constexpr size_t kLevelFileCount = std::size(kLevelFileSuffixes);
/// Separates the files of the joined form; a file that is absent is an empty piece.
inline constexpr std::string_view kLevelFileMarker = "\n=GR2=\n";

/// The pieces of a joined level: at most one per file, the last taking whatever follows.
inline std::vector<std::span<const uint8_t>> splitLevelFiles(std::span<const uint8_t> input)
{
    std::vector<std::span<const uint8_t>> pieces;
    const std::string_view text(reinterpret_cast<const char*>(input.data()), input.size());
    size_t start = 0;
    while (pieces.size() + 1 < kLevelFileCount) {
        const size_t at = text.find(kLevelFileMarker, start);
        if (at == std::string_view::npos)
            break;
        pieces.push_back(input.subspan(start, at - start));
        start = at + kLevelFileMarker.size();
    }
    pieces.push_back(input.subspan(start));
    return pieces;
}

inline Bytes joinLevelFiles(const std::vector<Bytes>& files)
{
    Bytes out;
    for (size_t i = 0; i < files.size(); ++i) {
        if (i > 0)
            out.insert(out.end(), kLevelFileMarker.begin(), kLevelFileMarker.end());
        out.insert(out.end(), files[i].begin(), files[i].end());
    }
    return out;
}

/// A Triggers file whose links loop (1 -> 2 -> 3 -> 1, -1 -> -2 -> -1), repeat ids (1, -2), name
/// themselves (2's child, -3's next, the second 1), and nest each other (4 and 5 are each other's
/// child), as no editor writes them.
inline Bytes hostileTriggerFile()
{
    std::vector<ThingItem> items;
    auto when = [&](int16_t id, int16_t next, int16_t child) {
        TriggerWhenRecord r;
        r.id = id;
        r.next = next;
        r.child = child;
        r.kind = uint8_t(1 + (id & 7));
        items.push_back({213, r.pack()});
    };
    auto action = [&](int16_t id, int16_t next) {
        TriggerActionRecord r;
        r.id = id;
        r.next = next;
        r.kind = uint8_t(1 + (-id & 7));
        items.push_back({214, r.pack()});
    };
    when(1, 2, -1);
    when(2, 3, 2);
    when(3, 1, -3);
    when(1, 1, 1);
    when(4, 4, 5);
    when(5, 0, 4);
    action(-1, -2);
    action(-2, -1);
    action(-3, -3);
    action(-2, -4);
    TriggerSectionInfo info;
    info.triggerCount = 6;
    info.actionCount = 4;
    Bytes out;
    writeTriggerSection(out, info, items);
    return out;
}

/// Answers the open's global-data question as it was told, and No to everything else.
class HostilePrompter : public Prompter {
public:
    bool takeGlobals = false;
    void message(const std::string&, Icon) override {}
    Answer ask(const std::string&, Buttons buttons, Icon) override
    {
        if (buttons == Buttons::OkCancel)
            return takeGlobals ? Answer::Ok : Answer::Cancel;
        return buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel ? Answer::No : Answer::Ok;
    }
    std::optional<std::filesystem::path> chooseSavePath(const FileDialogSpec&) override
    {
        return std::nullopt;
    }
    std::vector<std::filesystem::path> chooseOpenPaths(const FileDialogSpec&) override { return {}; }
};

/// An application over the sample types in a folder of its own, opening joined levels.
class HostileLevelOpener {
public:
    /// With `writeSaves` false the save runs in full but every file write is refused, which keeps
    /// a fuzzer off the disk.
    explicit HostileLevelOpener(std::filesystem::path root, bool writeSaves)
        : m_root(std::move(root)), m_writeSaves(writeSaves)
    {
        std::filesystem::create_directories(m_root / "Maps");
        resetApp();
    }

    struct Outcome {
        bool opened = false;
        bool saved = false;
        /// The saved backup opened again (only looked at when saves are written).
        bool reopened = false;
        size_t treeItems = 0;
        size_t exportedText = 0;
    };

    Outcome open(std::span<const uint8_t> joined)
    {
        const auto pieces = splitLevelFiles(joined);
        const std::filesystem::path base = m_root / "Maps" / "Hostile";
        for (size_t i = 0; i < kLevelFileCount; ++i) {
            const std::filesystem::path file = base.string() + kLevelFileSuffixes[i];
            std::error_code ec;
            std::filesystem::remove(file, ec);
            if (i < pieces.size() && !pieces[i].empty()) {
                if (std::FILE* f = std::fopen(file.c_str(), "wb")) {
                    std::fwrite(pieces[i].data(), 1, pieces[i].size(), f);
                    std::fclose(f);
                }
            }
        }
        // The global data a level brings replaces the application's; the next level starts over.
        m_prompter.takeGlobals = pieces.size() > 5 && !pieces[5].empty();

        Outcome outcome;
        std::filesystem::path backup;
        {
            LevelDocument level(*m_app, m_colours);
            outcome.opened = level.files().OnOpenDocument(base.string() + ".vwd");
            if (outcome.opened) {
                ScriptTreeModel tree(level.doc(), m_app->types());
                tree.Refresh();
                outcome.treeItems = tree.items().size();
                outcome.exportedText = exportTreeText(tree.root()).size();
                if (!m_writeSaves)
                    setWriteFaultHook([](const std::filesystem::path&) { return EROFS; });
                outcome.saved = level.files().SaveLevel(true) == SaveResult::Saved;
                backup = level.files().backupPath();
                setWriteFaultHook({});
            }
        }
        if (outcome.saved && m_writeSaves) {
            m_prompter.takeGlobals = false;
            LevelDocument again(*m_app, m_colours);
            outcome.reopened = again.files().OnOpenDocument(backup);
        }
        if (m_prompter.takeGlobals)
            resetApp();
        return outcome;
    }

    EditorApp& app() { return *m_app; }

private:
    void resetApp()
    {
        m_app.reset();
        m_app = std::make_unique<EditorApp>(m_root, m_prompter);
        buildSampleTypes(m_app->types());
        m_app->typeTablesChanged();
    }

    std::filesystem::path m_root;
    bool m_writeSaves;
    HostilePrompter m_prompter;
    ThumbnailColours m_colours;
    std::unique_ptr<EditorApp> m_app;
};

} // namespace gr2::test
