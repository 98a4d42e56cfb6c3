// Hostile records in the forms: each input loads a record of random bytes into one form over the
// sample types and stores it back with no change made; a crash, or any byte of the type data that
// differs afterwards, is a finding.

#include "document/SampleData.h"
#include "support/FormRoundTrip.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace gr2;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // One database for the whole run; every input gives its record back its own bytes.
    static const std::unique_ptr<CTypeDatabase> types = [] {
        auto db = std::make_unique<CTypeDatabase>();
        buildSampleTypes(*db);
        return db;
    }();
    if (!test::formRoundTrip(*types, std::span<const uint8_t>(data, size))) {
        std::fprintf(stderr, "a form changed bytes it was not asked to change\n");
        std::abort();
    }
    return 0;
}
