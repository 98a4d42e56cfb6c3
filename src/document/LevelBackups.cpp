#include "document/LevelBackups.h"

#include "app/Prompter.h"
#include "document/BackupLock.h"
#include "document/LevelJson.h"
#include "worlddata/AtomicFile.h"
#include "worlddata/SaveRecovery.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>

namespace gr2 {

namespace LevelBackups {

namespace {

/// FNV-1a: stable across runs and platforms, which std::hash is not required to be.
uint32_t pathHash(const std::string& text)
{
    uint32_t hash = 2166136261u;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 16777619u;
    }
    return hash;
}

/// A file-name-safe short form of the level's name.
std::string safeName(const std::string& name)
{
    constexpr size_t kMaxLength = 40;
    std::string out;
    for (unsigned char c : name.substr(0, kMaxLength))
        out += std::isalnum(c) || c == '-' || c == '_' ? char(c) : '_';
    return out.empty() ? std::string("Level") : out;
}

std::filesystem::path originPathOf(const std::filesystem::path& master)
{
    std::filesystem::path origin = master;
    origin.replace_extension(kOriginExtension);
    return origin;
}

} // namespace

std::filesystem::path folder(const std::filesystem::path& root)
{
    return root / kFolderName;
}

std::filesystem::path masterPathFor(const std::filesystem::path& root, const std::string& levelPath,
                                    const std::string& title)
{
    const bool named = !levelPath.empty();
    const std::string name = named ? std::filesystem::path(levelPath).stem().string() : title;
    char hash[16];
    std::snprintf(hash, sizeof hash, "%08x", unsigned(pathHash(named ? levelPath : "unsaved:" + title)));
    return folder(root) / (safeName(name) + "-" + hash + ".vwd");
}

bool writeOrigin(const std::filesystem::path& master, const std::string& levelPath, const std::string& title)
{
    const std::string text = levelPath + "\n" + title + "\n";
    return writeFileAtomically(originPathOf(master), std::vector<uint8_t>(text.begin(), text.end())).ok;
}

void remove(const std::filesystem::path& master)
{
    std::error_code ignored;
    std::filesystem::remove(master, ignored);
    std::filesystem::remove(originPathOf(master), ignored);
    const std::string base =
        master.string().substr(0, master.string().size() - master.extension().string().size());
    for (const LevelPart& part : kLevelParts)
        std::filesystem::remove(base + part.suffix, ignored);
    // A lock file left by a crash; one still held belongs to a live editor, whose backup this
    // is not (removing the backup is its holder's business).
    if (!BackupLock::isHeldElsewhere(master))
        std::filesystem::remove(BackupLock::pathFor(master), ignored);
}

std::vector<Backup> findNewerThanTheirLevels(const std::filesystem::path& root)
{
    std::vector<Backup> found;
    std::error_code error;
    std::filesystem::directory_iterator it(folder(root), error);
    if (error)
        return found;
    for (const auto& entry : it) {
        if (entry.path().extension() != kOriginExtension || !entry.is_regular_file(error))
            continue;
        std::filesystem::path master = entry.path();
        master.replace_extension(".vwd");
        // Another editor on this root has the level open and keeps this backup up to date.
        if (BackupLock::isHeldElsewhere(master))
            continue;
        Backup backup{master, {}, {}, std::filesystem::last_write_time(master, error)};
        if (error)
            continue; // an origin without its backup: nothing to offer
        std::ifstream in(entry.path());
        if (!std::getline(in, backup.levelPath) || !std::getline(in, backup.title))
            continue;
        if (!backup.levelPath.empty()) {
            const auto levelTime = std::filesystem::last_write_time(backup.levelPath, error);
            // Strictly newer: a save and a backup within one tick of the file clock carry the
            // same time, and a save removes its backup, so a backup still there holds more.
            if (!error && levelTime > backup.writtenAt) {
                LevelBackups::remove(master);
                continue;
            }
        }
        found.push_back(std::move(backup));
    }
    std::sort(found.begin(), found.end(),
              [](const Backup& a, const Backup& b) { return a.writtenAt < b.writtenAt; });
    return found;
}

std::string recoveryQuestion(const Backup& backup)
{
    const std::string name = backup.levelPath.empty() ? backup.title : backup.levelPath;
    const std::time_t written =
        std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(backup.writtenAt));
    char when[64] = "";
    if (const std::tm* local = std::localtime(&written))
        std::strftime(when, sizeof when, "%Y-%m-%d %H:%M", local);
    return "The editor stopped without saving \"" + name + "\": its automatic backup of " + when +
           " holds changes the level's file lacks.\n\nOpen the backup as an unsaved level?\n(No discards "
           "the backup.)";
}

std::vector<Backup> chooseBackupsToOpen(const std::filesystem::path& root, Prompter& prompter)
{
    // A backup whose writing was cut off by the crash is finished or undone first, so what is
    // offered is one whole backup.
    recoverInterruptedSaves(folder(root), prompter);
    std::vector<Backup> chosen;
    for (Backup& backup : findNewerThanTheirLevels(root)) {
        if (prompter.ask(recoveryQuestion(backup), Prompter::Buttons::YesNo, Prompter::Icon::Question) ==
            Prompter::Answer::Yes)
            chosen.push_back(std::move(backup));
        else
            LevelBackups::remove(backup.master);
    }
    return chosen;
}

} // namespace LevelBackups

} // namespace gr2
