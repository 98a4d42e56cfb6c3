#include "script/TriggerOwnerKind.h"

#include <array>

namespace gr2 {

std::u16string_view triggerOwnerKindName(TriggerOwnerKind kind)
{
    static constexpr std::array<std::u16string_view, 10> kNames = {
        u"Null", u"Level",  u"Player",  u"Creature",     u"Door",
        u"Trap", u"Object", u"Trigger", u"Action Point", u"Hero Party",
    };
    size_t code = size_t(kind);
    return code < kNames.size() ? kNames[code] : kNames[0];
}

} // namespace gr2
