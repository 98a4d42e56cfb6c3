#include "forms/FormChoices.h"
#include "forms/FormRows.h"
#include "forms/RecordFields.h"
#include "forms/TerrainLightGroups.h"
#include "forms/TypeEditorForms.h"
#include "typedb/CTypeDatabase.h"

#include <array>

namespace gr2 {

namespace {

/// The terrain the room names as its floor; none when it names none or one no terrain has.
CTerrainType* floorOf(CTypeDatabase& types, const CTypeRecord& room)
{
    const int64_t id = room.intValue(RoomField::FloorTerrain);
    return id == 0 ? nullptr : types.terrains().findById(uint32_t(id));
}

/// A field of the room's floor reached from the room. Without a floor it reads 0 and writes
/// nothing; its footprint is none of the room's bytes.
TerrainFieldRoute onFloor(CTypeDatabase& types)
{
    return [&types](FieldAccess<CTypeRecord> field) {
        auto read = field.read;
        auto write = field.write;
        field.read = [&types, read](const CTypeRecord& room) {
            const CTerrainType* floor = floorOf(types, room);
            return floor ? read(*floor) : FieldValue(int64_t(0));
        };
        field.write = [&types, write](CTypeRecord& room, const FieldValue& v) {
            if (CTerrainType* floor = floorOf(types, room))
                write(*floor, v);
        };
        field.footprint.clear();
        return field;
    };
}

/// What storing a room makes of its floor: the fixed values of a room floor, whatever the floor
/// held, so a terrain named as a floor is never mined for gold or mana, nor turned into another.
void normaliseFloor(CTerrainType& floor)
{
    namespace F = TerrainField;
    namespace Flag = TerrainTypeFlag;
    floor.setIntValue(F::GoldValue, 0);
    floor.setIntValue(F::ManaGain, 0);
    floor.setIntValue(F::MaxManaGain, 0);
    uint32_t flags = floor.flags();
    flags &= ~(1u << Flag::Solid | 1u << Flag::Impenetrable | 1u << 3);
    for (int bit = 6; bit <= 14; ++bit)
        flags &= ~(1u << bit);
    flags |= 1u << Flag::Ownable | 1u << Flag::RoomLink;
    floor.setFlags(flags);
    floor.markAsRoomFloor();
}

} // namespace

FormDescription<Bytes> roomObjectsAndEffectsForm(const CTypeDatabase& types)
{
    namespace F = RoomField;
    FormDescription<Bytes> form;
    form.caption = "Modify Objects and Effects";
    form.captionOf = captionNaming("Modify Objects and Effects for Room ", F::Name.def());
    // The first six of each eight; the last two are not shown and keep their values.
    const ChoiceSource objects = FormChoices::fixed(FormChoices::objects(types));
    for (size_t i = 0; i < 6; ++i)
        form.add(typeListRow("Object " + std::to_string(i) + ":", objects), blockField(F::Objects.def(), i));
    const ChoiceSource effects = FormChoices::fixed(FormChoices::effects(types));
    for (size_t i = 0; i < 6; ++i)
        form.add(typeListRow("Effect " + std::to_string(i) + ":", effects), blockField(F::Effects.def(), i));
    return form;
}

FormDescription<CTypeRecord> roomTypeForm(CTypeDatabase& types)
{
    namespace F = RoomField;
    namespace T = TerrainField;
    namespace C = FormChoices;
    namespace Flag = RoomTypeFlag;
    FormDescription<CTypeRecord> form;
    form.caption = "Modify Room Properties";
    form.add(integerRow("&Cost:", 0, 32000), recordField(F::Cost));
    form.add(integerRow("Health Gain:", 0, 32767), recordField(F::HealthGain));
    form.add(realRow("Ceiling Height:", 0, 8000), recordField(F::CeilingHeight));
    form.add(typeListRow("Fight Effect:", C::fixed(C::effects(types))), recordField(F::FightEffect));

    // Not shown: whether the room names a floor terrain that exists. Without one the floor's
    // fields are disabled and nothing is written to any terrain.
    FieldAccess<CTypeRecord> hasFloor;
    hasFloor.traits.capacity = {0, 1};
    hasFloor.read = [&types](const CTypeRecord& room) {
        return FieldValue(int64_t(floorOf(types, room) != nullptr));
    };
    hasFloor.write = [](CTypeRecord&, const FieldValue&) {};
    const size_t floorRow = form.add(flagRow("Floor"), hasFloor);
    form.row(floorRow).visible = never();

    const TerrainFieldRoute route = onFloor(types);
    const size_t firstFloorRow = form.rows.size();
    form.add(integerRow("Max &Health:", 0, 32767), route(recordField(T::MaxHealth)));
    form.add(integerRow("&Initial Health:", 0, 32767), route(recordField(T::StartingHealth)));
    form.add(integerRow("D&amage:", 0, 16000), route(recordField(T::Damage)));
    form.add(integerRow("Wibble H:", 0, 255), route(recordField(T::WibbleH)));
    form.add(integerRow("Wibble V:", 0, 255), route(recordField(T::WibbleV)));
    addTerrainLightGroup(form, route, "Terrain Light Height:", 16000);
    addAmbientLightGroup(form, route);
    for (size_t row = firstFloorRow; row < form.rows.size(); ++row)
        form.row(row).enabled = bothOf(form.row(row).enabled, isChecked(floorRow));

    const char* colours[] = {"R:", "G:", "B:"};
    const std::array<TypeField, 3> torch = {F::TorchRed, F::TorchGreen, F::TorchBlue};
    const std::array<int, 3> ninth = {Flag::TorchRedNinthBit, Flag::TorchGreenNinthBit,
                                      Flag::TorchBlueNinthBit};
    std::vector<size_t> torchRows;
    for (size_t i = 0; i < 3; ++i)
        torchRows.push_back(
            form.add(integerRow(colours[i], 0, 511), recordNinthBitValue(torch[i], F::Flags, ninth[i])));
    // Four fraction bits short of sixteen: the largest height the field holds is just below 8.
    const FieldAccess<CTypeRecord> height = recordField(F::TorchHeight);
    torchRows.push_back(form.add(realRow("Height:", 0, height.traits.capacity.high), height));
    torchRows.push_back(form.add(integerRow("Intensity:", 0, 255), recordField(F::TorchIntensity)));
    torchRows.push_back(form.add(realRow("Radius:", 0, 2.5), recordField(F::TorchRadius)));
    for (size_t row : torchRows)
        form.row(row).group = "Torch Light";

    auto objects = std::make_shared<const FormDescription<Bytes>>(roomObjectsAndEffectsForm(types));
    form.add(subFormRow("Objects && Effects...", objects), recordFieldsOf(*objects));

    // Not shown: storing a room the user edited brings its floor into the fixed form of a room
    // floor; a room OK'd untouched leaves its floor as it is.
    FieldAccess<CTypeRecord> normalise;
    normalise.traits.capacity = {0, 1};
    normalise.read = [](const CTypeRecord&) { return FieldValue(int64_t(0)); };
    normalise.write = [&types](CTypeRecord& room, const FieldValue&) {
        if (CTerrainType* floor = floorOf(types, room))
            normaliseFloor(*floor);
    };
    const size_t normaliseRow = form.add(flagRow("Room Floor"), normalise);
    form.row(normaliseRow).visible = never();
    form.row(normaliseRow).whenInactive = InactiveRule::StoreShown;
    for (size_t row = 0; row < normaliseRow; ++row)
        form.row(row).onEdit = [normaliseRow](FormState& s) { s.assign(normaliseRow, 1); };
    return form;
}

} // namespace gr2
