#pragma once
// The sacrifice combination editor ("&Sacrifices..."): the 128 entries of the global sacrifice
// list, each three ingredients (a kind and a type of that family), a reward and the speech played.

#include "forms/FormSession.h"
#include "typedb/CGlobalVariables.h"

namespace gr2 {

class CTypeDatabase;

/// Reward kinds: 0 "<none>", 1 "Creature", 2 "Object", 3 "Gold", 4 "Mana", 5 "Vorlan Spell",
/// 6 "Creatures Happy", 7 "Creatures Unhappy", 8 "Creatures Angry", 9 "Easter Egg".
const ChoiceList& sacrificeRewardKinds();
/// The speech list: 1 "Accepted" ... 46 "Blessed With Creature".
const ChoiceList& sacrificeSpeeches();

/// "Edit Sacrifice Combinations": the group "Sacrifices" with three ingredient rows and the group
/// "Reward" with its kind, its type or amount, and the speech.
FormDescription<SacrificeEntry> sacrificeForm(const CTypeDatabase& types);

/// The editor: the entry chooser "Sacrifice 1" to "Sacrifice 128", opened on the first.
class SacrificeSession : public SelectorSession<SacrificeEntry> {
public:
    SacrificeSession(CGlobalVariables& variables, const CTypeDatabase& types);

private:
    static std::vector<std::string> entryNames();
};

} // namespace gr2
