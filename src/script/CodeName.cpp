#include "script/CodeName.h"

#include <cassert>

namespace gr2 {

const CodeName& codeNameOrFirst(std::span<const CodeName> list, uint8_t code)
{
    assert(!list.empty());
    std::optional<size_t> at = codeNameIndex(list, code);
    return list[at.value_or(0)];
}

std::optional<size_t> codeNameIndex(std::span<const CodeName> list, uint8_t code)
{
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].code == code)
            return i;
    return std::nullopt;
}

} // namespace gr2
