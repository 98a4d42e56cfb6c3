#include "app/SaveFailedMessage.h"

#include "app/Prompter.h"

namespace gr2 {

const char* const kSaveFailedMessage = "Failed to save \"%s\" (cause = %d)\n";

std::string saveFailedMessage(const std::string& path, int error)
{
    return formatCauseMessage(kSaveFailedMessage, path, error);
}

} // namespace gr2
