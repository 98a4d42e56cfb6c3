#pragma once
// Every message box, question and file dialog of the editor goes through this interface, so the
// core can report failures and ask questions without a window: the GUI shows real dialogs, the
// command-line tool prints and answers from its flags, tests script the answers.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace gr2 {

/// What a file dialog asks for: its title, the filter list ("Text (*.txt)" entries) and a start.
struct FileDialogSpec {
    std::string title;
    std::vector<std::string> filters;
    std::string defaultExtension;
    std::filesystem::path initialPath;
    bool multiSelect = false;
};

class Prompter {
public:
    enum class Icon { None, Information, Exclamation, Question, Stop };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Prompter() = default;
    virtual void message(const std::string& text, Icon icon) = 0;
    virtual Answer ask(const std::string& text, Buttons buttons, Icon icon) = 0;
    virtual std::optional<std::filesystem::path> chooseSavePath(const FileDialogSpec& dialog) = 0;
    virtual std::vector<std::filesystem::path> chooseOpenPaths(const FileDialogSpec& dialog) = 0;
};

/// The answer that leaves the user's data as it is: Cancel where there is one, otherwise No or OK.
Prompter::Answer cautiousAnswer(Prompter::Buttons buttons);

/// Formats one printf-style message the way the message boxes show it ("%s", "%d" only).
std::string formatMessage(const char* format, const std::string& text);
std::string formatMessage(const char* format, const std::string& text, int number);
/// As formatMessage, for a message whose number is a system error code (errno): the number is
/// followed by the system's description, "(cause = %d)" becoming "(cause = 13: Permission denied)".
std::string formatCauseMessage(const char* format, const std::string& text, int error);
/// A system error code as the messages show it: "13: Permission denied"; just "0" for none.
std::string describeSystemError(int error);

} // namespace gr2
