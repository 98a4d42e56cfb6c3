#pragma once
// A shot reference of a trap or spell: the shot type it fires and two data values for that shot.
// The data mean something only with a shot, so without one they show and store 0, and choosing a
// shot shows the record's own values again.

#include "forms/Form.h"
#include "typedb/CTypeRecord.h"
#include "typedb/TypeField.h"

#include <optional>
#include <string>

namespace gr2 {

struct ShotReference {
    std::string typeLabel;
    TypeField type;
    TypeField data1;
    TypeField data2;
    /// What the data take; none: whatever their fields hold.
    std::optional<NumberRange> dataRange;
    /// The frame the three rows sit in; empty: none.
    std::string group;
};

/// Adds the shot type row ("<none>" and `shots`) and its "Shot Data &1:", "Shot Data &2:" rows.
void addShotReference(FormDescription<CTypeRecord>& form, const ChoiceList& shots, const ShotReference& shot);

} // namespace gr2
