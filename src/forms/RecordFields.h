#pragma once
// Form fields of type records, made from the families' compile-time field handles, and of blocks
// inside a record (a light descriptor) made from the block's field table.

#include "forms/FieldAccess.h"
#include "forms/Form.h"
#include "typedb/CTypeRecord.h"
#include "typedb/TypeField.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace gr2 {

/// What a stored field can hold: its width and sign, and the fixed-point scale of a real.
NumberTraits fieldTraits(const FieldDef& field);

/// The field (`element` of an array) as a number (whole or real, by its kind), a text, or a
/// block of bytes.
FieldAccess<CTypeRecord> recordField(TypeField field, size_t element = 0);
/// One bit of a flags word: 0 or 1.
FieldAccess<CTypeRecord> recordFlag(TypeField flags, int bit);
/// A choice among bits of a flags word of which at most one may be set: the value is the word's
/// bits among `bits` (a choice's bitChoiceValue when exactly one is set, 0 when none is, a mix no
/// choice stands for otherwise); storing clears them all and sets the chosen one.
FieldAccess<CTypeRecord> recordBitChoice(TypeField flags, std::initializer_list<int> bits);
/// The value that recordBitChoice gives a bit.
constexpr int64_t bitChoiceValue(int bit)
{
    return int64_t(1) << bit;
}

/// A 9-bit value of a record: the low eight bits in a byte field, the ninth in a bit of a flags word.
FieldAccess<CTypeRecord> recordNinthBitValue(TypeField lowByte, TypeField flags, int ninthBit);

/// Fields of the record that a sub-form edits ("Effects...") on a copy of the record's bytes: the
/// value is the whole record; storing writes back only the bytes and bits the sub-form's rows
/// cover, so what the main form's rows wrote and every other byte stay as they are.
FieldAccess<CTypeRecord> recordFieldsOf(const FormDescription<Bytes>& subForm);

/// A field of a block (its offsets counted from the block's start); `element` of an array.
FieldAccess<Bytes> blockField(const FieldDef& field, size_t element = 0);
/// One bit of a block's flags word.
FieldAccess<Bytes> blockFlag(const FieldDef& flags, int bit);
/// A choice among bits of a block's flags word, as recordBitChoice.
FieldAccess<Bytes> blockBitChoice(const FieldDef& flags, std::initializer_list<int> bits);
/// The caption `prefix` followed by the block's name (the record's name field) in double quotes.
std::function<std::string(const Bytes&)> captionNaming(std::string prefix, const FieldDef& name);
/// A 9-bit value: the low eight bits in a byte field, the ninth in a bit of a flags word.
FieldAccess<Bytes> blockNinthBitValue(const FieldDef& lowByte, const FieldDef& flags, int ninthBit);

} // namespace gr2
