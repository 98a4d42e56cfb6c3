#include "app/ReservedNames.h"

#include "worlddata/CaseInsensitivePath.h"

#include <array>
#include <fstream>

namespace gr2 {

namespace {

constexpr std::array<std::string_view, 12> kGlobalFileBaseNames = {
    "GlobalVariables", "Terrain",      "Rooms",          "Creatures", "Doors",   "Traps",
    "Objects",         "VorlanSpells", "CreatureSpells", "Shots",     "Effects", "EffectElements"};

} // namespace

bool IsReservedDataFileName(std::string_view name)
{
    // Names shorter than four characters have no extension to look at.
    if (name.size() >= 4 && name[name.size() - 4] == '.') {
        if (name.substr(name.size() - 3) != "vwd")
            return false;
        name.remove_suffix(4);
    }
    for (std::string_view base : kGlobalFileBaseNames)
        if (name.size() >= base.size() && name.substr(name.size() - base.size()) == base)
            return true;
    return false;
}

void ReservedLevelNames::load(const std::filesystem::path& rootDirectory)
{
    m_names.clear();
    std::ifstream in(rootDirectory / kFileName);
    std::string line;
    while (std::getline(in, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.pop_back();
        if (!line.empty())
            m_names.push_back(line);
    }
}

bool ReservedLevelNames::contains(std::string_view levelName) const
{
    for (const std::string& name : m_names)
        if (equalsIgnoringCase(name, levelName))
            return true;
    return false;
}

} // namespace gr2
