#include "ConsolePrompter.h"

#include <ostream>

namespace gr2 {

void ConsolePrompter::message(const std::string& text, Icon)
{
    m_out << text;
    if (text.empty() || text.back() != '\n')
        m_out << '\n';
    m_out.flush();
}

Prompter::Answer ConsolePrompter::ask(const std::string& text, Buttons buttons, Icon icon)
{
    message(text, icon);
    const bool hasYes = buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel;
    switch (m_policy) {
    case Policy::Yes:
        return hasYes ? Answer::Yes : Answer::Ok;
    case Policy::No:
        if (buttons == Buttons::Ok)
            return Answer::Ok;
        return hasYes ? Answer::No : Answer::Cancel;
    case Policy::Cautious:
        break;
    }
    return cautiousAnswer(buttons);
}

std::optional<std::filesystem::path> ConsolePrompter::chooseSavePath(const FileDialogSpec&)
{
    return std::nullopt;
}

std::vector<std::filesystem::path> ConsolePrompter::chooseOpenPaths(const FileDialogSpec&)
{
    return {};
}

} // namespace gr2
