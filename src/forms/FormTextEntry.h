#pragma once
// Filling a form from text, as a batch user names rows by label and gives each value as text:
// the label is matched without its mnemonic "&" and closing ":" in any case, a number is typed as
// the field shows it, a check box takes on/off, yes/no, true/false or 1/0, and a list takes the
// text of one of its entries (in any case) or the value the entry stands for.

#include "forms/FormState.h"

#include <optional>
#include <string>
#include <string_view>

namespace gr2 {

/// The row whose label reads `label`, or the row a chooser shows under the entry reading `label`
/// (the value field of an attribute); none when no row does.
std::optional<size_t> findRowByLabel(const FormState& state, std::string_view label);
/// The label as the user reads it: "Gold &Cost:" reads "Gold Cost".
std::string plainLabel(std::string_view label);

/// Enters `text` into the row as the user would; a message when the text names nothing the row
/// offers (a number's range is checked when the form stores, as in the dialog).
std::optional<std::string> enterText(FormState& state, size_t row, std::string_view text);

} // namespace gr2
