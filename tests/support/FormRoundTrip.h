#pragma once
// Loading a record into a form and storing it back without a user change must leave every byte of
// the type data as it was. The input picks a form and a record of the sample types and gives the
// record's bytes; the table below lists every form the check covers, so a new form is one line.
// Header-only: the form fuzz target and the core suites share it.

#include "forms/Form.h"
#include "forms/TypeEditorForms.h"
#include "typedb/CTypeDatabase.h"
#include "typedb/CTypeRecord.h"
#include "typedb/TypeTable.h"
#include "worlddata/RecordLayout.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace gr2::test {

/// One form over a type record: the family it edits and a run of load, store, compare. `run`
/// answers whether every byte stayed as loaded.
struct TypeRecordForm {
    const char* name;
    TypeFamily family;
    std::function<bool(CTypeDatabase&, CTypeRecord&)> run;
};

/// Every byte of every type table, in table order.
inline std::vector<uint8_t> allTypeBytes(const CTypeDatabase& db)
{
    std::vector<uint8_t> all;
    for (TypeFamily family : kAllTypeFamilies) {
        const TypeTableBase& table = db.table(family);
        for (size_t i = 0; i < table.count(); ++i) {
            const auto bytes = table.recordAt(i)->bytes();
            all.insert(all.end(), bytes.begin(), bytes.end());
        }
    }
    return all;
}

/// The type editor of the record's family, opened and OK'd: the whole type data stays as it was
/// (an editor that reaches other records, as the room's reaches its floor, must not touch them).
inline bool typeEditorKeepsBytes(CTypeDatabase& db, CTypeRecord& record)
{
    const auto description = typeEditorForm(record.family(), db);
    if (!description)
        return true;
    const std::vector<uint8_t> before = allTypeBytes(db);
    Form<CTypeRecord> form(*description);
    form.load(record);
    (void)form.store(record); // a refusal stores nothing, which the comparison covers as well
    return allTypeBytes(db) == before;
}

/// A sub-editor over a copy of the record's bytes, opened and OK'd: the copy stays as it was.
inline bool subEditorKeepsBytes(const FormDescription<Bytes>& description, const CTypeRecord& record)
{
    Bytes copy(record.bytes().begin(), record.bytes().end());
    const Bytes before = copy;
    Form<Bytes> form(description);
    form.load(copy);
    (void)form.store(copy);
    return copy == before;
}

inline const std::vector<TypeRecordForm>& typeRecordForms()
{
    static const std::vector<TypeRecordForm> forms = [] {
        std::vector<TypeRecordForm> list;
        for (TypeFamily family : kAllTypeFamilies)
            if (hasTypeEditor(family))
                list.push_back({"type editor", family, typeEditorKeepsBytes});
        list.push_back({"room objects and effects", TypeFamily::Room, [](CTypeDatabase& db, CTypeRecord& r) {
                            return subEditorKeepsBytes(roomObjectsAndEffectsForm(db), r);
                        }});
        list.push_back({"shot effects and shots", TypeFamily::Shot, [](CTypeDatabase& db, CTypeRecord& r) {
                            return subEditorKeepsBytes(shotEffectTypesForm(db), r);
                        }});
        list.push_back({"effect effects", TypeFamily::Effect, [](CTypeDatabase& db, CTypeRecord& r) {
                            return subEditorKeepsBytes(effectTypesForm(db), r);
                        }});
        list.push_back({"effect generation types", TypeFamily::Effect, [](CTypeDatabase& db, CTypeRecord& r) {
                            return subEditorKeepsBytes(generationTypesForm(db), r);
                        }});
        return list;
    }();
    return forms;
}

/// The records a form is opened on: those its family's type editor lists (a sub-editor is opened
/// from its type's editor).
inline std::vector<size_t> formRecords(const TypeRecordForm& form, const CTypeDatabase& db)
{
    return typeEditorListing(form.family, db);
}

/// Gives the record exactly these bytes (in the fields its layout lists): a file's flags words
/// are merged into the record's, so they are cleared first.
inline void layRecord(CTypeRecord& record, const Bytes& bytes)
{
    for (const FieldDef& field : record.layout().fields)
        if (field.kind == FieldKind::Flags)
            for (size_t e = 0; e < field.count; ++e)
                record.setIntValue(field, 0, e);
    record.applyFileRecord(FlaggedRecord(bytes));
}

/// An input: the form's index, the index among the records it is opened on, then the record's
/// bytes (cut or padded with zeros to the record's size).
inline constexpr size_t kFormInputHeader = 2;

/// Runs one input; false when a form changed a byte it was not asked to. The record is given back
/// its own bytes afterwards, so every input meets the same type data.
inline bool formRoundTrip(CTypeDatabase& db, std::span<const uint8_t> input)
{
    if (input.size() < kFormInputHeader)
        return true;
    const TypeRecordForm& form = typeRecordForms()[input[0] % typeRecordForms().size()];
    const std::vector<size_t> records = formRecords(form, db);
    if (records.empty())
        return true;
    CTypeRecord& record = *db.table(form.family).recordAt(records[input[1] % records.size()]);
    const Bytes original(record.bytes().begin(), record.bytes().end());
    Bytes loaded(original.size(), 0);
    const auto given = input.subspan(kFormInputHeader);
    std::copy_n(given.begin(), std::min(given.size(), loaded.size()), loaded.begin());
    layRecord(record, loaded);
    const bool kept = form.run(db, record);
    layRecord(record, original);
    return kept;
}

/// A form over a plain target (a placed thing's values, a script page's model): every whole-number
/// and real field is given a value of its storage made from `input` (eight bytes a field, zeros
/// once the input ends) through its own write, then the form is opened on the target and OK'd with
/// no change; false when a field reads back other than it was.
template <class Target>
bool modelRoundTrip(const FormDescription<Target>& description, Target target, std::span<const uint8_t> input)
{
    size_t at = 0;
    auto nextWord = [&] {
        uint64_t word = 0;
        for (int i = 0; i < 8; ++i, ++at)
            word = word << 8 | (at < input.size() ? input[at] : 0);
        return word;
    };
    for (const FieldAccess<Target>& field : description.fields) {
        const FieldValue shape = field.read(target);
        const NumberRange capacity = field.traits.capacity;
        const uint64_t word = nextWord();
        if (std::holds_alternative<int64_t>(shape)) {
            const auto low = int64_t(capacity.low);
            const auto span = uint64_t(int64_t(capacity.high) - low) + 1;
            field.write(target, FieldValue(low + int64_t(span ? word % span : word)));
        } else if (std::holds_alternative<double>(shape)) {
            const double share = double(word >> 11) / double(uint64_t(1) << 53);
            field.write(target, FieldValue(capacity.low + share * (capacity.high - capacity.low)));
        }
    }
    std::vector<FieldValue> before;
    for (const FieldAccess<Target>& field : description.fields)
        before.push_back(field.read(target));
    Form<Target> form(description);
    form.load(target);
    (void)form.store(target);
    for (size_t i = 0; i < description.fields.size(); ++i)
        if (description.fields[i].read(target) != before[i])
            return false;
    return true;
}

} // namespace gr2::test
