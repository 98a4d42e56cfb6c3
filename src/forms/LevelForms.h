#pragma once
// The dialogs of the level's own data: "Level Information" (its name and descriptive texts) and
// "Modify Level Text / Speech Ids" (the text and speech identifiers the game plays for it). Each
// edits a copy of the level's properties, which the caller puts back as one step.

#include "forms/Form.h"
#include "level/LevelProperties.h"

namespace gr2 {

class CTypeDatabase;

/// Lengths the level's text fields store, the terminator left out.
namespace LevelTextLimits {
inline constexpr size_t kName = LevelProperties::kNameLength;
inline constexpr size_t kDescription = LevelProperties::kDescriptionLength;
inline constexpr size_t kAuthor = 63;
inline constexpr size_t kEmail = 63;
inline constexpr size_t kInformation = 1023;
inline constexpr size_t kSoundCategory = 31;
inline constexpr size_t kAlternativeTerrainPath = 31;
inline constexpr size_t kLordOfTheLand = 31;
} // namespace LevelTextLimits

/// "Level Information": "Level &Name:" (shown, not edited), "&Description:", "&Author Name:",
/// "&E-mail Address:" and "&Information:".
FormDescription<LevelProperties> levelInformationForm();

/// "Modify Level Text / Speech Ids": the seven text ids, the eight introduction overrides (a
/// creature type and the text id that only a chosen type takes) and the five speech ids.
FormDescription<LevelProperties> levelTextIdsForm(const CTypeDatabase& types);

} // namespace gr2
