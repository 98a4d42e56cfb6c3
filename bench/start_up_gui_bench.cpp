// Start-up of gr2edit on the sample data, from the process's start to its main window painted
// with the sample level open, against the same for a bare Qt main window program built alongside.
// Both tell the moment their first paint is done and then end themselves; each run is a fresh
// process, timed from its spawn to that moment (the tear-down after it is not start-up).

#include "AgainstFloor.h"

#include "document/SampleData.h"
#include "document/SampleLevel.h"
#include "ui/QuitAfterFirstPaint.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

/// Runs a program to its end and answers how long after its spawn it told its first paint done;
/// none when it could not start, told nothing or did not end cleanly.
std::optional<double> secondsToFirstPaint(std::vector<std::string> args)
{
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    int out[2];
    if (::pipe(out) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const auto spawned = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const bool started = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    std::string said;
    char chunk[256];
    for (ssize_t n; started && (n = ::read(out[0], chunk, sizeof chunk)) != 0;)
        if (n > 0)
            said.append(chunk, size_t(n));
    ::close(out[0]);
    int status = 0;
    if (!started || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    const std::string key = std::string(gr2::QuitAfterFirstPaint::kFirstPaintLine) + " ";
    const size_t at = said.find(key);
    if (at == std::string::npos)
        return std::nullopt;
    const long long paintedUs = std::atoll(said.c_str() + at + key.size());
    const auto spawnedUs =
        std::chrono::duration_cast<std::chrono::microseconds>(spawned.time_since_epoch()).count();
    return double(paintedUs - spawnedUs) / 1e6;
}

struct SampleRoot {
    SampleRoot()
    {
        char pattern[] = "/tmp/gr2-start-XXXXXX";
        path = ::mkdtemp(pattern);
        if (!gr2::writeSampleData(path).empty())
            std::fprintf(stderr, "the sample data could not be written to %s\n", path.c_str());
        // The editor's settings (window placement, recent files) stay in the scratch folder.
        ::setenv("XDG_CONFIG_HOME", (path / "config").c_str(), 1);
        if (!std::getenv("QT_QPA_PLATFORM"))
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    ~SampleRoot()
    {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    std::filesystem::path path;
};

void BM_WindowStartUp(benchmark::State& state)
{
    static SampleRoot root;
    const std::string level = (root.path / "Maps" / (std::string(gr2::kSampleLevelName) + ".vwd")).string();
    double oursSeconds = 0;
    double floorSeconds = 0;
    for (auto _ : state) {
        const auto ours = secondsToFirstPaint(
            {GR2EDIT_PATH, "--root", root.path.string(), "--quit-after-first-paint", level});
        const auto floor = secondsToFirstPaint({BARE_MAIN_WINDOW_PATH});
        if (!ours || !floor) {
            state.SkipWithError("a program did not start, tell its first paint or end cleanly");
            return;
        }
        oursSeconds += *ours;
        floorSeconds += *floor;
        state.SetIterationTime(*ours);
    }
    gr2::bench::reportAgainstFloor(state, oursSeconds, floorSeconds);
}
GR2_BENCHMARK_AGAINST_FLOOR(BM_WindowStartUp)->Iterations(20);

} // namespace
