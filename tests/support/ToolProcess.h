#pragma once
// Runs gr2tool as a separate process, the way designers and scripts call it, and collects its exit
// status, standard output and standard error.

#include "support/TempDir.h"

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace gr2::test {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string shellQuoted(const std::filesystem::path& p)
{
    return "'" + p.string() + "'";
}

/// `args` are passed through the shell; standard error goes to `errFile` and is read back from it.
/// With a working folder the tool runs there (relative names are that folder's). `prefix` goes
/// before the tool's path: environment settings ("GR2_FAULT=write:3:kill") or a wrapper program.
/// A tool ended by a signal has the status -1.
inline ToolRun runTool(const std::string& args, const std::filesystem::path& errFile,
                       const std::filesystem::path& workingFolder = {}, const std::string& prefix = {})
{
    std::string command =
        prefix + " " + std::string(GR2TOOL_PATH) + " " + args + " 2>" + shellQuoted(errFile);
    if (!workingFolder.empty())
        command = "cd " + shellQuoted(workingFolder) + " && " + command;
    ToolRun result;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return result;
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.out.append(buffer.data(), n);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    // A shell that waited for the tool passes a signal on as 128 + its number.
    if (result.status > 128)
        result.status = -1;
    if (errFile != "/dev/null") {
        const Bytes err = readFile(errFile);
        result.err.assign(err.begin(), err.end());
    }
    return result;
}

} // namespace gr2::test
