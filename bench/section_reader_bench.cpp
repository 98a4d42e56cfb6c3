// Reading a large map section through the reader, against the floor of reading the same bytes
// into memory; the ratio of the two is the figure to watch.

#include "app/QuietPrompter.h"
#include "worlddata/AtomicFile.h"
#include "worlddata/SectionReader.h"
#include "worlddata/SectionWriter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <unistd.h>

using namespace gr2;

namespace {

const std::filesystem::path& mapFile()
{
    static const std::filesystem::path path = [] {
        auto p =
            std::filesystem::temp_directory_path() / ("gr2-bench-map-" + std::to_string(getpid()) + ".vld");
        Bytes elements(128 * 128 * 4);
        for (size_t i = 0; i < elements.size(); ++i)
            elements[i] = uint8_t(i);
        Bytes file;
        writeMapSection(file, 128, 128, elements);
        writeFileAtomically(p, file);
        return p;
    }();
    return path;
}

void BM_ReadMapSection(benchmark::State& state)
{
    QuietPrompter prompter;
    RecordSink sink;
    uint64_t sum = 0;
    sink.map.element = [&](uint32_t x, uint32_t y, const FlaggedRecord& r) {
        sum += x + y + r.bytes()[0];
        return true;
    };
    for (auto _ : state) {
        ReadSectionFile(mapFile(), sink, prompter);
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(std::filesystem::file_size(mapFile())));
}
BENCHMARK(BM_ReadMapSection);

void BM_FloorReadSameBytes(benchmark::State& state)
{
    Bytes buffer(std::filesystem::file_size(mapFile()));
    for (auto _ : state) {
        std::FILE* f = std::fopen(mapFile().c_str(), "rb");
        size_t n = std::fread(buffer.data(), 1, buffer.size(), f);
        std::fclose(f);
        benchmark::DoNotOptimize(n);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(buffer.size()));
}
BENCHMARK(BM_FloorReadSameBytes);

} // namespace
