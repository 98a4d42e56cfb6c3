#pragma once
// A Prompter for work nobody watches (the sample level's save, benchmarks, fuzz targets): every
// question gets the cautious answer, messages are dropped, no file is chosen. Failures still come
// back in the operations' results.

#include "app/Prompter.h"

namespace gr2 {

class QuietPrompter : public Prompter {
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
