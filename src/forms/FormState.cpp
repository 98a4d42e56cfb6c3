#include "forms/FormState.h"

#include "forms/FormMessages.h"
#include "forms/NumberText.h"
#include "level/TextConversion.h"

#include <algorithm>

namespace gr2 {

namespace {

int64_t asInteger(const FieldValue& value)
{
    if (const auto* i = std::get_if<int64_t>(&value))
        return *i;
    if (const auto* d = std::get_if<double>(&value))
        return int64_t(*d);
    return 0;
}

double asReal(const FieldValue& value)
{
    if (const auto* d = std::get_if<double>(&value))
        return *d;
    if (const auto* i = std::get_if<int64_t>(&value))
        return double(*i);
    return 0;
}

/// What an inactive row that stores zero writes.
FieldValue zeroOf(ControlKind kind)
{
    if (kind == ControlKind::Real)
        return 0.0;
    if (kind == ControlKind::Text)
        return std::string();
    return int64_t(0);
}

} // namespace

FormState::FormState(std::vector<FormRow> rows) : m_rows(std::move(rows)), m_values(m_rows.size()) {}

void FormState::load(const std::vector<FieldValue>& values)
{
    for (size_t i = 0; i < m_rows.size(); ++i) {
        RowValue& v = m_values[i];
        v.loaded = i < values.size() ? values[i] : FieldValue(int64_t(0));
        v.enabled = v.visible = true;
        v.everActive = false;
        show(i, v.loaded);
    }
    // Lists are filled once every row shows its value, as a list may depend on another row.
    for (size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].choices)
            m_values[i].choices = m_rows[i].choices(*this);
    applyRules(std::nullopt);
    for (size_t i = 0; i < m_rows.size(); ++i)
        m_values[i].activeAtLoad = isActive(i);
}

std::string FormState::shownText(size_t row, const FieldValue& value) const
{
    const FormRow& r = m_rows.at(row);
    switch (r.kind) {
    case ControlKind::Integer:
        return formatInteger(asInteger(value));
    case ControlKind::Real:
        return formatReal(asReal(value), r.number.scale);
    case ControlKind::Text:
        if (const auto* s = std::get_if<std::string>(&value))
            return *s;
        return {};
    default:
        return {};
    }
}

void FormState::show(size_t row, const FieldValue& value)
{
    RowValue& v = m_values[row];
    const FormRow& r = m_rows[row];
    if (r.isText())
        v.text = shownText(row, value);
    else if (r.kind == ControlKind::SubForm)
        v.bytes = std::holds_alternative<Bytes>(value) ? std::get<Bytes>(value) : Bytes();
    else
        v.value = asInteger(value);
}

void FormState::showZero(size_t row)
{
    const FormRow& r = m_rows[row];
    if (r.kind == ControlKind::Text)
        show(row, std::string());
    else if (r.kind == ControlKind::Real)
        show(row, 0.0);
    else if (r.kind != ControlKind::SubForm)
        show(row, int64_t(0));
}

std::optional<size_t> FormState::choiceIndex(size_t row) const
{
    const RowValue& v = m_values.at(row);
    for (size_t i = 0; i < v.choices.size(); ++i)
        if (v.choices[i].value == v.value)
            return i;
    return std::nullopt;
}

bool FormState::isChanged(size_t row) const
{
    const FormRow& r = m_rows.at(row);
    const RowValue& v = m_values[row];
    if (r.isText())
        return v.text != shownText(row, v.loaded);
    if (r.kind == ControlKind::SubForm)
        return !std::holds_alternative<Bytes>(v.loaded) || v.bytes != std::get<Bytes>(v.loaded);
    return v.value != asInteger(v.loaded);
}

bool FormState::isChanged() const
{
    for (size_t i = 0; i < m_rows.size(); ++i)
        if (isChanged(i))
            return true;
    return false;
}

void FormState::setText(size_t row, std::string text)
{
    m_values.at(row).text = std::move(text);
    edited(row);
}

void FormState::setValue(size_t row, int64_t value)
{
    m_values.at(row).value = value;
    if (value != 0)
        for (size_t other : m_rows[row].excludes)
            m_values.at(other).value = 0;
    edited(row);
}

