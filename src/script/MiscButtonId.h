#pragma once
// The interface buttons of the Misc Button category, which have no type behind them.

#include "script/CodeName.h"

#include <span>

namespace gr2 {

/// The buttons in the order the editors list them: "Null" (0), then 255 down to 241.
std::span<const CodeName> miscButtonIds();

} // namespace gr2
