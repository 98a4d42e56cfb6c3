#include "forms/ObjectForm.h"

#include "forms/FormChoices.h"
#include "forms/FormRows.h"
#include "forms/LevelChoices.h"
#include "level/CObjectThing.h"
#include "level/LevelTypes.h"
#include "script/ScriptTreeCommands.h"
#include "typedb/CTypeDatabase.h"

#include <algorithm>

namespace gr2 {

namespace {

uint32_t classOf(const CObjectThing& object, int64_t type)
{
    const CWorldEditorDoc* doc = object.document();
    return doc ? doc->types().objectFlags(uint8_t(type)) : 0;
}

} // namespace

FormDescription<ObjectEdit> objectForm(CObjectThing& object, const CTypeDatabase& types, ObjectRows* rowsOut)
{
    FormDescription<ObjectEdit> d;
    ObjectRows r{};
    d.caption = tileCaption("Object", object.position());
    r.type = d.add(typeListRow("", FormChoices::fixed(FormChoices::typesOf(types.objects(), false))),
                   memberAccess(&ObjectEdit::type));
    r.owner = d.add(listRow("Ow&ner:", ControlKind::PlayerList,
                            FormChoices::fixed(LevelChoices::players(*object.document()))),
                    memberAccess(&ObjectEdit::owner));
    r.spell =
        d.add(choiceRow("Spell Type:", FormChoices::fixed(FormChoices::typesOf(types.vorlanSpells(), false))),
              memberAccess(&ObjectEdit::spell));
    r.data1 = d.add(integerRow("Data &1:", 0, 32767), memberAccess(&ObjectEdit::data1));
    r.data2 = d.add(integerRow("Data &2:", 0, 32767), memberAccess(&ObjectEdit::data2));

    CObjectThing* target = &object;
    const size_t typeRow = r.type, spellRow = r.spell, data1Row = r.data1, data2Row = r.data2;
    auto hasClass = [target, typeRow](uint32_t bit) {
        return [target, typeRow, bit](const FormState& s) {
            return (classOf(*target, s.value(typeRow)) & bit) != 0;
        };
    };
    const FormRule spellBook = hasClass(ObjectClass::SpellBook);
    // A Spell Book shows its spell and, greyed, the id it stores; Gold its amount.
    d.row(r.spell).visible = spellBook;
    d.row(r.data1).visible = spellBook;
    d.row(r.data1).enabled = never();
    d.row(r.data2).visible = hasClass(ObjectClass::Gold);
    for (size_t row : {r.spell, r.data1, r.data2})
        d.row(row).whenInactive = InactiveRule::StoreShown;

    auto spellChosen = [spellRow, data1Row](FormState& s) { s.assign(data1Row, s.value(spellRow)); };
    d.row(r.spell).onEdit = spellChosen;
    d.row(r.type).onEdit = [target, typeRow, spellRow, data1Row, data2Row, spellChosen](FormState& s) {
        target->setType(uint8_t(s.value(typeRow)));
        if (CWorldEditorDoc* doc = target->document())
            doc->notifyObjectChanged(*target);
        // A book shows one of the spells: the first when the object held none of them.
        const ChoiceList& spells = s.choices(spellRow);
        const bool listed = std::any_of(spells.begin(), spells.end(),
                                        [&](const Choice& c) { return c.value == s.value(spellRow); });
        if ((classOf(*target, s.value(typeRow)) & ObjectClass::SpellBook) && !listed && !spells.empty())
            s.assign(spellRow, spells.front().value);
        spellChosen(s);
        if (classOf(*target, s.value(typeRow)) & ObjectClass::Crate) {
            s.assign(data1Row, 0);
            s.assign(data2Row, 0);
        }
    };
    if (rowsOut)
        *rowsOut = r;
    return d;
}

ObjectEdit readObject(const CObjectThing& object)
{
    return {object.type(), object.ownerId(), object.storedData1(), object.storedData1(), object.data2()};
}

void writeObject(CObjectThing& object, const ObjectEdit& edit)
{
    object.setType(edit.type);
    object.setOwnerById(edit.owner);
    object.setSpell(edit.spell);
    object.setData1(uint8_t(edit.data1));
    object.setData2(edit.data2);
    if (CWorldEditorDoc* doc = object.document())
        doc->notifyObjectChanged(object);
}

std::unique_ptr<ThingSession> objectSession(CWorldEditorDoc& doc, CObjectThing& object,
                                            const CTypeDatabase& types)
{
    CObjectThing* target = &object;
    const uint8_t typeBefore = object.type();
    ObjectRows rows{};
    auto session = std::make_unique<ThingEditSession<ObjectEdit>>(
        doc, treeCommandName(TreeCommand::EditObjectProperties), objectForm(object, types, &rows),
        readObject(object), [target](const ObjectEdit& e) { writeObject(*target, e); });
    session->setIcon({TypeFamily::Object, rows.type, 0});
    session->setUndoPreview([target, typeBefore] {
        if (target->type() == typeBefore)
            return;
        target->setType(typeBefore);
        if (CWorldEditorDoc* doc = target->document())
            doc->notifyObjectChanged(*target);
    });
    return session;
}

} // namespace gr2
