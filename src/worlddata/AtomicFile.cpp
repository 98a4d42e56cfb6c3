#include "worlddata/AtomicFile.h"

namespace gr2 {

namespace {

std::function<int(const std::filesystem::path&)>& faultHook()
{
    static std::function<int(const std::filesystem::path&)> hook;
    return hook;
}

} // namespace

void setWriteFaultHook(std::function<int(const std::filesystem::path&)> hook)
{
    faultHook() = std::move(hook);
}

int writeFaultHookError(const std::filesystem::path& path)
{
    return faultHook() ? faultHook()(path) : 0;
}

WriteResult writeFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes)
{
    AtomicFileSet file;
    WriteResult result = file.add(path, bytes);
    if (result.ok)
        result = file.commit();
    return result;
}

} // namespace gr2
