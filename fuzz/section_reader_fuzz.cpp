// Feeds arbitrary bytes to the section reader with every sink entry filled, so each section kind,
// record size rule and skip path meets hostile counts and lengths.

#include "app/QuietPrompter.h"
#include "support/FullRecordSink.h"
#include "worlddata/SectionReader.h"

#include <cstdio>
#include <string>
#include <unistd.h>

using namespace gr2;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = "/tmp/gr2-fuzz-section-" + std::to_string(getpid()) + ".vwd";
    static const RecordSink sink = test::fullRecordSink();
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    QuietPrompter prompter;
    ReadSectionFile(path, sink, prompter);
    return 0;
}
