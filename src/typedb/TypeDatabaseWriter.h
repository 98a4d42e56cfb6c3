#pragma once
// Writing the global type data: one section per family in table order and "GlobalVariables.vwd"
// (the Variable section, then the camera modes as a Thing section of Camera items). The append
// functions build the bytes; the write functions put them on disk through writeFileAtomically.

#include "typedb/TypeFamily.h"
#include "worlddata/AtomicFile.h"
#include "worlddata/ByteOrder.h"
#include "worlddata/DateStamp.h"

#include <filesystem>

namespace gr2 {

class CTypeDatabase;

/// Appends the family's section: the kept creation time (or `saved` where no file was read), the
/// time of saving, and the records in table order as fileRecord() gives them.
void appendFamilySection(Bytes& out, const CTypeDatabase& db, TypeFamily family, const DateStamp& saved);
/// Appends the Variable section and the camera-mode Thing section (both times `saved`).
void appendVariablesFile(Bytes& out, const CTypeDatabase& db, const DateStamp& saved);

/// The family's file: just its section.
WriteResult writeFamilyFile(const std::filesystem::path& path, const CTypeDatabase& db, TypeFamily family,
                            const DateStamp& saved = DateStamp::now());
WriteResult writeVariablesFile(const std::filesystem::path& path, const CTypeDatabase& db,
                               const DateStamp& saved = DateStamp::now());

} // namespace gr2
