// Hostile values in the forms: each input loads random values into one form (a type record of the
// sample types, or a thing, script page, player or level form over the sample level) and stores
// them back with no change made; a crash, or any value that differs afterwards, is a finding.

#include "support/LevelFormRoundTrip.h"

#include <cstdio>
#include <cstdlib>

using namespace gr2;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // One level for the whole run: every input sets the values its form is opened on.
    static test::FormLevel level;
    if (!test::anyFormRoundTrip(level, std::span<const uint8_t>(data, size))) {
        std::fprintf(stderr, "a form changed values it was not asked to change\n");
        std::abort();
    }
    return 0;
}
