#pragma once
// Small type data sets built in code for tests: single records with chosen ids and flags, a tiny
// global data set with a few types of every family, and raw file records whose every listed
// field holds a distinct non-zero value.

#include "typedb/CTypeDatabase.h"
#include "worlddata/ByteOrder.h"

#include <string>

namespace gr2::test {

/// A new record of the family with an id and a name.
std::unique_ptr<CTypeRecord> makeType(TypeFamily family, uint16_t id, const std::string& name);

/// Appends a record and returns it, typed.
template <class T> T& addType(TypeTable<T>& table, uint16_t id, const std::string& name)
{
    table.appendRecord(makeType(T::kFamily, id, name));
    return *table.at(table.count() - 1);
}

/// A few types of every family, with the ids and flags the default-availability and elite rules
/// look at:
///  terrains 1 "Rock", 2 "Path", 10 "Treasury Floor" (room floor); rooms 1 "Treasury" (buildable,
///  floor 10), 12 "Portal" (not buildable), 13 "Good Room" (not buildable); creatures 1 "Imp",
///  2 "Knight" (good), 3 "Warlock" (portal), 20 "Elite Warlock" (elite of 3); doors 1 "Wooden",
///  2 "Good Door" (good); traps 1 "Sentry" (shot 1), 2 "Door Trap", 3 "Good Trap"; objects 1
///  "Gold"; Vorlan spells 1 "Lightning" (shot 1), 14 "Hidden"; creature spells 1 "Fireball"
///  (shot 1); shots 1 "Bolt"; effects 300 "Smoke"; effect elements 400 "Puff".
void buildSmallTypeData(CTypeDatabase& db);

/// A file record of the family whose listed fields all hold distinct non-zero bytes (text fields
/// hold a NUL-terminated text shorter than the field), and whose unlisted bytes hold `filler`.
/// The first byte pattern depends on `seed`, so two records differ.
Bytes distinctFileRecord(TypeFamily family, uint8_t seed, uint8_t filler = 0);

} // namespace gr2::test
