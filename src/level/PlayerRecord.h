#pragma once
// The 205-byte record of one player in a level's Players file.

#include "worlddata/ByteOrder.h"
#include "worlddata/RecordLayout.h"

namespace gr2 {

class CPlayer;

namespace PlayerRecord {

enum Field : size_t {
    StartingGold,
    Computer,
    Settings,
    SettingsLast,
    FirstTrigger,
    Id,
    CameraX,
    CameraY,
    Name
};

const RecordLayout& layout();
Bytes pack(const CPlayer& player);
/// The stored player id (0 when absent).
uint8_t storedId(const FlaggedRecord& record);
/// Takes name, starting gold, computer flag, first trigger, camera start and settings from the
/// record; a stored name that does not begin with a printable character gives the default name.
void apply(const FlaggedRecord& record, CPlayer& player);

} // namespace PlayerRecord

} // namespace gr2
