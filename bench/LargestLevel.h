#pragma once
// The largest level the editor makes, for the benchmarks: the sample level grown to 128 × 128 with
// terrain in blocks, hundreds of things and a script of 1000 triggers each with an action, saved
// with its copy of the global data by our own save into a scratch root that holds the sample data.

#include "app/EditorApp.h"
#include "app/SampleData.h"
#include "level/CWorldEditorDoc.h"
#include "level/LevelDocument.h"
#include "level/SampleLevel.h"
#include "mapedit/MapTransforms.h"
#include "script/ActionKind.h"
#include "script/CAction.h"
#include "script/CTrigger.h"
#include "script/LevelScript.h"
#include "script/TriggerKind.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace gr2::bench {

/// Takes the level's global data and includes it in saves; counts messages, which a benchmark run
/// should never see.
class BenchPrompter : public Prompter {
public:
    int messages = 0;
    void message(const std::string& text, Icon) override
    {
        ++messages;
        std::fprintf(stderr, "unexpected message: %s\n", text.c_str());
    }
    Answer ask(const std::string&, Buttons buttons, Icon) override
    {
        return buttons == Buttons::OkCancel || buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
    }
    std::optional<std::filesystem::path> chooseSavePath(const FileDialogSpec&) override
    {
        return std::nullopt;
    }
    std::vector<std::filesystem::path> chooseOpenPaths(const FileDialogSpec&) override { return {}; }
};

inline constexpr uint32_t kLargestSide = 128;
inline constexpr int kScriptTriggers = 1000;

/// Fills a document with the largest level (the document must have a LevelScript).
inline void buildLargestLevel(CWorldEditorDoc& doc, const std::string& path)
{
    buildSampleLevel(doc, path);
    ResizeRequest grow;
    grow.width = kLargestSide;
    grow.height = kLargestSide;
    grow.terrain = 2; // earth
    BenchPrompter quiet;
    ResizeMap(doc, grow, quiet);
    // Blocks of path, water, lava, gold and earth across the new part, as a designer lays them.
    const uint8_t terrains[] = {3, 4, 5, 6, 2};
    for (int32_t y = 1; y + 1 < int32_t(kLargestSide); ++y)
        for (int32_t x = 1; x + 1 < int32_t(kLargestSide); ++x)
            if (x >= 32 || y >= 24)
                doc.StoreTile({x, y}, terrains[size_t((x / 6 + y / 5) % 5)], uint8_t(x / 40 == 1 ? 3 : 0));
    // Hundreds of things on path tiles of their own.
    int things = 0;
    for (int32_t y = 30; y < 124 && things < 400; y += 4) {
        for (int32_t x = 4; x < 124 && things < 400; x += 5, ++things) {
            doc.StoreTile({x, y}, 3, 0);
            switch (things % 4) {
            case 0:
                doc.CreateCreature(uint8_t(1 + things % 3), 3, {x, y}, false);
                break;
            case 1:
                doc.CreateCreature(6, 2, {x, y}, false);
                break;
            case 2:
                doc.CreateObjectThing(1, {x, y});
                break;
            default:
                doc.CreateTrap(1, 3, {x, y});
                break;
            }
        }
    }
    // The level's root chain: the sample's trigger 1, then triggers 2.., each with one action.
    LevelScript& script = *LevelScript::of(doc);
    script.FindTrigger(1)->setNext(2);
    for (int id = 2; id <= kScriptTriggers; ++id) {
        auto trigger = script.makeTrigger();
        trigger->setId(int16_t(id));
        trigger->setKind(uint8_t(TriggerKind::Time));
        trigger->setValue(uint32_t(id));
        trigger->setNext(int16_t(id < kScriptTriggers ? id + 1 : 0));
        trigger->setChild(int16_t(-id));
        script.addLoadedTrigger(std::move(trigger));
        auto action = script.makeAction();
        action->setId(int16_t(-id));
        action->setKind(uint8_t(ActionKind::DisplayObjective));
        action->setA(0, uint8_t(id));
        script.addLoadedAction(std::move(action));
    }
    script.AttachUnownedActions();
    script.ResolveScript();
}

/// A scratch root with the sample data and the largest level saved in its maps folder.
class LargestLevelRoot {
public:
    LargestLevelRoot()
    {
        char pattern[] = "/tmp/gr2-bench-XXXXXX";
        m_root = ::mkdtemp(pattern);
        if (!writeSampleData(m_root).empty())
            std::fprintf(stderr, "the sample data could not be written to %s\n", m_root.c_str());
        m_app = std::make_unique<EditorApp>(m_root, prompter);
        m_app->loadGlobalData();
        m_level = std::make_unique<LevelDocument>(*m_app, m_colours);
        buildLargestLevel(m_level->doc(), master().string());
        m_level->doc().setPath(master().string());
        m_level->doc().setNamed(true);
        if (m_level->files().SaveLevel(false) != SaveResult::Saved)
            std::fprintf(stderr, "the largest level could not be saved\n");
    }
    ~LargestLevelRoot()
    {
        m_level.reset();
        m_app.reset();
        std::error_code ec;
        std::filesystem::remove_all(m_root, ec);
    }

    const std::filesystem::path& root() const { return m_root; }
    std::filesystem::path master() const { return m_root / "Maps" / "Largest.vwd"; }
    /// The master file and every part file the save wrote, the global data's copy included.
    std::vector<std::filesystem::path> levelFiles() const
    {
        std::vector<std::filesystem::path> files;
        const std::string base = (m_root / "Maps" / "Largest").string();
        for (const char* suffix :
             {".vwd", "Triggers.vld", "Players.vld", "Map.vld", "Things.vld", "Globals.vld", "Variables.vld"})
            if (std::filesystem::exists(base + suffix))
                files.push_back(base + suffix);
        return files;
    }
    EditorApp& app() { return *m_app; }
    LevelDocument& level() { return *m_level; }
    ThumbnailColours& colours() { return m_colours; }

    BenchPrompter prompter;

private:
    std::filesystem::path m_root;
    ThumbnailColours m_colours;
    std::unique_ptr<EditorApp> m_app;
    std::unique_ptr<LevelDocument> m_level;
};

} // namespace gr2::bench
