// Feeds arbitrary bytes to the save journal's reader, and to the recovery that acts on a journal
// found in a folder, so a hostile journal can neither crash them nor touch a file it may not.

#include "app/QuietPrompter.h"
#include "worlddata/SaveJournal.h"
#include "worlddata/SaveRecovery.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

using namespace gr2;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto entries = SaveJournal::parse(text)) {
        // What reads must be what the writer would have written.
        if (SaveJournal::encode(*entries) != text)
            __builtin_trap();
    }

    // The same bytes as the journal of a dead program's save, beside a file it might name.
    static const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("gr2-fuzz-journal-" + std::to_string(getpid()));
    std::error_code error;
    std::filesystem::remove_all(folder, error);
    std::filesystem::create_directories(folder, error);
    const std::string tag = "999999999-abcdef";
    if (std::FILE* f = std::fopen((folder / SaveJournal::journalName(tag)).c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    if (std::FILE* f = std::fopen((folder / "Level.vwd").c_str(), "wb")) {
        std::fputs("level", f);
        std::fclose(f);
    }
    QuietPrompter prompter;
    recoverInterruptedSaves(folder, prompter);
    // Nothing of the save is left, and no file outside the folder was made.
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (SaveJournal::classify(entry.path().filename().string()))
            __builtin_trap();
    return 0;
}
