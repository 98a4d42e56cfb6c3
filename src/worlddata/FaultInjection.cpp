#include "worlddata/FaultInjection.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <unistd.h>

namespace gr2 {

namespace {

struct ErrnoName {
    const char* name;
    int value;
};

// The errors a file write, flush or rename can meet in practice.
constexpr ErrnoName kErrnoNames[] = {
    {"ENOSPC", ENOSPC}, {"EIO", EIO},       {"EACCES", EACCES},
    {"EPERM", EPERM},   {"EROFS", EROFS},   {"EDQUOT", EDQUOT},
    {"EFBIG", EFBIG},   {"EINTR", EINTR},   {"ENOENT", ENOENT},
    {"EEXIST", EEXIST}, {"EBUSY", EBUSY},   {"EXDEV", EXDEV},
    {"EISDIR", EISDIR}, {"EMFILE", EMFILE}, {"ENAMETOOLONG", ENAMETOOLONG},
};

struct FaultState {
    std::mutex mutex;
    bool configured = false;
    std::optional<FaultPlan> plan;
    std::array<uint64_t, 3> counts{};
};

FaultState& state()
{
    static FaultState s;
    return s;
}

std::optional<FaultOp> opNamed(std::string_view name)
{
    for (FaultOp op : {FaultOp::Write, FaultOp::Fsync, FaultOp::Rename})
        if (name == faultOpName(op))
            return op;
    return std::nullopt;
}

} // namespace

const char* faultOpName(FaultOp op)
{
    switch (op) {
    case FaultOp::Write:
        return "write";
    case FaultOp::Fsync:
        return "fsync";
    case FaultOp::Rename:
        return "rename";
    }
    return "?";
}

std::optional<FaultPlan> parseFaultPlan(std::string_view text)
{
    if (text == "list") {
        FaultPlan plan;
        plan.list = true;
        return plan;
    }
    const size_t first = text.find(':');
    const size_t second = first == std::string_view::npos ? first : text.find(':', first + 1);
    if (second == std::string_view::npos)
        return std::nullopt;
    const std::optional<FaultOp> op = opNamed(text.substr(0, first));
    if (!op)
        return std::nullopt;
    const std::string_view count = text.substr(first + 1, second - first - 1);
    FaultPlan plan;
    plan.op = *op;
    const auto [end, ec] = std::from_chars(count.data(), count.data() + count.size(), plan.n);
    if (ec != std::errc() || end != count.data() + count.size() || plan.n == 0)
        return std::nullopt;
    const std::string_view action = text.substr(second + 1);
    if (action == "kill")
        return plan;
    for (const ErrnoName& e : kErrnoNames) {
        if (action == e.name) {
            plan.error = e.value;
            return plan;
        }
    }
    return std::nullopt;
}

void setFaultPlan(std::optional<FaultPlan> plan)
{
    FaultState& s = state();
    std::lock_guard lock(s.mutex);
    s.configured = true;
    s.plan = plan;
    s.counts = {};
}

uint64_t faultCount(FaultOp op)
{
    FaultState& s = state();
    std::lock_guard lock(s.mutex);
    return s.counts[size_t(op)];
}

int faultBefore(FaultOp op, const std::filesystem::path& file)
{
    FaultState& s = state();
    std::lock_guard lock(s.mutex);
    if (!s.configured) {
        s.configured = true;
        if (const char* text = std::getenv("GR2_FAULT")) {
            s.plan = parseFaultPlan(text);
            // A plan that cannot be read must not pass for a run without faults.
            if (!s.plan)
                std::fprintf(stderr, "GR2_FAULT=%s not understood: OP:N:ACTION or list expected\n", text);
        }
    }
    const uint64_t n = ++s.counts[size_t(op)];
    if (!s.plan)
        return 0;
    if (s.plan->list) {
        std::fprintf(stderr, "GR2_FAULT %s %llu %s\n", faultOpName(op), static_cast<unsigned long long>(n),
                     file.c_str());
        return 0;
    }
    if (s.plan->op != op || s.plan->n != n)
        return 0;
    if (s.plan->error == 0) {
        std::fflush(stderr);
        ::kill(::getpid(), SIGKILL);
        std::_Exit(137); // not reached: SIGKILL cannot be caught
    }
    return s.plan->error;
}

} // namespace gr2
