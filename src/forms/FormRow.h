#pragma once
// One row of a form: the label the user reads, the kind of control that edits the value, the range
// or list of values it accepts and when it is shown and enabled. A dialog is the list of its rows
// (see FormDescription in Form.h); the rows name no widget, so every rule can be tested without a
// window, and one factory in the window layer makes every control.

#include "worlddata/ByteOrder.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace gr2 {

class FormState;
template <class Target> struct FormDescription;

enum class ControlKind : uint8_t {
    Integer,    ///< a whole number in an edit field with a spin
    Real,       ///< a number with a fraction in an edit field with a spin
    FlagBit,    ///< a check box for one bit of a flags word
    Choice,     ///< a drop-down list of fixed entries
    Radio,      ///< a group of option buttons, one per entry
    Slider,     ///< a whole number on a slider
    Text,       ///< a line of text
    TypeList,   ///< a drop-down list of the types of a family
    PlayerList, ///< a drop-down list of a level's players
    SubForm,    ///< a button that opens a further form on a block of the record ("Light...")
};

/// A value as a field holds it: whole numbers (flag bits and choices included), reals, text, or
/// the bytes of a block that a sub-form edits.
using FieldValue = std::variant<int64_t, double, std::string, Bytes>;

/// Inclusive bounds. Whole-number bounds are exact in a double up to 2^53.
struct NumberRange {
    double low = 0;
    double high = 0;
    bool contains(double value) const { return value >= low && value <= high; }
};

/// What a field can hold, which the form checks even where a row names no range of its own.
struct NumberTraits {
    NumberRange capacity{-2147483648.0, 2147483647.0};
    double scale = 0;        ///< fixed-point units per 1.0 for reals; 0 for a plain double
    bool isUnsigned = false; ///< a negative entry gets the "positive integer" message
};

struct Choice {
    int64_t value = 0;
    std::string text;
    bool operator==(const Choice&) const = default;
};
using ChoiceList = std::vector<Choice>;

/// Evaluated on the values the form shows now.
using FormRule = std::function<bool(const FormState&)>;
using ChoiceSource = std::function<ChoiceList(const FormState&)>;

/// What an inactive row (disabled or hidden) stores. The zero of StoreZero and ShowZero is stored
/// only by a row that was active since loading (the user's edit greyed it); a row greyed all along
/// keeps its field and shows what the field holds, greyed, so a dialog never shows a value the
/// record does not hold.
enum class InactiveRule : uint8_t {
    Keep,      ///< nothing: the field keeps what it holds
    StoreZero, ///< 0, while the row still shows its value greyed
    /// 0, shown as 0 once the user's edit greys the row; when the row becomes active again it
    /// shows the field's value
    ShowZero,
    /// What it shows, when that differs from what was loaded: a row greyed by the edit of another
    /// row that also set its value (a dead body's owner).
    StoreShown,
    /// What the user changed, checked and stored like an active row's: for rows that take turns in
    /// one place (the page a chooser shows), so an edit survives choosing another page.
    KeepEdits,
};

/// The row and list value that bring a hidden row into view (see FormState::reveal).
struct RevealedBy {
    size_t row = 0;
    int64_t value = 0;
};

struct FormRow {
    std::string label;
    ControlKind kind = ControlKind::Integer;
    /// The values accepted (Integer, Real, Slider); none: whatever the field can hold.
    std::optional<NumberRange> range;
    /// What the spin or slider steps over; by default the range.
    std::optional<NumberRange> spin;
    /// A range message other than the standard one ("%1"/"%2" or "%d"/"%d" for the bounds).
    const char* rangeMessage = nullptr;
    NumberTraits number;

