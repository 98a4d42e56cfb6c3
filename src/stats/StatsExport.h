#pragma once
// The stats text written from the type data: every section the import reads, with its code line
// and one line per type (and the experience-level lines of the creatures, and the world
// variables), so that the designers' spreadsheet can start from the data as it is. Importing the
// export changes nothing: a value the import could not set back exactly is written as "-", which
// the import passes over.

#include <string>

namespace gr2 {

class CTypeDatabase;

/// The whole text, 8-bit (Latin-1), lines ended by carriage return and line feed.
std::string exportStatsText(const CTypeDatabase& types);

} // namespace gr2
