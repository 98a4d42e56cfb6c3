#pragma once
// The experience-level increase editor ("Creature Stats..."): for each offered stat, its increase
// at experience levels 2 to 10 and in first person, from the two global tables.

#include "forms/FormSession.h"
#include "typedb/CGlobalVariables.h"

#include <memory>
#include <string_view>
#include <vector>

namespace gr2 {

/// One stat's row of the level table and its first-person value.
struct ExperienceStat {
    CGlobalVariables* variables = nullptr;
    size_t stat = 0;
};

/// The name of a stat index (0 to 31).
std::string_view experienceStatName(size_t stat);
/// The stats the chooser offers, in its order (23 of the 32).
const std::vector<size_t>& offeredExperienceStats();

/// "Modify Creature Stats [ Global Experience Level Increases ]": "&2:" to "1&0:" and
/// "&First Person:", each -10000 to 10000.
FormDescription<ExperienceStat> experienceForm();

/// The editor: the stat chooser ("Creature &Stat.:") on the offered stats, opened on the first.
class ExperienceSession : public SelectorSession<ExperienceStat> {
public:
    explicit ExperienceSession(CGlobalVariables& variables);
    std::string selectorLabel() const override { return "Creature &Stat.:"; }

private:
    static std::vector<std::string> statNames();
    /// Each offered stat's row, by chooser position.
    static std::function<ExperienceStat*(size_t)> statsOf(CGlobalVariables& variables);
};

} // namespace gr2
