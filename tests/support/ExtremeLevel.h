#pragma once
// A level whose stored fields sit at the extremes of their storage, not of the editor's ranges:
// every kind of thing with its bytes at the top or bottom of their width and every flag bit set,
// players with names of the longest length and computer-player blocks of all ones and all zeros,
// a trigger of every kind and an action of every kind with every parameter bit set, and level
// variables and properties at their limits. It stays a level the editor opens: sizes, positions,
// ids and links are kept within what the reader accepts.

#include "level/CWorldEditorDoc.h"

#include <string>

namespace gr2::test {

/// The level, a Vorlan, a creature, an action point and a hero party each hold a trigger of every
/// kind (and an action of every kind under them).
inline constexpr int kEveryKindOwners = 5;

/// Fills a document (which must carry a LevelScript) with the extreme level, saved as `path`.
void buildExtremeLevel(CWorldEditorDoc& doc, const std::string& path);

} // namespace gr2::test
