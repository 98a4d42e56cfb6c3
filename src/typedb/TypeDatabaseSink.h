#pragma once
// The reader entries that fill the type database from a file: header entries that keep the file's
// creation time, record entries that build a record from every field present and append it, the
// variable entries and the Camera thing entry.

#include "typedb/TypeFamily.h"
#include "worlddata/RecordSink.h"

namespace gr2 {

class CTypeDatabase;

/// Fills the header and record entries of one family. Entries already filled stay as they are.
void fillTypeSink(RecordSink& sink, CTypeDatabase& db, TypeFamily family);
/// Fills the entries of all eleven families.
void fillAllTypeSinks(RecordSink& sink, CTypeDatabase& db);
/// Fills the variable header and record entries and, when asked, the Camera thing entry.
void fillVariableSink(RecordSink& sink, CTypeDatabase& db, bool withCameraModes);

} // namespace gr2
