#pragma once
// Reads a world-data file section by section and hands every record, converted to the current
// layout, to a RecordSink. Failures are reported through the Reporter block, section, file.

#include "worlddata/RecordSink.h"

#include <filesystem>
#include <string>
#include <vector>

namespace gr2 {

class Reporter;

/// Opens a world file by name: a name with a three-letter extension is the path; otherwise
/// name.VWD, name.VLF and name.VLD are tried in that order (case-insensitively). Only VWD and VLD
/// files are read; any other extension fails without a message.
bool OpenWorldFile(const std::string& name, const RecordSink& sink, Reporter& reporter);

/// Reads the file at path (relative paths start at the base directory) into the sink.
bool ReadSectionFile(const std::filesystem::path& path, const RecordSink& sink, Reporter& reporter);

/// Reads sections held in memory (a level's records kept by its history) into the sink.
bool ReadSectionBytes(std::vector<uint8_t> bytes, const RecordSink& sink, Reporter& reporter);

} // namespace gr2
