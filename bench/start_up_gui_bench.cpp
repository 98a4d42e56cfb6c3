// Start-up of gr2edit on the sample data, from the process's start to its main window painted
// with the sample level open, against the same for a bare Qt main window program built alongside.
// Both end themselves after their first paint; each run is a fresh process.

#include "AgainstFloor.h"

#include "document/SampleData.h"
#include "document/SampleLevel.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

/// Runs a program to its end; false when it could not start or did not end cleanly.
bool run(std::vector<std::string> args)
{
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid)
        return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
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
    bool ok = true;
    gr2::bench::againstFloor(
        state,
        [&] {
            ok = run({GR2EDIT_PATH, "--root", root.path.string(), "--quit-after-first-paint", level}) && ok;
        },
        [&] { ok = run({BARE_MAIN_WINDOW_PATH}) && ok; });
    if (!ok)
        state.SkipWithError("a program did not start or end cleanly");
}
GR2_BENCHMARK_AGAINST_FLOOR(BM_WindowStartUp)->Iterations(20);

} // namespace
