#include "script/ScriptTreeExport.h"

#include "level/TextConversion.h"
#include "script/ScriptTreeItem.h"

#include <vector>

namespace gr2 {

std::string exportTreeText(const ScriptTreeItem& top)
{
    std::string out;
    // Each entry is an item to write, or (item null) the closing brace of a list at that depth.
    struct Step {
        const ScriptTreeItem* item;
        size_t depth;
    };
    std::vector<Step> stack{{&top, 0}};
    while (!stack.empty()) {
        const Step step = stack.back();
        stack.pop_back();
        const std::string tabs(step.depth, '\t');
        if (!step.item) {
            out += tabs + "}\r\n";
            continue;
        }
        out += tabs;
        if (step.item->kind() == TreeItemKind::Trigger || step.item->kind() == TreeItemKind::Action) {
            out += '[';
            out += std::to_string(step.item->scriptId());
            out += "] ";
        }
        out += utf16ToUtf8(step.item->text()) + "\r\n";
        if (step.item->childCount() == 0)
            continue;
        out += tabs + "{\r\n";
        stack.push_back({nullptr, step.depth});
        for (size_t i = step.item->childCount(); i-- > 0;)
            stack.push_back({step.item->child(i), step.depth + 1});
    }
    return out;
}

WriteResult writeTreeExport(const ScriptTreeItem& top, const std::filesystem::path& file)
{
    const std::string text = exportTreeText(top);
    const std::vector<uint8_t> bytes(text.begin(), text.end());
    return writeFileAtomically(file, bytes);
}

bool writeTreeOutput(const ScriptTreeItem& top, const std::filesystem::path& folder)
{
    return writeTreeExport(top, folder / kTreeOutputFileName).ok;
}

std::filesystem::path defaultTreeExportPath(const std::filesystem::path& levelPath,
                                            const std::filesystem::path& fallbackFolder)
{
    const std::filesystem::path folder =
        levelPath.has_parent_path() ? levelPath.parent_path() : fallbackFolder;
    return folder / kTreeOutputFileName;
}

} // namespace gr2
