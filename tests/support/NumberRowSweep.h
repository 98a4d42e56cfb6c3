#pragma once
// Reaches every number field of a form the way a user does: for each entry of the form's first
// list (its kind list, where it has one) the field shown at once, or shown after choosing one
// entry of another list or option group ("For" before the seconds, "Time Limit" before its
// seconds). The script editors' tests type each field's bounds into it and read them back.

#include "forms/FormRow.h"
#include "forms/FormState.h"

#include <optional>
#include <utility>
#include <vector>

namespace gr2::test {

struct NumberRowSetting {
    std::optional<size_t> first; ///< the entry of row 0 to choose; none keeps what was loaded
    std::optional<std::pair<size_t, size_t>> reveal; ///< a further row and its entry to choose
    size_t row = 0;
};

inline bool isListRow(const FormRow& r)
{
    return r.kind == ControlKind::Choice || r.kind == ControlKind::Radio || r.kind == ControlKind::TypeList ||
           r.kind == ControlKind::PlayerList;
}

inline void applySetting(FormState& s, const NumberRowSetting& setting)
{
    if (setting.first)
        s.choose(0, *setting.first);
    if (setting.reveal)
        s.choose(setting.reveal->first, setting.reveal->second);
}

/// `everyFirst`: try each entry of row 0 (a kind list); otherwise row 0 is one list among the others.
inline std::vector<NumberRowSetting> numberRowSettings(const FormState& loaded, bool everyFirst)
{
    std::vector<std::optional<size_t>> firsts{std::nullopt};
    if (everyFirst && loaded.rowCount() > 0 && isListRow(loaded.row(0))) {
        firsts.clear();
        for (size_t i = 0; i < loaded.choices(0).size(); ++i)
            firsts.push_back(i);
    }
    std::vector<NumberRowSetting> out;
    for (const std::optional<size_t>& first : firsts) {
        for (size_t row = 0; row < loaded.rowCount(); ++row) {
            if (loaded.row(row).kind != ControlKind::Integer)
                continue;
            std::optional<NumberRowSetting> found;
            NumberRowSetting plain{first, std::nullopt, row};
            FormState s = loaded;
            applySetting(s, plain);
            if (s.isActive(row))
                found = plain;
            for (size_t other = everyFirst ? 1 : 0; !found && other < loaded.rowCount(); ++other) {
                if (other == row || !isListRow(loaded.row(other)))
                    continue;
                for (size_t entry = 0; !found && entry < s.choices(other).size(); ++entry) {
                    NumberRowSetting tried{first, std::pair{other, entry}, row};
                    FormState t = loaded;
                    applySetting(t, tried);
                    if (t.isActive(row))
                        found = tried;
                }
            }
            if (found)
                out.push_back(*found);
        }
    }
    return out;
}

} // namespace gr2::test
