#pragma once
// A handle to one field of a type family's record: the family and the field's place in the
// family's field table. Each family's header makes its handles at compile time from the field's
// name and offset, so a misspelt name, or a table edit that moves a field code relies on, stops
// the build; at run time a handle reaches its FieldDef by index. Code, the stats rules and the
// editors' form rows hold handles; names are left to the dump and the stats codes.

#include "typedb/TypeFamily.h"
#include "worlddata/RecordLayout.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace gr2 {

struct TypeField {
    TypeFamily family = TypeFamily::Terrain;
    uint16_t index = 0; ///< place in layoutOf(family).fields

    const FieldDef& def() const { return layoutOf(family).fields[index]; }
    std::string_view name() const { return def().name; }

    bool operator==(const TypeField&) const = default;
};

/// The handle of the field of `table` called `name`, which must start at `offset`. Only evaluated
/// while compiling: a name the table lacks or an offset it disagrees with is a build error.
template <size_t N>
consteval TypeField makeTypeField(TypeFamily family, const FieldDef (&table)[N], std::string_view name,
                                  uint32_t offset)
{
    static_assert(N <= 0xFFFF, "a handle holds a 16-bit field index");
    for (size_t i = 0; i < N; ++i) {
        if (table[i].name != name)
            continue;
        if (table[i].offset != offset)
            throw "the field does not start at the offset the handle names";
        return TypeField{family, uint16_t(i)};
    }
    throw "the table has no field of the name the handle names";
}

} // namespace gr2
