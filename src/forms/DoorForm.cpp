#include "forms/DoorForm.h"

#include "forms/FormChoices.h"
#include "forms/FormRows.h"
#include "forms/LevelChoices.h"
#include "level/CDoor.h"
#include "script/ScriptTreeCommands.h"
#include "typedb/CDoorType.h"
#include "typedb/CTypeDatabase.h"

namespace gr2 {

FormDescription<DoorEdit> doorForm(const CDoor& door, const CTypeDatabase& types, DoorRows* rowsOut)
{
    FormDescription<DoorEdit> d;
    DoorRows r{};
    d.caption = tileCaption("Door", door.position());
    r.type = d.add(typeListRow("", FormChoices::fixed(FormChoices::typesOf(types.doors(), false))),
                   memberAccess(&DoorEdit::type));
    r.owner = d.add(listRow("Ow&ner:", ControlKind::PlayerList,
                            FormChoices::fixed(LevelChoices::players(*door.document()))),
                    memberAccess(&DoorEdit::owner));
    r.locked = d.add(flagRow("Locked"), memberAccess(&DoorEdit::locked));
    r.blueprint = d.add(flagRow("Blueprint"), memberAccess(&DoorEdit::blueprint));
    const CTypeDatabase* db = &types;
    const size_t typeRow = r.type;
    // A barricade cannot be locked, nor can a door that is not built yet.
    d.row(r.locked).enabled = bothOf(isNot(isChecked(r.blueprint)), [db, typeRow](const FormState& s) {
        const CTypeRecord* type = db->doors().findRecordById(uint32_t(s.value(typeRow)));
        return !(type && type->hasFlag(DoorTypeFlag::Barricade));
    });
    d.row(r.locked).whenInactive = InactiveRule::ShowZero;
    if (rowsOut)
        *rowsOut = r;
    return d;
}

DoorEdit readDoor(const CDoor& door)
{
    return {door.type(), door.ownerId(), door.isLocked(), door.isBlueprint()};
}

void writeDoor(CDoor& door, const DoorEdit& edit)
{
    door.setOwnerById(edit.owner);
    door.setType(edit.type);
    door.setLocked(edit.locked);
    door.setBlueprint(edit.blueprint);
    if (CWorldEditorDoc* doc = door.document())
        doc->notifyObjectChanged(door);
}

std::unique_ptr<ThingSession> doorSession(CWorldEditorDoc& doc, CDoor& door, const CTypeDatabase& types)
{
    CDoor* target = &door;
    DoorRows rows{};
    auto session = std::make_unique<ThingEditSession<DoorEdit>>(
        doc, treeCommandName(TreeCommand::EditDoorProperties), doorForm(door, types, &rows), readDoor(door),
        [target](const DoorEdit& e) { writeDoor(*target, e); });
    session->setIcon({TypeFamily::Door, rows.type, 0});
    return session;
}

} // namespace gr2
