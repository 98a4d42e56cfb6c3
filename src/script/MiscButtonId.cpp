#include "script/MiscButtonId.h"

namespace gr2 {

namespace {

constexpr CodeName kButtons[] = {
    {0, u"Null"},
    {255, u"Sell Room"},
    {254, u"<Unused>"},
    {253, u"Zoom In / Out"},
    {252, u"<Unused>"},
    {251, u"<Unused>"},
    {250, u"<Unused>"},
    {249, u"<Unused>"},
    {248, u"Creature Tab"},
    {247, u"GUI Min / Max"},
    {246, u"Vidad Talisman"},
    {245, u"SNB ToolBox"},
    {244, u"SNB Single Invasion"},
    {243, u"Gold Value"},
    {242, u"Mana Value"},
    {241, u"SNB Continual Invasion"},
};

} // namespace

std::span<const CodeName> miscButtonIds()
{
    return kButtons;
}

} // namespace gr2
