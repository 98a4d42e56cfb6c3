#pragma once
// A form over one kind of target (a type record, a light descriptor, a sacrifice entry, ...): its
// description, which is the dialog's table, and the form that loads a target's values into its
// state, validates all of them and only then stores them, so a refused value leaves the target
// exactly as it was.

#include "forms/FieldAccess.h"
#include "forms/FormState.h"

#include <functional>
#include <string>
#include <vector>

namespace gr2 {

/// A dialog as data: its caption and its rows, each with the field it edits.
template <class Target> struct FormDescription {
    std::string caption;
    /// A caption that names the target ("... for \"Fireball\""), made when a target is loaded;
    /// none: `caption`.
    std::function<std::string(const Target&)> captionOf;
    std::vector<FormRow> rows;
    std::vector<FieldAccess<Target>> fields;

    /// Appends a row bound to its field; the field's traits (capacity, scale, sign) go into the
    /// row. Returns the row's index, by which rules name it.
    size_t add(FormRow row, FieldAccess<Target> field)
    {
        row.number = field.traits;
        rows.push_back(std::move(row));
        fields.push_back(std::move(field));
        return rows.size() - 1;
    }
    FormRow& row(size_t index) { return rows.at(index); }
};

template <class Target> class Form {
public:
    explicit Form(const FormDescription<Target>& description)
        : m_caption(description.caption), m_captionOf(description.captionOf), m_fields(description.fields),
          m_state(description.rows)
    {
    }

    const std::string& caption() const { return m_caption; }
    FormState& state() { return m_state; }
    const FormState& state() const { return m_state; }
    const FieldAccess<Target>& field(size_t row) const { return m_fields.at(row); }

    void load(const Target& target)
    {
        if (m_captionOf)
            m_caption = m_captionOf(target);
        std::vector<FieldValue> values;
        values.reserve(m_fields.size());
        for (const FieldAccess<Target>& f : m_fields)
            values.push_back(f.read(target));
        m_state.load(values);
    }

    /// Validates every row; when one is refused nothing is stored and the refusal is returned.
    /// `changed` (when given) is set when a stored value differs from what the target held.
    std::optional<FormError> store(Target& target, bool* changed = nullptr)
    {
        if (auto error = m_state.validate())
            return error;
        const std::vector<std::optional<FieldValue>> values = m_state.valuesToStore();
        for (size_t i = 0; i < m_fields.size(); ++i) {
            if (!values[i])
                continue;
            const FieldValue before = m_fields[i].read(target);
            m_fields[i].write(target, *values[i]);
            if (changed && m_fields[i].read(target) != before)
                *changed = true;
        }
        return std::nullopt;
    }

private:
    std::string m_caption;
    std::function<std::string(const Target&)> m_captionOf;
    std::vector<FieldAccess<Target>> m_fields;
    FormState m_state;
};

} // namespace gr2
