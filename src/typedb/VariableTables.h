#pragma once
// The fixed data behind CGlobalVariables: the name table, the built-in defaults and the ids a
// level may override.

#include "typedb/CGlobalVariables.h"

namespace gr2::VariableTables {

struct DefaultValue {
    uint32_t id;
    double value;
};

extern const VariableName kNames[];
extern const size_t kNameCount;
extern const DefaultValue kDefaults[];
extern const size_t kDefaultCount;
extern const uint32_t kOverridable[kOverridableVariableCount];

} // namespace gr2::VariableTables
