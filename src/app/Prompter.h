#pragma once
// Every message box, question and file dialog of the editor goes through this interface, so the
// core can report failures and ask questions without a window: the GUI shows real dialogs, the
// command-line tool prints and answers from its flags, tests script the answers. Plain messages
// come from the Reporter below it, which the lower layers receive.

#include "worlddata/Reporter.h"

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

class Prompter : public Reporter {
public:
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual Answer ask(const std::string& text, Buttons buttons, Icon icon) = 0;
    virtual std::optional<std::filesystem::path> chooseSavePath(const FileDialogSpec& dialog) = 0;
    virtual std::vector<std::filesystem::path> chooseOpenPaths(const FileDialogSpec& dialog) = 0;
};

/// The answer that leaves the user's data as it is: Cancel where there is one, otherwise No or OK.
Prompter::Answer cautiousAnswer(Prompter::Buttons buttons);

} // namespace gr2
