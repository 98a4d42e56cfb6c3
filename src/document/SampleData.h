#pragma once
// The bundled sample data set, made entirely by our own code: the eleven global type files with a
// type for every id the editor gives a fixed role, "GlobalVariables.vwd", the icon sheets, the
// thumbnail colour table, the reserved level names and a sample level under "Maps/".

#include <filesystem>
#include <string>
#include <vector>

namespace gr2 {

class CTypeDatabase;
class Prompter;

/// Fills an empty database with the sample types (global variables and camera modes at their
/// built-in defaults).
void buildSampleTypes(CTypeDatabase& db);

/// Writes the whole data set into dir (created when missing). Returns the files that could not be
/// written (empty on success).
std::vector<std::string> writeSampleData(const std::filesystem::path& dir);

} // namespace gr2
