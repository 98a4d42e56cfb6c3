#pragma once
// Faults on purpose, for tests from outside: GR2_FAULT=OP:N:ACTION makes the N-th write, fsync or
// rename of the process (counted from 1 over the whole run) fail with an errno (ENOSPC, EIO,
// EACCES, ...) or end the process at once with SIGKILL ("kill"), so a test can stop a save at any
// point and check what is left on disk. GR2_FAULT=list prints every such operation to standard
// error instead ("GR2_FAULT write 3 /path/file"), so a test can enumerate the points of a save.
// The file writers of the core call faultBefore() before each of those operations; the
// environment is read at the first one, so every program of the project honours it.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace gr2 {

enum class FaultOp { Write, Fsync, Rename };

struct FaultPlan {
    /// Print each operation instead of misbehaving.
    bool list = false;
    FaultOp op = FaultOp::Write;
    uint64_t n = 0;
    /// The errno the N-th call fails with; 0 ends the process with SIGKILL.
    int error = 0;
};

/// Reads "list" or "OP:N:ACTION"; none for anything else (an unknown errno name included).
std::optional<FaultPlan> parseFaultPlan(std::string_view text);

/// Replaces the plan for this process (none: no faults) and starts the counts again from 0. The
/// environment is not read afterwards.
void setFaultPlan(std::optional<FaultPlan> plan);

/// Counts one operation on `file` and applies the plan: 0 to go ahead, or the errno the operation
/// must fail with. Does not return when the plan says kill.
int faultBefore(FaultOp op, const std::filesystem::path& file);

/// How many operations of a kind this process has made since the plan was last set.
uint64_t faultCount(FaultOp op);

/// The name GR2_FAULT and its list use for an operation.
const char* faultOpName(FaultOp op);

} // namespace gr2
