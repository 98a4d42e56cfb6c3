#pragma once
// A door type. Its icon index is the "#N" number in the name of its ArtResource at 200.

#include "typedb/CTypeRecord.h"

namespace gr2 {

class CDoorType : public CTypeRecord {
public:
    static constexpr TypeFamily kFamily = TypeFamily::Door;
    static const RecordLayout& fileLayout();

    CDoorType() : CTypeRecord(kFamily) {}

    int iconIndex() const override { return iconFromHashName("iconResource"); }
    void setIconIndex(int index) override { setIconInHashName("iconResource", index); }
    bool isGood() const { return hasFlag(7); }

protected:
    std::unique_ptr<CTypeRecord> cloneRecord() const override
    {
        return std::make_unique<CDoorType>(*this);
    }
};

} // namespace gr2
