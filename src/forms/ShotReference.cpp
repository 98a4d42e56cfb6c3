#include "forms/ShotReference.h"

#include "forms/FormChoices.h"
#include "forms/FormRows.h"
#include "forms/RecordFields.h"

namespace gr2 {

void addShotReference(FormDescription<CTypeRecord>& form, const ChoiceList& shots, const ShotReference& shot)
{
    const size_t type =
        form.add(typeListRow(shot.typeLabel, FormChoices::fixed(shots)), recordField(shot.type));
    form.row(type).group = shot.group;
    for (auto [label, field] :
         {std::pair{"Shot Data &1:", shot.data1}, std::pair{"Shot Data &2:", shot.data2}}) {
        FormRow row = integerRow(label);
        row.range = shot.dataRange;
        const size_t data = form.add(std::move(row), recordField(field));
        form.row(data).enabled = valueIsNot(type, 0);
        form.row(data).whenInactive = InactiveRule::ShowZero;
        form.row(data).group = shot.group;
    }
}

} // namespace gr2
