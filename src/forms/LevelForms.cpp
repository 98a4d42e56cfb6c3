#include "forms/LevelForms.h"

#include "forms/FormChoices.h"
#include "forms/FormRows.h"
#include "level/TextConversion.h"
#include "typedb/CTypeDatabase.h"

#include <string>

namespace gr2 {

namespace {

/// The game keeps creature type 46 for itself: no introduction names it.
constexpr uint16_t kReservedCreatureType = 46;
constexpr double kIdLimit = 32767;

FieldAccess<LevelProperties> wideText(std::u16string LevelProperties::*member)
{
    FieldAccess<LevelProperties> access;
    access.read = [member](const LevelProperties& p) { return FieldValue(utf16ToUtf8(p.*member)); };
    access.write = [member](LevelProperties& p, const FieldValue& v) {
        if (const auto* text = std::get_if<std::string>(&v))
            p.*member = utf8ToUtf16(*text);
    };
    return access;
}

FormRow wideTextRow(const char* label, size_t maxLength, bool multiLine = false)
{
    FormRow row;
    row.label = label;
    row.kind = ControlKind::Text;
    row.wideText = true;
    row.maxLength = maxLength;
    row.multiLine = multiLine;
    return row;
}

template <size_t N>
FieldAccess<LevelProperties> idAt(std::array<int16_t, N> LevelProperties::*member, size_t index)
{
    return integerAccess<LevelProperties, int16_t>(
        [member, index](const LevelProperties& p) { return (p.*member)[index]; },
        [member, index](LevelProperties& p, int16_t v) { (p.*member)[index] = v; });
}

} // namespace

FormDescription<LevelProperties> levelInformationForm()
{
    namespace L = LevelTextLimits;
    FormDescription<LevelProperties> form;
    form.caption = "Level Information";
    const size_t name = form.add(wideTextRow("Level &Name:", L::kName), wideText(&LevelProperties::name));
    form.row(name).readOnly = true;
    form.add(wideTextRow("&Description:", L::kDescription, true), wideText(&LevelProperties::description));
    form.add(wideTextRow("&Author Name:", L::kAuthor), wideText(&LevelProperties::author));
    form.add(wideTextRow("&E-mail Address:", L::kEmail), wideText(&LevelProperties::email));
    form.add(wideTextRow("&Information:", L::kInformation, true), wideText(&LevelProperties::information));
    return form;
}

FormDescription<LevelProperties> levelTextIdsForm(const CTypeDatabase& types)
{
    FormDescription<LevelProperties> form;
    form.caption = "Modify Level Text / Speech Ids";
    const char* const textLabels[LevelProperties::kTextIds] = {
        "Title Text ID:",          "Plot Text ID:",           "Debrief Text ID:",       "Objective Text ID:",
        "SubObjective 1 Text ID:", "SubObjective 2 Text ID:", "SubObjective 3 Text ID:"};
    for (size_t i = 0; i < LevelProperties::kTextIds; ++i)
        form.add(integerRow(textLabels[i], 0, kIdLimit), idAt(&LevelProperties::textIds, i));

    const ChoiceList creatures = FormChoices::typesOf(
        types.creatures(), true, [](const CTypeRecord& t) { return t.id() != kReservedCreatureType; });
    for (size_t i = 0; i < LevelProperties::kIntroductionOverrides; ++i) {
        const std::string label = std::to_string(i + 1) + ":";
        const size_t kind =
            form.add(typeListRow(label, FormChoices::fixed(creatures)),
                     integerAccess<LevelProperties, uint8_t>(
                         [i](const LevelProperties& p) { return p.introductionOverrides[i].kind; },
                         [i](LevelProperties& p, uint8_t v) { p.introductionOverrides[i].kind = v; }));
        const size_t text =
            form.add(integerRow("", 0, kIdLimit),
                     integerAccess<LevelProperties, int16_t>(
                         [i](const LevelProperties& p) { return p.introductionOverrides[i].textId; },
                         [i](LevelProperties& p, int16_t v) { p.introductionOverrides[i].textId = v; }));
        FormRow& textRow = form.row(text);
        textRow.sameLine = true;
        textRow.enabled = valueIsNot(kind, 0);
        form.row(kind).group = textRow.group = "Introduction Override Text IDs";
    }

    const char* const speechLabels[LevelProperties::kSpeechIds] = {
        "Pre-Level Speech ID:", "Post-Level Speech ID [Win]:", "Post-Level Speech ID [Lose]:",
        "End Of Level News Speech ID:", "Generic Pre-Level Speech ID:"};
    for (size_t i = 0; i < LevelProperties::kSpeechIds; ++i)
        form.add(integerRow(speechLabels[i], 0, kIdLimit), idAt(&LevelProperties::speechIds, i));
    return form;
}

} // namespace gr2
