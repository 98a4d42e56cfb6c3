#pragma once
// The row makers the script editors' pages share: lists fixed when a page opens, rows on the line
// of the previous one or beside a radio option, and rules on the chosen kind.

#include "forms/FieldAccess.h"
#include "forms/FormChoices.h"
#include "forms/FormRows.h"
#include "level/TextConversion.h"
#include "script/TriggerPageLists.h"

#include <functional>
#include <string>
#include <string_view>

namespace gr2 {

/// Script text as an 8-bit field's text, which is what the lists show.
inline std::string scriptText(std::u16string_view s)
{
    return utf8ToLatin1(utf16ToUtf8(s));
}

/// A script list as a form's choices.
ChoiceList triggerChoices(const TriggerChoiceList& list);

/// A list row whose entries are fixed when the page opens.
inline FormRow fixedList(std::string label, const TriggerChoiceList& list)
{
    return choiceRow(std::move(label), FormChoices::fixed(triggerChoices(list)));
}

inline FormRow onSameLine(FormRow row)
{
    row.sameLine = true;
    return row;
}

/// The field an option of a radio row stands for, shown beside it.
inline FormRow besideOption(FormRow row, size_t radio, size_t option)
{
    row.besideOption = FormRow::OptionPlace{radio, option};
    return row;
}

/// A whole-number member of a page model whose type is an enumeration.
template <class Model, class Enum> FieldAccess<Model> enumAccess(Enum Model::*member)
{
    return integerAccess<Model, int64_t>([member](const Model& m) { return int64_t(m.*member); },
                                         [member](Model& m, int64_t v) { m.*member = Enum(v); });
}

inline FormRule kindIs(size_t kindRow, std::function<bool(uint8_t)> test)
{
    return [kindRow, test = std::move(test)](const FormState& s) { return test(uint8_t(s.value(kindRow))); };
}

} // namespace gr2
