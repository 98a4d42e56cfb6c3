#pragma once
// Fuzz targets answer every question with the cautious choice and drop messages.

#include "app/Prompter.h"

namespace gr2 {

class NullPrompter : public Prompter {
public:
    void message(const std::string&, Icon) override {}
    Answer ask(const std::string&, Buttons buttons, Icon) override { return cautiousAnswer(buttons); }
    std::optional<std::filesystem::path> chooseSavePath(const FileDialogSpec&) override
    {
        return std::nullopt;
    }
    std::vector<std::filesystem::path> chooseOpenPaths(const FileDialogSpec&) override { return {}; }
};

} // namespace gr2
