#pragma once
// The toolbar button pictures, drawn in code so that the program carries no borrowed artwork.

#include "ui/EditorCommand.h"

#include <QIcon>

namespace gr2 {

/// A 32 × 32 icon for a toolbar command (an empty icon for commands without a button).
QIcon toolbarIcon(EditorCommand command);

} // namespace gr2
