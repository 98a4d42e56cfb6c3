#include "level/PlayerRecord.h"

#include "level/CPlayer.h"
#include "worlddata/SectionIds.h"

#include <algorithm>

namespace gr2::PlayerRecord {

namespace {

constexpr FieldDef kFields[] = {
    {"startingGold", 0, 4, FieldKind::Int},       {"computer", 4, 4, FieldKind::UInt},
    {"computerSettings", 8, 156, FieldKind::Raw}, {"computerSettingsLast", 164, 2, FieldKind::UInt},
    {"firstTrigger", 166, 2, FieldKind::Int},     {"id", 168, 1, FieldKind::UInt},
    {"cameraX", 169, 2, FieldKind::UInt},         {"cameraY", 171, 2, FieldKind::UInt},
    {"name", 173, 32, FieldKind::Text},
};

const RecordLayout kLayout{"Player", RecordSize::Player, kFields};

} // namespace

const RecordLayout& layout()
{
    return kLayout;
}

Bytes pack(const CPlayer& player)
{
    Bytes rec(kLayout.size, 0);
    std::span<uint8_t> r(rec);
    setIntField(r, kFields[StartingGold], player.startingGold());
    setIntField(r, kFields[Computer], player.isComputer() ? 1 : 0);
    std::copy(player.computerSettings().begin(), player.computerSettings().end(),
              rec.begin() + kFields[Settings].offset);
    setIntField(r, kFields[SettingsLast], player.computerSettingsLastValue());
    setIntField(r, kFields[FirstTrigger], player.firstTrigger());
    setIntField(r, kFields[Id], player.id());
    setIntField(r, kFields[CameraX], player.cameraStart().x);
    setIntField(r, kFields[CameraY], player.cameraStart().y);
    setTextField(r, kFields[Name], player.name());
    return rec;
}

uint8_t storedId(const FlaggedRecord& record)
{
    if (!record.present(kLayout, kFields[Id]))
        return 0;
    return uint8_t(getIntField(record.bytes(), kFields[Id]));
}

void apply(const FlaggedRecord& record, CPlayer& player)
{
    std::span<const uint8_t> r = record.bytes();
    auto has = [&](Field f) { return record.present(kLayout, kFields[f]); };
    if (has(Name)) {
        std::string name = getTextField(r, kFields[Name]);
        player.setName(!name.empty() && uint8_t(name[0]) > 31 ? name : CPlayer::defaultName(player.id()));
    }
    if (has(StartingGold))
        player.setStartingGold(int32_t(getIntField(r, kFields[StartingGold])));
    if (has(Computer))
        player.setComputer(getIntField(r, kFields[Computer]) != 0);
    if (has(FirstTrigger))
        player.setFirstTrigger(int16_t(getIntField(r, kFields[FirstTrigger])));
    TilePoint camera = player.cameraStart();
    if (has(CameraX))
        camera.x = int32_t(getIntField(r, kFields[CameraX]));
    if (has(CameraY))
        camera.y = int32_t(getIntField(r, kFields[CameraY]));
    player.setCameraStart(camera);
    if (has(Settings) && r.size() >= kFields[Settings].end())
        std::copy_n(r.begin() + kFields[Settings].offset, kComputerSettingsSize,
                    player.computerSettings().begin());
    if (has(SettingsLast))
        player.setComputerSettingsLastValue(uint16_t(getIntField(r, kFields[SettingsLast])));
}

} // namespace gr2::PlayerRecord
