#include "script/ButtonCategory.h"

namespace gr2 {

namespace {

constexpr CodeName kCategories[] = {
    {0, u"Misc Button"}, {1, u"Room"}, {2, u"Creature"}, {3, u"Door"}, {4, u"Trap"}, {5, u"Vorlan Spell"},
};

} // namespace

std::span<const CodeName> buttonCategories()
{
    return kCategories;
}

} // namespace gr2
