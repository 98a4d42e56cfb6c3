#pragma once
// A door type. Its icon index is the "#N" number in the name of its ArtResource at 200.

#include "typedb/CTypeRecord.h"
#include "typedb/DoorField.h"

namespace gr2 {

namespace DoorTypeFlag {
inline constexpr int Secret = 5;
inline constexpr int Barricade = 6;
inline constexpr int Good = 7;
} // namespace DoorTypeFlag

class CDoorType : public CTypeRecord {
public:
    static constexpr TypeFamily kFamily = TypeFamily::Door;
    static const RecordLayout& fileLayout();

    CDoorType() : CTypeRecord(kFamily) {}

    int iconIndex() const override { return iconFromHashName(DoorField::IconResource); }
    void setIconIndex(int index) override { setIconInHashName(DoorField::IconResource, index); }
    bool isGood() const { return hasFlag(DoorTypeFlag::Good); }
    /// The object type a door is boxed in before it is built; 0 = none.
    uint8_t crateObject() const { return uint8_t(intValue(DoorField::CrateObject)); }

protected:
    std::unique_ptr<CTypeRecord> cloneRecord() const override { return std::make_unique<CDoorType>(*this); }
};

} // namespace gr2
