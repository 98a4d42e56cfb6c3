// Must not compile: a handle whose name or offset disagrees with its family's table. Built by the
// TypeFieldRejects* tests with one of the cases defined; each expects the build error that names
// the mistake.

#include "typedb/DoorField.h"

namespace gr2 {

#if defined(UNKNOWN_NAME)
constexpr TypeField kMisspelt = DoorField::named("goldCosts", 558);
#elif defined(WRONG_OFFSET)
constexpr TypeField kMoved = DoorField::named("goldCost", 556);
#else
constexpr TypeField kRight = DoorField::named("goldCost", 558); // the control: compiles
#endif

} // namespace gr2
