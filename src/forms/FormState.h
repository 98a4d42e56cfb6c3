#pragma once
// The values a form shows between loading a record and storing it, with the form's rules: which
// rows are enabled and shown, what the lists offer, and whether every value may be stored. The
// window layer shows this state and passes every edit of the user back into it.
//
// A value the user left as it was loaded is never refused and never rewritten, so values a file
// holds outside a row's range or list survive opening and closing the form; so do the values of
// rows that were greyed or hidden from the start, whatever their rule stores for a row that the
// user's edit greys.

#include "forms/FormRow.h"

#include <optional>
#include <vector>

namespace gr2 {

class FormState {
public:
    explicit FormState(std::vector<FormRow> rows);

    size_t rowCount() const { return m_rows.size(); }
    const FormRow& row(size_t index) const { return m_rows.at(index); }

    /// Shows the values read from a record (one per row, in row order) and applies the rules.
    void load(const std::vector<FieldValue>& values);

    // --- what the rows show ---------------------------------------------------------------------
    /// Integer, Real and Text rows: the text in the field.
    const std::string& text(size_t row) const { return m_values.at(row).text; }
    /// FlagBit (0 or 1), list and Slider rows: the value.
    int64_t value(size_t row) const { return m_values.at(row).value; }
    bool checked(size_t row) const { return value(row) != 0; }
    /// SubForm rows: the block.
    const Bytes& bytes(size_t row) const { return m_values.at(row).bytes; }
    /// List rows: the entries offered now.
    const ChoiceList& choices(size_t row) const { return m_values.at(row).choices; }
    /// List rows: the entry that shows the value; none when the value is not in the list.
    std::optional<size_t> choiceIndex(size_t row) const;
    bool isEnabled(size_t row) const { return m_values.at(row).enabled; }
    bool isVisible(size_t row) const { return m_values.at(row).visible; }
    /// Radio rows: whether the option of that value is offered now.
    bool isOptionShown(size_t row, int64_t option) const;
    /// Enabled and shown: checked and stored as the user set it.
    bool isActive(size_t row) const { return isEnabled(row) && isVisible(row); }
    /// The row shows something other than what was loaded.
    bool isChanged(size_t row) const;
    /// Some row shows something other than what was loaded.
    bool isChanged() const;
    /// The values the row accepts now, and what its spin steps over.
    NumberRange rangeOf(size_t row) const;
    NumberRange spinRangeOf(size_t row) const;

    // --- the user's edits; each applies the rules again -----------------------------------------
    void setText(size_t row, std::string text);
    /// FlagBit, list and Slider rows.
    void setValue(size_t row, int64_t value);
    void setChecked(size_t row, bool on) { setValue(row, on ? 1 : 0); }
    /// List rows: the entry at `index` of the list shown now.
    void choose(size_t row, size_t index);
    void setBytes(size_t row, Bytes bytes);
    /// Brings a row into view when another row's list shows it (a refused value on a page the
    /// user left); true when the row is shown afterwards.
    bool reveal(size_t row);

    // --- for edit hooks (FormRow::onEdit): changes another row without running its hook; the
    // rules are applied once the hook returns. A list that follows the row is refilled and keeps
    // its value.
    void assign(size_t row, int64_t value);
    void assignText(size_t row, std::string text);

    // --- storing --------------------------------------------------------------------------------
    /// The first refused value in row order, or none when every value may be stored.
    std::optional<FormError> validate() const;
    /// What each row writes, in row order (none: the row leaves its field alone). Only meaningful
    /// after validate() found nothing.
    std::vector<std::optional<FieldValue>> valuesToStore() const;

    /// The text a row shows for a loaded value.
    std::string shownText(size_t row, const FieldValue& value) const;

private:
    struct RowValue {
        FieldValue loaded = int64_t(0);
        std::string text;
        int64_t value = 0;
        Bytes bytes;
        ChoiceList choices;
        bool enabled = true;
        bool visible = true;
        /// Active at some time since loading: a row greyed all along stores no zero.
        bool everActive = false;
        /// Active as loaded. A row the user's edits brought into use shows a value chosen for no
        /// purpose of its own, so it is checked like a typed one.
        bool activeAtLoad = false;
    };

    /// Shows `value` in the row as loaded.
    void show(size_t row, const FieldValue& value);
    void showZero(size_t row);
    /// After the user's edit of a row: lists that follow it, its edit hook, then the rules.
    void edited(size_t row);
    /// Refills the lists that follow `row`; `takeFirst`: they show their first entry.
    void refillFollowers(size_t row, bool takeFirst);
    /// Re-evaluates every rule; `changedRow` is the row the user just edited (none on loading).
    void applyRules(std::optional<size_t> changedRow);
    std::optional<std::string> refusal(size_t row) const;
    /// The value a row's text or choice stands for.
    FieldValue parsed(size_t row) const;

    std::vector<FormRow> m_rows;
    std::vector<RowValue> m_values;
    bool m_inHook = false;
};

} // namespace gr2
