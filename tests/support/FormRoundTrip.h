#pragma once
// Loading a record into a form and storing it back without a user change must leave every byte of
// the type data as it was. The input picks a form and a record of the sample types and gives the
// record's bytes; the table below lists every form the check covers, so a new form is one line.
// Header-only: the form fuzz target and the core suites share it.

#include "forms/CreatureTypeForm.h"
#include "forms/Form.h"
#include "forms/TypeEditorForms.h"
#include "typedb/CTypeDatabase.h"
#include "typedb/CTypeRecord.h"
#include "typedb/TypeTable.h"
#include "worlddata/RecordLayout.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
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

/// A form over a block of bytes (a sub-editor's copy of a record, a player's computer settings),
/// opened on `block` and OK'd: every byte stays as it was.
inline bool bytesRoundTrip(const FormDescription<Bytes>& description, Bytes block)
{
    const Bytes before = block;
    Form<Bytes> form(description);
    form.load(block);
    (void)form.store(block);
    return block == before;
}

/// A sub-editor over a copy of the record's bytes, opened and OK'd: the copy stays as it was.
inline bool subEditorKeepsBytes(const FormDescription<Bytes>& description, const CTypeRecord& record)
{
    return bytesRoundTrip(description, Bytes(record.bytes().begin(), record.bytes().end()));
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
        list.push_back({"creature attacks", TypeFamily::Creature, [](CTypeDatabase& db, CTypeRecord& r) {
                            return subEditorKeepsBytes(creatureAttacksForm(db), r);
                        }});
        list.push_back({"creature resistances", TypeFamily::Creature, [](CTypeDatabase&, CTypeRecord& r) {
                            return subEditorKeepsBytes(creatureResistancesForm(), r);
                        }});
        list.push_back({"creature first person", TypeFamily::Creature, [](CTypeDatabase&, CTypeRecord& r) {
                            return subEditorKeepsBytes(creatureFirstPersonForm(), r);
                        }});
        list.push_back({"creature jobs", TypeFamily::Creature, [](CTypeDatabase&, CTypeRecord& r) {
                            return subEditorKeepsBytes(creatureJobsForm(), r);
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

/// Reads an input as the values of fields: eight bytes a word, zeros once the input ends.
class InputWords {
public:
    explicit InputWords(std::span<const uint8_t> input) : m_input(input) {}
    uint64_t next()
    {
        uint64_t word = 0;
        for (int i = 0; i < 8; ++i, ++m_at)
            word = word << 8 | byte(m_at);
        return word;
    }
    uint8_t nextByte() { return byte(m_at++); }
    /// A whole number of the range, both ends included.
    int64_t within(double low, double high)
    {
        // Unsigned arithmetic: a field of 64 bits spans every word.
        const uint64_t from = uint64_t(whole(low));
        const uint64_t span = uint64_t(whole(high)) - from + 1;
        const uint64_t word = next();
        return int64_t(from + (span ? word % span : word));
    }

private:
    /// A bound as a whole number; 2^63 (what a double makes of the largest one) is the largest.
    static int64_t whole(double bound)
    {
        if (bound >= 9223372036854775807.0)
            return std::numeric_limits<int64_t>::max();
        if (bound <= -9223372036854775808.0)
            return std::numeric_limits<int64_t>::min();
        return int64_t(bound);
    }
    uint8_t byte(size_t at) const { return at < m_input.size() ? m_input[at] : 0; }
    std::span<const uint8_t> m_input;
    size_t m_at = 0;
};

/// The byte patterns records are filled with: the extremes of every storage width and sign, and a
/// pattern that gives neighbouring fields different values. `fill(i)` is the byte at offset i.
struct ByteFilling {
    const char* name;
    uint8_t (*fill)(size_t);
};
inline constexpr ByteFilling kByteFillings[] = {
    {"zeros", [](size_t) { return uint8_t(0); }},
    {"all bits set", [](size_t) { return uint8_t(0xFF); }},
    {"signed extremes", [](size_t i) { return uint8_t(i % 2 ? 0x80 : 0x7F); }},
    {"largest unsigned words", [](size_t i) { return uint8_t(i % 4 == 3 ? 0x7F : 0xFF); }},
    {"a counting pattern", [](size_t i) { return uint8_t(i * 37 + 11); }},
};

/// `size` bytes of the filling.
inline Bytes filledBytes(size_t size, const ByteFilling& filling)
{
    Bytes bytes(size);
    for (size_t i = 0; i < size; ++i)
        bytes[i] = filling.fill(i);
    return bytes;
}

/// Gives every field of a plain target a value of its storage made from the input, through the
/// field's own write: whole numbers and reals anywhere in what the field holds, text of up to a
/// few hundred characters of any byte (lossy where the field converts it), blocks of their own
/// size. Answers what each field reads back afterwards, which is what the target holds.
template <class Target>
std::vector<FieldValue> fillFields(const std::vector<FieldAccess<Target>>& fields, Target& target,
                                   std::span<const uint8_t> input)
{
    InputWords words(input);
    for (const FieldAccess<Target>& field : fields) {
        const FieldValue shape = field.read(target);
        const NumberRange capacity = field.traits.capacity;
        if (std::holds_alternative<int64_t>(shape)) {
            field.write(target, FieldValue(words.within(capacity.low, capacity.high)));
        } else if (std::holds_alternative<double>(shape)) {
            const double share = double(words.next() >> 11) / double(uint64_t(1) << 53);
            field.write(target, FieldValue(capacity.low + share * (capacity.high - capacity.low)));
        } else if (std::holds_alternative<std::string>(shape)) {
            std::string text(words.nextByte() * 4u, ' ');
            for (char& c : text)
                c = char(words.nextByte());
            field.write(target, FieldValue(std::move(text)));
        } else if (const auto* block = std::get_if<Bytes>(&shape)) {
            Bytes bytes(block->size());
            for (uint8_t& b : bytes)
                b = words.nextByte();
            field.write(target, FieldValue(std::move(bytes)));
        }
    }
    std::vector<FieldValue> held;
    for (const FieldAccess<Target>& field : fields)
        held.push_back(field.read(target));
    return held;
}

/// A form over a plain target (a placed thing's values, a script page's model, a level's
/// properties): every field is given a value of its storage made from `input` (fillFields), then
/// the form is opened on the target and OK'd with no change; false when a field reads back other
/// than it was.
template <class Target>
bool modelRoundTrip(const FormDescription<Target>& description, Target target, std::span<const uint8_t> input)
{
    const std::vector<FieldValue> before = fillFields(description.fields, target, input);
    Form<Target> form(description);
    form.load(target);
    (void)form.store(target);
    for (size_t i = 0; i < description.fields.size(); ++i)
        if (description.fields[i].read(target) != before[i])
            return false;
    return true;
}

} // namespace gr2::test
