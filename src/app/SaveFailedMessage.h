#pragma once
// The one message of a file that could not be written, shared by every save of the program: the
// level's files, the global data and the tool's outputs.

#include <string>

namespace gr2 {

/// The message as it is formatted; its %d is a system error code.
extern const char* const kSaveFailedMessage;

/// "Failed to save \"<path>\" (cause = 13: Permission denied)\n" for a write that failed with the
/// given errno.
std::string saveFailedMessage(const std::string& path, int error);

} // namespace gr2
