#include "forms/RenameVorlanForm.h"

#include "forms/FormRows.h"
#include "level/CWorldEditorDoc.h"
#include "level/EditStep.h"

namespace gr2 {

FormDescription<std::string> renameVorlanForm()
{
    FormDescription<std::string> form;
    form.caption = "Rename Vorlan";
    FormRow name;
    name.label = "&Name:";
    name.kind = ControlKind::Text;
    name.maxLength = CPlayer::kMaxNameLength;
    FieldAccess<std::string> access;
    access.read = [](const std::string& s) { return FieldValue(s); };
    access.write = [](std::string& s, const FieldValue& v) {
        if (const auto* text = std::get_if<std::string>(&v))
            s = *text;
    };
    form.add(std::move(name), std::move(access));
    return form;
}

void renameVorlan(CWorldEditorDoc& doc, CPlayer& player, const std::string& name)
{
    EditStep step(doc, "Rename Vorlan");
    doc.RenamePlayer(player, name);
}

} // namespace gr2
