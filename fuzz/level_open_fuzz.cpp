// A whole level from one input: the master file and its part files (split at the marker of
// HostileLevel.h) are opened as the editor opens a level, the script tree is built and exported,
// and the level is saved with every file write refused, so reading, resolving, showing and
// packing all meet hostile records, counts, links and sizes.

#include "support/HostileLevel.h"

#include <string>
#include <unistd.h>

using namespace gr2;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static test::HostileLevelOpener opener(
        std::filesystem::temp_directory_path() / ("gr2-fuzz-level-" + std::to_string(getpid())), false);
    opener.open(std::span<const uint8_t>(data, size));
    return 0;
}
