// Feeds arbitrary text to the stats import over a small type database with a type of every family
// and a room whose floor terrain exists, so every section, code table and cell kind meets hostile
// lines, cells and numbers.

#include "app/QuietPrompter.h"
#include "document/SampleData.h"
#include "stats/StatsImport.h"
#include "typedb/CTypeDatabase.h"

#include <cstdint>
#include <memory>

using namespace gr2;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // One database for the whole run: the import only overwrites fields, so each input still finds
    // every type, and building the sample types per input would dominate the run.
    static const std::unique_ptr<CTypeDatabase> types = [] {
        auto db = std::make_unique<CTypeDatabase>();
        buildSampleTypes(*db);
        return db;
    }();
    QuietPrompter prompter;
    StatsImport(*types, prompter).importText(std::span<const uint8_t>(data, size));
    return 0;
}
