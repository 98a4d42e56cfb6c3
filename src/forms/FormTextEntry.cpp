#include "forms/FormTextEntry.h"

#include "forms/NumberText.h"

#include <algorithm>
#include <cctype>

namespace gr2 {

namespace {

std::string lowered(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return out;
}

std::string trimmed(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return std::string(text);
}

} // namespace

std::string plainLabel(std::string_view label)
{
    std::string out;
    for (size_t i = 0; i < label.size(); ++i) {
        if (label[i] == '&') {
            // "&&" stands for one "&".
            if (i + 1 < label.size() && label[i + 1] == '&')
                out += label[++i];
            continue;
        }
        out += label[i];
    }
    if (!out.empty() && out.back() == ':')
        out.pop_back();
    return trimmed(out);
}

std::optional<size_t> findRowByLabel(const FormState& state, std::string_view label)
{
    const std::string wanted = lowered(plainLabel(label));
    if (wanted.empty())
        return std::nullopt;
    for (size_t row = 0; row < state.rowCount(); ++row)
        if (lowered(plainLabel(state.row(row).label)) == wanted)
            return row;
    // Rows that share one place (the value field of an attribute chooser) go by the entry that
    // shows them, as each one's own label is the shared one.
    for (size_t row = 0; row < state.rowCount(); ++row) {
        const std::optional<RevealedBy> by = state.row(row).revealedBy;
        if (!by)
            continue;
        for (const Choice& c : state.choices(by->row))
            if (c.value == by->value && lowered(plainLabel(c.text)) == wanted)
                return row;
    }
    return std::nullopt;
}

std::optional<std::string> enterText(FormState& state, size_t row, std::string_view text)
{
    const FormRow& r = state.row(row);
    const std::string value = trimmed(text);
    if (r.isText()) {
        state.setText(row, value);
        return std::nullopt;
    }
    if (r.kind == ControlKind::FlagBit) {
        const std::string word = lowered(value);
        if (word == "on" || word == "yes" || word == "true" || word == "1")
            state.setChecked(row, true);
        else if (word == "off" || word == "no" || word == "false" || word == "0")
            state.setChecked(row, false);
        else
            return "\"" + plainLabel(r.label) + "\" is a check box: give on or off, not \"" + value + "\".";
        return std::nullopt;
    }
    if (r.kind == ControlKind::Slider) {
        const ParsedInteger parsed = parseInteger(value);
        const NumberRange range = r.spinRange();
        if (parsed.status != ParsedInteger::Status::Ok || !range.contains(double(parsed.value)))
            return "\"" + plainLabel(r.label) + "\" takes a whole number from " +
                   formatInteger(int64_t(range.low)) + " to " + formatInteger(int64_t(range.high)) + ".";
        state.setValue(row, parsed.value);
        return std::nullopt;
    }
    if (r.isList()) {
        const ChoiceList& choices = state.choices(row);
        for (size_t i = 0; i < choices.size(); ++i)
            if (lowered(plainLabel(choices[i].text)) == lowered(plainLabel(value))) {
                state.choose(row, i);
                return std::nullopt;
            }
        const ParsedInteger parsed = parseInteger(value);
        if (parsed.status == ParsedInteger::Status::Ok)
            for (size_t i = 0; i < choices.size(); ++i)
                if (choices[i].value == parsed.value) {
                    state.choose(row, i);
                    return std::nullopt;
                }
        std::string offered;
        for (const Choice& c : choices)
            offered += (offered.empty() ? "" : ", ") + plainLabel(c.text);
        return "\"" + plainLabel(r.label) + "\" offers no \"" + value + "\"; it offers: " + offered + ".";
    }
    return "\"" + plainLabel(r.label) + "\" cannot be set from text.";
}

} // namespace gr2
