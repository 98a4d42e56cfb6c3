// The largest level against the floors of its own bytes: opening it (all its files, the copy of the
// global data taken) against reading those files into memory; saving it against writing the same
// bytes as durably (each file written and flushed to disk, as our save does before its rename);
// start-up loading of the global data against reading its files; flood fill of the whole interior
// against a memset of the tile arrays; the thumbnail against writing its BMP bytes.

#include "AgainstFloor.h"
#include "LargestLevel.h"

#include "images/BmpFile.h"
#include "level/Thumbnail.h"
#include "mapedit/FloodFill.h"
#include "mapedit/MapEdit.h"
#include "worlddata/CaseInsensitivePath.h"

#include <cstring>
#include <fcntl.h>
#include <unistd.h>

using namespace gr2;
using namespace gr2::bench;

namespace {

LargestLevelRoot& fixture()
{
    static LargestLevelRoot root;
    return root;
}

size_t readWhole(const std::filesystem::path& path, Bytes& buffer)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return 0;
    buffer.resize(std::filesystem::file_size(path));
    const size_t n = std::fread(buffer.data(), 1, buffer.size(), f);
    std::fclose(f);
    return n;
}

void writeDurably(const std::filesystem::path& path, const Bytes& bytes)
{
    const int fd = ::open(path.c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0644);
    if (fd < 0)
        return;
    if (::write(fd, bytes.data(), bytes.size()) != ssize_t(bytes.size()))
        std::fprintf(stderr, "short write to %s\n", path.c_str());
    ::fsync(fd);
    ::close(fd);
}

void BM_OpenLargestLevel(benchmark::State& state)
{
    LargestLevelRoot& f = fixture();
    const auto files = f.levelFiles();
    Bytes buffer;
    againstFloor(
        state,
        [&] {
            LevelDocument level(f.app(), f.colours());
            benchmark::DoNotOptimize(level.files().OnOpenDocument(f.master()));
        },
        [&] {
            size_t total = 0;
            for (const auto& file : files)
                total += readWhole(file, buffer);
            benchmark::DoNotOptimize(total);
        });
    state.counters["files"] = double(files.size());
}
GR2_BENCHMARK_AGAINST_FLOOR(BM_OpenLargestLevel);

void BM_SaveLargestLevel(benchmark::State& state)
{
    LargestLevelRoot& f = fixture();
    std::vector<std::pair<std::filesystem::path, Bytes>> copies;
    for (const auto& file : f.levelFiles()) {
        Bytes bytes;
        readWhole(file, bytes);
        copies.emplace_back(f.root() / ("floor-" + file.filename().string()), std::move(bytes));
    }
    againstFloor(
        state, [&] { benchmark::DoNotOptimize(f.level().files().SaveLevel(false)); },
        [&] {
            for (const auto& [path, bytes] : copies)
                writeDurably(path, bytes);
        });
}
GR2_BENCHMARK_AGAINST_FLOOR(BM_SaveLargestLevel);

void BM_StartUpGlobalData(benchmark::State& state)
{
    LargestLevelRoot& f = fixture();
    // What start-up reads: every world file of the root folder (the type files and the variables).
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(f.root()))
        if (entry.is_regular_file())
            files.push_back(entry.path());
    Bytes buffer;
    againstFloor(
        state,
        [&] {
            EditorApp app(f.root(), f.prompter);
            app.loadGlobalData();
            benchmark::DoNotOptimize(app.types().table(TypeFamily::Creature).count());
        },
        [&] {
            size_t total = 0;
            for (const auto& file : files)
                total += readWhole(file, buffer);
            benchmark::DoNotOptimize(total);
        });
}
GR2_BENCHMARK_AGAINST_FLOOR(BM_StartUpGlobalData);

void BM_FloodFillWholeInterior(benchmark::State& state)
{
    LargestLevelRoot& f = fixture();
    LevelDocument level(f.app(), f.colours());
    level.doc().NewLevel({"Flood", kLargestSide, kLargestSide, 2, 0});
    MapEdit edit(level.doc(), "Flood Fill");
    std::vector<uint8_t> terrain(level.doc().cellCount()), owner(level.doc().cellCount());
    uint8_t fill = 3;
    againstFloor(
        state,
        [&] {
            // Earth and path in turn, so each fill repaints the whole interior.
            benchmark::DoNotOptimize(FloodFill(edit, {kLargestSide / 2, kLargestSide / 2}, fill, 0));
            fill = fill == 3 ? 2 : 3;
        },
        [&] {
            std::memset(terrain.data(), fill, terrain.size());
            std::memset(owner.data(), 0, owner.size());
            benchmark::DoNotOptimize(terrain.data());
            benchmark::DoNotOptimize(owner.data());
        });
}
GR2_BENCHMARK_AGAINST_FLOOR(BM_FloodFillWholeInterior);

void BM_Thumbnail(benchmark::State& state)
{
    LargestLevelRoot& f = fixture();
    f.colours().ensureLoaded(f.root());
    const Bytes bmp = encodeBmp24(Thumbnail::scale(Thumbnail::drawMap(f.level().doc(), f.colours())),
                                  Thumbnail::kColoursUsed);
    const auto floorPath = f.root() / "floor-thumbnail.bmp";
    againstFloor(
        state, [&] { benchmark::DoNotOptimize(Thumbnail::write(f.level().doc(), f.colours(), f.root())); },
        [&] { writeDurably(floorPath, bmp); });
}
GR2_BENCHMARK_AGAINST_FLOOR(BM_Thumbnail);

} // namespace
