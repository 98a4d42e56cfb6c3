// The text form of levels and game data on hostile input: JSON documents are imported (nothing is
// written) and every file they make must go to JSON and back unchanged; other inputs are taken as
// world-data files and must come back from their JSON byte for byte.

#include "support/JsonRoundTrip.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (!gr2::test::jsonInputHolds(std::span<const uint8_t>(data, size)))
        std::abort();
    return 0;
}
