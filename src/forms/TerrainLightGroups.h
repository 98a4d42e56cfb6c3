#pragma once
// The two light groups of a terrain, which the terrain editor shows on the terrain and the room
// editor on the room's floor: a check box that switches the light on and, enabled only while it
// is checked, the 9-bit red, green and blue (and for the terrain light its height).

#include "forms/Form.h"
#include "typedb/CTypeRecord.h"
#include "typedb/TypeField.h"

#include <functional>

namespace gr2 {

/// Where a terrain field is reached from the form's record: the record itself, or its floor.
using TerrainFieldRoute = std::function<FieldAccess<CTypeRecord>(FieldAccess<CTypeRecord>)>;

/// Adds "Terrain Light" with its colours and, when `heightLabel` is given, its height.
void addTerrainLightGroup(FormDescription<CTypeRecord>& form, const TerrainFieldRoute& route,
                          const char* heightLabel, double heightHigh);
/// Adds "Ambient Light" with its colours.
void addAmbientLightGroup(FormDescription<CTypeRecord>& form, const TerrainFieldRoute& route);

} // namespace gr2
