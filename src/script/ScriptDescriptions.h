#pragma once
// The one-line text of every trigger and action, as the script tree shows it, the tree export
// writes it and Find searches it. The builders are pure functions of the object, the level (player
// names, the level's gem) and the global type data (type names); they keep no state.

#include <cstdint>
#include <string>
#include <string_view>

namespace gr2 {

class CAction;
class CTrigger;
class CTypeDatabase;
class CWorldEditorDoc;
enum class TypeFamily : uint8_t;

/// The text of a trigger, without the "When " the tree puts before it. A kind outside the table
/// gives an empty line.
std::u16string describeTrigger(const CTrigger& trigger, const CWorldEditorDoc& doc, const CTypeDatabase& db);
/// The text of an action. A kind outside the table gives an empty line.
std::u16string describeAction(const CAction& action, const CWorldEditorDoc& doc, const CTypeDatabase& db);

// --- the names the lines are made of --------------------------------------------------------------

/// Widens 8-bit record text (type and player names) byte by byte, as Latin-1.
std::u16string latin1ToUtf16(std::string_view text);
/// The name of the level's player with the id; empty when the level has no such player.
std::u16string scriptPlayerName(const CWorldEditorDoc& doc, uint8_t id);
/// The name of the first type of the family with the id; empty when there is none.
std::u16string scriptTypeName(const CTypeDatabase& db, TypeFamily family, uint8_t id);
/// The type family a button category names (1 room .. 5 Vorlan spell); false for the Misc
/// Button category and for codes above 5.
bool buttonCategoryFamily(uint8_t category, TypeFamily& family);
/// "Misc Button", "Room", ... "Vorlan Spell"; empty for a code above 5.
std::u16string_view buttonCategoryName(uint8_t category);
/// The name of a Misc Button id; empty for an id the list does not hold.
std::u16string_view miscButtonName(uint8_t id);
/// The name of a creature objective code as descriptions show it: looked up by position, one place
/// earlier above code 20 (so 21 shows "Tunnelling"); empty past the end of the list.
std::u16string_view objectiveDisplayName(uint8_t code);
/// Whether the terrain type with the id is ownable; false when there is no such type.
bool terrainIsOwnable(const CTypeDatabase& db, uint8_t terrainId);

/// Decimal text of a number, as "%u" and "%d" print it.
std::u16string decimal(uint32_t value);
std::u16string signedDecimal(int32_t value);
/// Plain ASCII text as UTF-16.
std::u16string ascii(std::string_view text);

} // namespace gr2