void FormState::assign(size_t row, int64_t value)
{
    if (m_rows.at(row).isText()) {
        assignText(row, formatInteger(value));
        return;
    }
    m_values[row].value = value;
    refillFollowers(row, false);
}

void FormState::assignText(size_t row, std::string text)
{
    m_values.at(row).text = std::move(text);
    refillFollowers(row, false);
}

void FormState::edited(size_t row)
{
    const FormRow& changed = m_rows[row];
    if (changed.checksWhenUnchecked && !checked(row))
        m_values.at(*changed.checksWhenUnchecked).value = 1;
    refillFollowers(row, true);
    if (m_rows[row].onEdit && !m_inHook) {
        m_inHook = true;
        m_rows[row].onEdit(*this);
        m_inHook = false;
    }
    applyRules(row);
}

void FormState::refillFollowers(size_t row, bool takeFirst)
{
    // Each refilled row refills the rows that follow it; the rows are finite and a row is
    // refilled at most once per edit, so a careless cycle of rows ends too.
    std::vector<size_t> refill{row};
    std::vector<bool> done(m_rows.size(), false);
    while (!refill.empty()) {
        const size_t source = refill.back();
        refill.pop_back();
        for (size_t i = 0; i < m_rows.size(); ++i) {
            if (m_rows[i].choicesFollow != source || !m_rows[i].choices || done[i])
                continue;
            done[i] = true;
            RowValue& v = m_values[i];
            v.choices = m_rows[i].choices(*this);
            const bool stillOffered = std::any_of(v.choices.begin(), v.choices.end(),
                                                  [&v](const Choice& c) { return c.value == v.value; });
            const bool keep = !takeFirst || (m_rows[i].keepsChoiceOnRefill && stillOffered);
            if (!keep)
                v.value = v.choices.empty() ? 0 : v.choices.front().value;
            refill.push_back(i);
        }
    }
}

namespace {

/// A row's range as far as its field can hold it: a row that offers more than its field keeps
/// would store a value other than the one typed, so the bounds the user is told are the narrower.
NumberRange within(NumberRange range, NumberRange capacity)
{
    const NumberRange both{std::max(range.low, capacity.low), std::min(range.high, capacity.high)};
    return both.low <= both.high ? both : capacity;
}

} // namespace

NumberRange FormState::rangeOf(size_t row) const
{
    const FormRow& r = m_rows.at(row);
    if (r.rangeRule)
        return within(r.rangeRule(*this), r.number.capacity);
    return r.range ? within(*r.range, r.number.capacity) : r.number.capacity;
}

NumberRange FormState::spinRangeOf(size_t row) const
{
    const FormRow& r = m_rows.at(row);
    return within(r.rangeRule ? r.rangeRule(*this) : r.spinRange(), r.number.capacity);
}

void FormState::choose(size_t row, size_t index)
{
    const ChoiceList& list = m_values.at(row).choices;
    if (index < list.size() && isOptionShown(row, list[index].value))
        setValue(row, list[index].value);
}

bool FormState::isOptionShown(size_t row, int64_t option) const
{
    const FormRow& r = m_rows.at(row);
    return !r.optionShown || r.optionShown(*this, option);
}

void FormState::setBytes(size_t row, Bytes bytes)
{
    m_values.at(row).bytes = std::move(bytes);
    edited(row);
}

bool FormState::reveal(size_t row)
{
    const FormRow& r = m_rows.at(row);
    if (!isVisible(row) && r.revealedBy)
        setValue(r.revealedBy->row, r.revealedBy->value);
    return isVisible(row);
}

void FormState::applyRules(std::optional<size_t> changedRow)
{
    for (size_t i = 0; i < m_rows.size(); ++i) {
        const FormRow& r = m_rows[i];
        RowValue& v = m_values[i];
        const bool wasActive = v.enabled && v.visible;
        v.enabled = !r.enabled || r.enabled(*this);
        v.visible = !r.visible || r.visible(*this);
        const bool active = v.enabled && v.visible;
        v.everActive = v.everActive || active;
        if (r.whenInactive != InactiveRule::ShowZero)
            continue;
        // Only the user's edit greys a row to 0, which it then stores. A row that loads greyed
        // keeps its field and so shows what the field holds: the dialog never shows a value the
        // record does not hold. (On loading every row starts active, hence the changedRow test.)
        if (!active && wasActive && changedRow)
            showZero(i);
        else if (active && !wasActive)
            show(i, v.loaded);
    }
}

