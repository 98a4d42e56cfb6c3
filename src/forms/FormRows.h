#pragma once
// Short builders for form rows and the rules that tie rows together, so that a dialog's table
// reads like the list of its labels, fields and ranges.

#include "forms/FormRow.h"
#include "forms/FormState.h"

#include <initializer_list>
#include <utility>

namespace gr2 {

inline FormRow integerRow(std::string label, double low, double high)
{
    FormRow row;
    row.label = std::move(label);
    row.kind = ControlKind::Integer;
    row.range = NumberRange{low, high};
    return row;
}

/// A whole number of any value its field can hold.
inline FormRow integerRow(std::string label)
{
    FormRow row;
    row.label = std::move(label);
    row.kind = ControlKind::Integer;
    return row;
}

inline FormRow realRow(std::string label, double low, double high)
{
    FormRow row;
    row.label = std::move(label);
    row.kind = ControlKind::Real;
    row.range = NumberRange{low, high};
    return row;
}

/// A real of any value its field can hold.
inline FormRow realRow(std::string label)
{
    FormRow row;
    row.label = std::move(label);
    row.kind = ControlKind::Real;
    return row;
}

inline FormRow flagRow(std::string label)
{
    FormRow row;
    row.label = std::move(label);
    row.kind = ControlKind::FlagBit;
    return row;
}

inline FormRow listRow(std::string label, ControlKind kind, ChoiceSource choices)
{
    FormRow row;
    row.label = std::move(label);
    row.kind = kind;
    row.choices = std::move(choices);
    return row;
}

inline FormRow choiceRow(std::string label, ChoiceSource choices)
{
    return listRow(std::move(label), ControlKind::Choice, std::move(choices));
}

inline FormRow typeListRow(std::string label, ChoiceSource choices)
{
    return listRow(std::move(label), ControlKind::TypeList, std::move(choices));
}

inline FormRow radioRow(std::string label, ChoiceSource choices)
{
    return listRow(std::move(label), ControlKind::Radio, std::move(choices));
}

inline FormRow subFormRow(std::string label, std::shared_ptr<const FormDescription<Bytes>> form)
{
    FormRow row;
    row.label = std::move(label);
    row.kind = ControlKind::SubForm;
    row.subForm = std::move(form);
    return row;
}

/// Check boxes of which checking one unchecks the others.
inline void excludeEachOther(std::vector<FormRow>& rows, std::initializer_list<size_t> group)
{
    for (size_t row : group)
        for (size_t other : group)
            if (other != row)
                rows.at(row).excludes.push_back(other);
}

/// True while the check box of `row` is checked.
inline FormRule isChecked(size_t row)
{
    return [row](const FormState& s) { return s.checked(row); };
}

/// True while the list of `row` shows a value other than `value`.
inline FormRule valueIsNot(size_t row, int64_t value)
{
    return [row, value](const FormState& s) { return s.value(row) != value; };
}

/// True while the list of `row` shows one of `values`.
inline FormRule valueIsOneOf(size_t row, std::initializer_list<int64_t> values)
{
    return [row, list = std::vector<int64_t>(values)](const FormState& s) {
        for (int64_t v : list)
            if (s.value(row) == v)
                return true;
        return false;
    };
}

/// Never true: for rows that carry a value or a store rule but are not shown.
inline FormRule never()
{
    return [](const FormState&) { return false; };
}

/// True while both rules are; a missing rule counts as always true.
inline FormRule bothOf(FormRule a, FormRule b)
{
    if (!a)
        return b;
    if (!b)
        return a;
    return [a = std::move(a), b = std::move(b)](const FormState& s) { return a(s) && b(s); };
}

/// The opposite of a rule.
inline FormRule isNot(FormRule rule)
{
    return [rule = std::move(rule)](const FormState& s) { return !rule(s); };
}

} // namespace gr2
