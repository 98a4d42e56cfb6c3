#pragma once
// `gr2tool dump FILE`: any world-data file as JSON, section by section.

#include <iosfwd>
#include <string>

namespace gr2 {

class Prompter;

/// Reads the file and writes its JSON to out; false when the read failed (messages were given).
bool runDump(const std::string& file, std::ostream& out, Prompter& prompter);

} // namespace gr2
