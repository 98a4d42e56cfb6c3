#pragma once
// How a form row reaches the value it edits in its target: a read and a write, what the field can
// hold, and which bytes and bits of a record it covers. Rows of type records are made from the
// compile-time field handles (RecordFields.h); rows of other targets from their members.

#include "forms/FormRow.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

namespace gr2 {

/// Bytes of a record a field covers; `bits` limits it to some bits of them (0: all of them).
struct FieldFootprint {
    uint32_t offset = 0;
    uint32_t width = 0;
    uint32_t bits = 0;
};

template <class Target> struct FieldAccess {
    std::function<FieldValue(const Target&)> read;
    std::function<void(Target&, const FieldValue&)> write;
    NumberTraits traits;
    /// Empty for targets that are not a record's bytes.
    std::vector<FieldFootprint> footprint;
};

/// A row that stores nothing: a chooser that only picks what other rows show, a button. It reads
/// `shown`, and what the user enters there is dropped.
template <class Target> FieldAccess<Target> unstoredField(FieldValue shown = FieldValue(int64_t(0)))
{
    FieldAccess<Target> access;
    access.read = [shown](const Target&) { return shown; };
    access.write = [](Target&, const FieldValue&) {};
    return access;
}

/// The whole number a stored value stands for (reals truncated, text and blocks 0).
inline int64_t integerOf(const FieldValue& value)
{
    if (const auto* i = std::get_if<int64_t>(&value))
        return *i;
    if (const auto* d = std::get_if<double>(&value))
        return int64_t(*d);
    return 0;
}

/// What an integer type holds.
template <class T> NumberTraits integerTraits()
{
    NumberTraits traits;
    traits.capacity = {double(std::numeric_limits<T>::min()), double(std::numeric_limits<T>::max())};
    traits.isUnsigned = !std::numeric_limits<T>::is_signed;
    return traits;
}

/// A whole-number member of a plain target, reached through a getter and a setter.
template <class Target, class T>
FieldAccess<Target> integerAccess(std::function<T(const Target&)> get, std::function<void(Target&, T)> set)
{
    FieldAccess<Target> access;
    access.read = [get](const Target& t) { return FieldValue(int64_t(get(t))); };
    access.write = [set](Target& t, const FieldValue& v) { set(t, T(integerOf(v))); };
    access.traits = integerTraits<T>();
    return access;
}

/// A whole-number data member of a plain target.
template <class Target, class T> FieldAccess<Target> memberAccess(T Target::*member)
{
    return integerAccess<Target, T>([member](const Target& t) { return t.*member; },
                                    [member](Target& t, T v) { t.*member = v; });
}

} // namespace gr2
