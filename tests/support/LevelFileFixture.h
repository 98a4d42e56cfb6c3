#pragma once
// A root folder with the sample data set, the application loaded from it as the editor starts, and
// level documents over it, for the tests of level files, checks and thumbnails.

#include "app/EditorApp.h"
#include "document/LevelDocument.h"
#include "document/SampleData.h"
#include "document/SampleLevel.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "worlddata/AtomicFile.h"

#include <gtest/gtest.h>

namespace gr2::test {

class LevelFileFixture : public ::testing::Test {
protected:
    LevelFileFixture()
    {
        std::filesystem::copy(sampleData(), root.path(), std::filesystem::copy_options::recursive);
        app.loadGlobalData();
        prompter.clear();
    }
    ~LevelFileFixture() override { setWriteFaultHook({}); }

    std::unique_ptr<LevelDocument> newDocument() { return std::make_unique<LevelDocument>(app, colours); }

    /// The sample level, named by path (as after Save As) but not yet saved.
    std::unique_ptr<LevelDocument> sampleAt(const std::filesystem::path& path)
    {
        auto level = newDocument();
        buildSampleLevel(level->doc());
        level->doc().SetTitle(path.string());
        level->doc().setPath(path.string());
        level->doc().setNamed(true);
        return level;
    }

    /// Saves with the global-data question answered No; true when every file was written.
    bool save(LevelDocument& level)
    {
        prompter.queueAnswer(Prompter::Answer::No);
        return level.files().SaveLevel(false) == SaveResult::Saved;
    }

    std::unique_ptr<LevelDocument> open(const std::filesystem::path& path)
    {
        auto level = newDocument();
        if (!level->files().OnOpenDocument(path))
            return nullptr;
        return level;
    }

    /// The sample data set, written once per run and copied into each test's root.
    static const std::filesystem::path& sampleData()
    {
        static TempDir dir;
        static const bool written = writeSampleData(dir.path()).empty();
        EXPECT_TRUE(written);
        return dir.path();
    }

    TempDir root;
    ScriptedPrompter prompter;
    EditorApp app{root.path(), prompter};
    ThumbnailColours colours;
};

} // namespace gr2::test