    ChoiceSource choices;
    /// The row whose change refills the choices (the row then shows the first new entry). A row
    /// refilled this way refills the rows that follow it in turn.
    std::optional<size_t> choicesFollow;
    /// On a refill, the row keeps its value when the new list still holds it.
    bool keepsChoiceOnRefill = false;
    /// Radio rows: whether one option is offered now (by default every one is). A hidden option
    /// cannot be chosen; a value loaded on one stays until the user chooses another.
    std::function<bool(const FormState&, int64_t option)> optionShown;
    /// FlagBit rows: the check box checked again when the user unchecks this one, for pairs of
    /// which one must stay checked.
    std::optional<size_t> checksWhenUnchecked;

    /// Bounds that follow other rows (a spin whose limit depends on a check box); when given they
    /// replace `range` and `spin`.
    std::function<NumberRange(const FormState&)> rangeRule;

    /// What the user's edit of this row does to other rows beyond the rules: a check box that
    /// switches an owner, a list whose choice sets a flag. It changes them with FormState::assign,
    /// which runs no further edit hooks.
    std::function<void(FormState&)> onEdit;

    FormRule enabled; ///< none: always
    FormRule visible; ///< none: always
    InactiveRule whenInactive = InactiveRule::Keep;
    /// FlagBit rows: the check boxes that checking this one unchecks (two settings that exclude
    /// each other but may both be off).
    std::vector<size_t> excludes;

    /// Rows with the same group title are framed together; empty: no frame.
    std::string group;
    /// Sits to the right of the previous row's control instead of on a line of its own.
    bool sameLine = false;
    /// Sits beside one option of a Radio row (inside its frame) instead of on a line of its own:
    /// the field an option stands for ("Value:" [value]).
    struct OptionPlace {
        size_t radio = 0;
        size_t option = 0;
    };
    std::optional<OptionPlace> besideOption;
    /// The label follows the control ("[3] Times") rather than preceding it.
    bool labelAfter = false;
    /// Text after the control, for labels that run on past the value ("Wait [90] Seconds ...").
    std::string unit;
    /// Slider rows: the words at its two ends ("Aggressive" ... "Defensive").
    std::optional<std::pair<std::string, std::string>> sliderEnds;
    /// FlagBit rows: the check box stands in front of the next row's label, the condition that
    /// switches that value on, instead of among the other check boxes.
    bool leadsNextLine = false;
    /// Text rows: the most characters the field stores (UTF-16 units for wide text); longer text
    /// is refused. 0: no limit.
    size_t maxLength = 0;
    /// Text rows: the text is Unicode (UTF-8 in the state, UTF-16 in the level) rather than an
    /// 8-bit record field.
    bool wideText = false;
    /// Text rows: several lines in a larger field.
    bool multiLine = false;
    /// Text rows: shown and selectable but not edited.
    bool readOnly = false;
    /// Radio rows: the options fill a grid of this many columns, row by row (a 3 × 3 choice of
    /// positions); 1: one option under the other.
    size_t optionColumns = 1;

    /// SubForm rows: the form the button opens on the block, and its caption.
    std::shared_ptr<const FormDescription<Bytes>> subForm;
    /// SubForm rows: a caption made from the block, when it names what it edits; none: the form's.
    std::function<std::string(const Bytes&)> subFormCaption;

    /// A row that takes turns with others in one place: the list value that shows it.
    std::optional<RevealedBy> revealedBy;

    bool isNumber() const
    {
        return kind == ControlKind::Integer || kind == ControlKind::Real || kind == ControlKind::Slider;
    }
    bool isText() const
    {
        return kind == ControlKind::Integer || kind == ControlKind::Real || kind == ControlKind::Text;
    }
    bool isList() const
    {
        return kind == ControlKind::Choice || kind == ControlKind::Radio || kind == ControlKind::TypeList ||
               kind == ControlKind::PlayerList;
    }
    /// The bounds the spin steps over.
    NumberRange spinRange() const { return spin ? *spin : range ? *range : number.capacity; }
};

/// Which row a refused value is in, and the message to show; the dialog focuses that row.
struct FormError {
    size_t row = 0;
    std::string message;
    bool operator==(const FormError&) const = default;
};

} // namespace gr2
