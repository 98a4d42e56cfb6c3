#include "forms/TrapForm.h"

#include "forms/FormChoices.h"
#include "forms/FormRows.h"
#include "forms/LevelChoices.h"
#include "level/CTrap.h"
#include "script/ScriptTreeCommands.h"
#include "typedb/CTrapType.h"
#include "typedb/CTypeDatabase.h"

namespace gr2 {

FormDescription<TrapEdit> trapForm(const CTrap& trap, const CTypeDatabase& types, TrapRows* rowsOut)
{
    FormDescription<TrapEdit> d;
    TrapRows r{};
    d.caption = tileCaption("Trap", trap.position());
    r.type =
        d.add(typeListRow("", FormChoices::fixed(FormChoices::typesOf(
                                  types.traps(), false,
                                  [](const CTypeRecord& t) { return !t.hasFlag(TrapTypeFlag::DoorTrap); }))),
              memberAccess(&TrapEdit::type));
    r.owner = d.add(listRow("Ow&ner:", ControlKind::PlayerList,
                            FormChoices::fixed(LevelChoices::players(*trap.document()))),
                    memberAccess(&TrapEdit::owner));
    r.shots = d.add(integerRow("&Number of Shots:", 0, 255), memberAccess(&TrapEdit::shots));
    r.blueprint = d.add(flagRow("Blueprint"), memberAccess(&TrapEdit::blueprint));
    d.row(r.shots).enabled = isNot(isChecked(r.blueprint));
    d.row(r.shots).whenInactive = InactiveRule::ShowZero;
    if (rowsOut)
        *rowsOut = r;
    return d;
}

TrapEdit readTrap(const CTrap& trap)
{
    return {trap.type(), trap.ownerId(), trap.shots(), trap.shots() == 0};
}

void writeTrap(CTrap& trap, const TrapEdit& edit)
{
    trap.setType(edit.type);
    trap.setOwnerById(edit.owner);
    trap.setShots(edit.blueprint ? 0 : edit.shots);
    if (CWorldEditorDoc* doc = trap.document())
        doc->notifyObjectChanged(trap);
}

std::unique_ptr<ThingSession> trapSession(CWorldEditorDoc& doc, CTrap& trap, const CTypeDatabase& types)
{
    CTrap* target = &trap;
    TrapRows rows{};
    auto session = std::make_unique<ThingEditSession<TrapEdit>>(
        doc, treeCommandName(TreeCommand::EditTrapProperties), trapForm(trap, types, &rows), readTrap(trap),
        [target](const TrapEdit& e) { writeTrap(*target, e); });
    session->setIcon({TypeFamily::Trap, rows.type, 0});
    return session;
}

} // namespace gr2
