#include "app/PaletteLayout.h"

#include "typedb/CTypeDatabase.h"

#include <algorithm>

namespace gr2 {

namespace {

bool isExcludedTerrain(uint8_t id)
{
    return id == 27 || id == 30 || id == 31 || id == 38;
}
bool isRoomWithoutButton(uint8_t terrain)
{
    return terrain == 29 || terrain == 34 || terrain == 39 || terrain == 41;
}

/// The existing ids of a table in ascending order.
template <class Table> std::vector<uint8_t> idsInOrder(const Table& table)
{
    std::vector<uint8_t> ids;
    for (int id = 1; id <= 255; ++id)
        if (table.findById(uint32_t(id)))
            ids.push_back(uint8_t(id));
    return ids;
}

void addRow(PalettePageContents& c, TypeKind kind, const std::vector<uint8_t>& ids, int row)
{
    int column = 0;
    for (uint8_t id : ids)
        c.items.push_back({kind, id, row, column++});
}

/// A thing beside its crate object, column by column; a missing crate leaves its cell empty.
template <class Table, class Keep>
void addThingsWithCrates(PalettePageContents& c, const CTypeDatabase& types, const Table& table,
                         TypeKind kind, Keep keep)
{
    std::vector<uint8_t> things;
    for (uint8_t id : idsInOrder(table))
        if (keep(*table.findById(id)))
            things.push_back(id);
    addRow(c, kind, things, 0);
    for (size_t i = 0; i < things.size(); ++i) {
        const uint8_t crate = uint8_t(table.findById(things[i])->crateObject());
        if (crate != 0 && types.objects().findById(crate))
            c.items.push_back({TypeKind::Object, crate, 1, int(i)});
    }
}

int rowLength(const PalettePageContents& c, int row)
{
    int length = 0;
    for (const PaletteItem& item : c.items)
        if (item.row == row)
            length = std::max(length, item.column + 1);
    return length;
}

} // namespace

const char* palettePageTitle(PalettePage page)
{
    switch (page) {
    case PalettePage::Terrain:
        return "Terrain";
    case PalettePage::Rooms:
        return "Rooms";
    case PalettePage::Creatures:
        return "Creatures";
    case PalettePage::Doors:
        return "Doors";
    case PalettePage::Traps:
        return "Traps";
    case PalettePage::Objects:
        return "Objects";
    }
    return "";
}

TypeKind paletteHostKind(PalettePage page)
{
    return TypeKind(uint8_t(page) + 2);
}

const char* paletteDeleteText(PalettePage page)
{
    switch (page) {
    case PalettePage::Creatures:
        return "Delete Creature";
    case PalettePage::Doors:
        return "Delete Door";
    case PalettePage::Traps:
        return "Delete Trap";
    case PalettePage::Objects:
        return "Delete Object";
    default:
        return nullptr;
    }
}

const char* paletteShowText(PalettePage page)
{
    switch (page) {
    case PalettePage::Creatures:
        return "&Show Creatures";
    case PalettePage::Doors:
        return "&Show Doors";
    case PalettePage::Traps:
        return "&Show Traps";
    case PalettePage::Objects:
        return "&Show Objects";
    default:
        return nullptr;
    }
}

PalettePageContents buildPalettePage(const CTypeDatabase& types, PalettePage page)
{
    PalettePageContents c;
    c.page = page;
    switch (page) {
    case PalettePage::Terrain: {
        std::vector<uint8_t> ids;
        for (const CTerrainType& t : types.terrains())
            if (!t.isRoomFloor() && !isExcludedTerrain(uint8_t(t.id())))
                ids.push_back(uint8_t(t.id()));
        addRow(c, TypeKind::Terrain, ids, 0);
        if (c.items.size() > 1)
            c.initialSelection = 1;
        else if (!c.items.empty())
            c.initialSelection = 0;
        return c;
    }
    case PalettePage::Rooms: {
        std::vector<uint8_t> roomIds = {5, 3};
        for (uint8_t id : idsInOrder(types.rooms()))
            if (id != 1 && id != 2 && id != 3 && id != 5 &&
                !types.rooms().findById(id)->hasFlag(RoomTypeFlag::IsGood))
                roomIds.push_back(id);
        std::vector<uint8_t> terrains;
        for (uint8_t id : roomIds) {
            const CRoomType* room = types.rooms().findById(id);
            if (!room)
                continue;
            const uint8_t floor = room->floorTerrainId();
            if (floor != 0 && !isRoomWithoutButton(floor))
                terrains.push_back(floor);
        }
        addRow(c, TypeKind::Terrain, terrains, 0);
        break;
    }
    case PalettePage::Creatures: {
        std::vector<uint8_t> evil, good;
        for (uint8_t id : idsInOrder(types.creatures())) {
            const CCreatureType& t = *types.creatures().findById(id);
            if (t.isEliteVariant() || id == 46)
                continue;
            (t.hasFlag1(CreatureFlag1::IsEvil) ? evil : good).push_back(id);
        }
        addRow(c, TypeKind::Creature, evil, 0);
        addRow(c, TypeKind::Creature, good, 1);
        c.deleteColumn = std::max(rowLength(c, 0), rowLength(c, 1));
        break;
    }
    case PalettePage::Doors:
        addThingsWithCrates(c, types, types.doors(), TypeKind::Door,
                            [](const CDoorType& d) { return !d.isGood(); });
        // A longer row than six would run under the button, so it moves along.
        c.deleteColumn = std::max(6, rowLength(c, 0));
        break;
    case PalettePage::Traps:
        addThingsWithCrates(c, types, types.traps(), TypeKind::Trap,
                            [](const CTrapType& t) { return !t.isDoorTrap() && !t.isGood(); });
        c.deleteColumn = std::max(12, rowLength(c, 0));
        break;
    case PalettePage::Objects: {
        std::vector<uint8_t> normal, special;
        for (const CObjectType& o : types.objects()) {
            if (!o.hasFlag(ObjectTypeFlag::Placeable) || o.hasFlag(ObjectTypeFlag::Crate))
                continue;
            (o.hasFlag(ObjectTypeFlag::Special) ? special : normal).push_back(uint8_t(o.id()));
        }
        addRow(c, TypeKind::Object, normal, 0);
        addRow(c, TypeKind::Object, special, 1);
        c.deleteColumn = std::max(rowLength(c, 0), rowLength(c, 1));
        break;
    }
    }
    // Every page starts with a choice made, so that switching to a page and clicking on the map
    // places its first type rather than silently removing things.
    if (!c.items.empty())
        c.initialSelection = 0;
    return c;
}

int paletteButtonSide(int screenWidth, PalettePage page)
{
    static constexpr int kDivisors[] = {12, 19, 19, 9, 15, 17};
    const int side = screenWidth / kDivisors[size_t(page)] - 5;
    return std::clamp(side, 16, 50);
}

int paletteColumns(PalettePage page)
{
    switch (page) {
    case PalettePage::Terrain:
        return 11;
    case PalettePage::Rooms:
        return 18;
    default:
        return 0;
    }
}

PalettePoint palettePosition(PalettePage page, const PaletteItem& item, int side)
{
    const int step = side + 5;
    if (const int columns = paletteColumns(page); columns > 0) {
        const int column = item.column % columns;
        const int row = item.column / columns;
        return {7 + column * step, 12 + row * step};
    }
    return {7 + item.column * step, item.row == 0 ? 12 : side + 17};
}

PalettePoint paletteDeletePosition(const PalettePageContents& contents, int side)
{
    return {7 + contents.deleteColumn.value_or(0) * (side + 5), 12};
}

uint8_t slabForOwner(uint8_t slab, bool goodOwner)
{
    if (goodOwner && slab == 26)
        return 36;
    if (!goodOwner && slab == 36)
        return 26;
    return slab;
}

} // namespace gr2
