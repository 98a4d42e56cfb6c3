#include "forms/TerrainLightGroups.h"

#include "forms/FormRows.h"
#include "forms/RecordFields.h"
#include "typedb/CTerrainType.h"

#include <array>

namespace gr2 {

namespace {

struct LightGroup {
    const char* title;
    int onBit;
    std::array<TypeField, 3> colours;
    std::array<int, 3> ninthBits;
};

/// Adds the group's check box and colours; returns the check box's row.
size_t addGroup(FormDescription<CTypeRecord>& form, const TerrainFieldRoute& route, const LightGroup& light)
{
    namespace F = TerrainField;
    const size_t on = form.add(flagRow(light.title), route(recordFlag(F::Flags, light.onBit)));
    form.row(on).group = light.title;
    const char* labels[] = {"R:", "G:", "B:"};
    for (size_t i = 0; i < 3; ++i) {
        const size_t colour =
            form.add(integerRow(labels[i], 0, 511),
                     route(recordNinthBitValue(light.colours[i], F::Flags, light.ninthBits[i])));
        form.row(colour).group = light.title;
        form.row(colour).enabled = isChecked(on);
    }
    return on;
}

} // namespace

void addTerrainLightGroup(FormDescription<CTypeRecord>& form, const TerrainFieldRoute& route,
                          const char* heightLabel, double heightHigh)
{
    namespace F = TerrainField;
    namespace Flag = TerrainTypeFlag;
    const LightGroup light{
        "Terrain Light",
        Flag::TerrainLightOn,
        {F::TerrainLightRed, F::TerrainLightGreen, F::TerrainLightBlue},
        {Flag::TerrainLightRedNinthBit, Flag::TerrainLightGreenNinthBit, Flag::TerrainLightBlueNinthBit}};
    const size_t on = addGroup(form, route, light);
    const size_t height =
        form.add(realRow(heightLabel, 0, heightHigh), route(recordField(F::TerrainLightHeight)));
    form.row(height).group = light.title;
    form.row(height).enabled = isChecked(on);
}

void addAmbientLightGroup(FormDescription<CTypeRecord>& form, const TerrainFieldRoute& route)
{
    namespace F = TerrainField;
    namespace Flag = TerrainTypeFlag;
    addGroup(
        form, route,
        {"Ambient Light",
         Flag::AmbientLightOn,
         {F::AmbientLightRed, F::AmbientLightGreen, F::AmbientLightBlue},
         {Flag::AmbientLightRedNinthBit, Flag::AmbientLightGreenNinthBit, Flag::AmbientLightBlueNinthBit}});
}

} // namespace gr2
