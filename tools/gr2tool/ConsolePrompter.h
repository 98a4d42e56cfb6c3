#pragma once
// The command line's Prompter: messages go to standard error, one per line as they stand, and
// questions take the answer chosen by --yes / --no, or else the one that keeps the user's data.

#include "app/Prompter.h"

#include <iosfwd>

namespace gr2 {

class ConsolePrompter : public Prompter {
public:
    enum class Policy { Cautious, Yes, No };

    explicit ConsolePrompter(std::ostream& out, Policy policy = Policy::Cautious)
        : m_out(out), m_policy(policy)
    {
    }

    void message(const std::string& text, Icon icon) override;
    Answer ask(const std::string& text, Buttons buttons, Icon icon) override;
    std::optional<std::filesystem::path> chooseSavePath(const FileDialogSpec& dialog) override;
    std::vector<std::filesystem::path> chooseOpenPaths(const FileDialogSpec& dialog) override;

private:
    std::ostream& m_out;
    Policy m_policy;
};

} // namespace gr2
