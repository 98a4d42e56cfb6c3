#pragma once
// Where the core reports what went wrong or what it changed on the user's behalf. Readers and
// operations receive it as a parameter, so the lowest layers can tell the user without knowing
// whether a window, a terminal or a test is listening. Questions and file dialogs are the
// business of the application's Prompter, which extends this.

#include <string>

namespace gr2 {

class Reporter {
public:
    enum class Icon { None, Information, Exclamation, Question, Stop };

    virtual ~Reporter() = default;
    virtual void message(const std::string& text, Icon icon) = 0;
};

/// Formats one printf-style message the way the message boxes show it ("%s", "%d" only).
std::string formatMessage(const char* format, const std::string& text);
std::string formatMessage(const char* format, const std::string& text, int number);
/// As formatMessage, for a message whose number is a system error code (errno): the number is
/// followed by the system's description, "(cause = %d)" becoming "(cause = 13: Permission denied)".
std::string formatCauseMessage(const char* format, const std::string& text, int error);
/// A system error code as the messages show it: "13: Permission denied"; just "0" for none.
std::string describeSystemError(int error);

} // namespace gr2
