#include "script/CreatureObjective.h"

namespace gr2 {

namespace {

constexpr CodeName kObjectives[] = {
    {0, u"Null"},
    {1, u"Sleep"},
    {2, u"Eat"},
    {3, u"Research"},
    {4, u"Train"},
    {5, u"Manufacture"},
    {6, u"Guard"},
    {7, u"Torture"},
    {8, u"Pray"},
    {9, u"Drink"},
    {10, u"Leave"},
    {11, u"Destroy Rooms"},
    {12, u"Destroy Walls"},
    {13, u"Steal Gold"},
    {14, u"Steal Spells"},
    {15, u"Sulk"},
    {16, u"Rebel"},
    {17, u"Steal Manufacture Crates"},
    {18, u"Kill Creatures"},
    {19, u"Kill Player"},
    {20, u"Tunnelling"},
    {22, u"Wait"},
    {23, u"Send To Action Point"},
    {24, u"Explore"},
    {25, u"Steal Enemy Gold"},
    {26, u"Combat Pit Spectate"},
    {27, u"Jail Break"},
    {28, u"Tolling"},
};

} // namespace

std::span<const CodeName> creatureObjectives()
{
    return kObjectives;
}

std::u16string_view creatureObjectiveName(uint8_t code)
{
    size_t at = code > 20 ? size_t(code) - 1 : code;
    return at < std::size(kObjectives) ? kObjectives[at].name : kObjectives[0].name;
}

} // namespace gr2