std::optional<std::string> FormState::refusal(size_t row) const
{
    const FormRow& r = m_rows[row];
    const std::string& text = m_values[row].text;
    const NumberRange capacity = r.number.capacity;
    if (r.kind == ControlKind::Integer) {
        const ParsedInteger parsed = parseInteger(text);
        if (parsed.status == ParsedInteger::Status::NotANumber)
            return FormMessages::kInteger;
        if (parsed.negative && r.number.isUnsigned && parsed.value != 0)
            return FormMessages::kPositiveInteger;
        // A row's range lies inside what its field holds; a row without one takes the field's.
        const NumberRange bounds = rangeOf(row);
        if (parsed.status == ParsedInteger::Status::TooLarge || !bounds.contains(double(parsed.value)) ||
            !capacity.contains(double(parsed.value)))
            return FormMessages::withBounds(r.rangeMessage ? r.rangeMessage : FormMessages::kIntegerRange,
                                            formatInteger(int64_t(bounds.low)),
                                            formatInteger(int64_t(bounds.high)));
        return std::nullopt;
    }
    if (r.kind == ControlKind::Real) {
        const std::optional<double> parsed = parseReal(text);
        if (!parsed)
            return FormMessages::kNumber;
        const NumberRange bounds = rangeOf(row);
        if (!bounds.contains(*parsed) || !capacity.contains(*parsed))
            return FormMessages::withBounds(r.rangeMessage ? r.rangeMessage : FormMessages::kNumberRange,
                                            formatReal(bounds.low, 0), formatReal(bounds.high, 0));
        return std::nullopt;
    }
    if (r.kind == ControlKind::Text && r.maxLength != 0) {
        const size_t length = r.wideText ? utf8ToUtf16(text).size() : text.size();
        if (length > r.maxLength) {
            std::string message = FormMessages::kTextLength;
            message.replace(message.find("%1"), 2, std::to_string(r.maxLength));
            return message;
        }
    }
    return std::nullopt;
}

std::optional<FormError> FormState::validate() const
{
    for (size_t i = 0; i < m_rows.size(); ++i) {
        const bool stored = isActive(i) || m_rows[i].whenInactive == InactiveRule::KeepEdits;
        const bool broughtIntoUse = isActive(i) && !m_values[i].activeAtLoad;
        if (!stored || !(isChanged(i) || broughtIntoUse))
            continue;
        if (auto message = refusal(i))
            return FormError{i, *message};
    }
    return std::nullopt;
}

FieldValue FormState::parsed(size_t row) const
{
    const FormRow& r = m_rows[row];
    const RowValue& v = m_values[row];
    if (r.isText() && !isChanged(row))
        return v.loaded;
    switch (r.kind) {
    case ControlKind::Integer:
        return parseInteger(v.text).value;
    case ControlKind::Real:
        return parseReal(v.text).value_or(0.0);
    case ControlKind::Text:
        return v.text;
    case ControlKind::SubForm:
        return v.bytes;
    default:
        return v.value;
    }
}

std::vector<std::optional<FieldValue>> FormState::valuesToStore() const
{
    std::vector<std::optional<FieldValue>> out(m_rows.size());
    for (size_t i = 0; i < m_rows.size(); ++i) {
        const FormRow& r = m_rows[i];
        if (!isActive(i) && r.whenInactive != InactiveRule::KeepEdits) {
            if (r.whenInactive == InactiveRule::Keep || r.kind == ControlKind::SubForm)
                continue;
            if (r.whenInactive == InactiveRule::StoreShown) {
                if (isChanged(i))
                    out[i] = parsed(i);
                continue;
            }
            // Only a row that was active stores its zero, greyed by the user's edit: one greyed
            // since loading keeps what the target holds, so an untouched form normalises nothing.
            if (m_values[i].everActive)
                out[i] = zeroOf(r.kind);
            continue;
        }
        if (isChanged(i))
            out[i] = parsed(i);
    }
    return out;
}

} // namespace gr2
