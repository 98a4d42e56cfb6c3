#pragma once
// A trap type. Its icon index is the "#N" number in the name of its ArtResource at 200, and the shot
// it fires is its linked type.

#include "typedb/CTypeRecord.h"

namespace gr2 {

class CTrapType : public CTypeRecord {
public:
    static constexpr TypeFamily kFamily = TypeFamily::Trap;
    static const RecordLayout& fileLayout();

    CTrapType() : CTypeRecord(kFamily) {}

    int iconIndex() const override { return iconFromHashName("iconResource"); }
    void setIconIndex(int index) override { setIconInHashName("iconResource", index); }
    uint8_t linkedTypeId() const override { return uint8_t(intValue("shotType")); }
    void setLinkedTypeId(uint8_t id) override { setIntValue("shotType", id); }
    std::optional<TypeFamily> linkedFamily() const override { return TypeFamily::Shot; }
    bool isDoorTrap() const { return hasFlag(13); }
    bool isGood() const { return hasFlag(15); }

protected:
    std::unique_ptr<CTypeRecord> cloneRecord() const override
    {
        return std::make_unique<CTrapType>(*this);
    }
};

} // namespace gr2
