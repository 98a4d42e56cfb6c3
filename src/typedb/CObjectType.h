#pragma once
// An object type (gold, spell books, crates, lairs, ...). Its icon index is the "#N" number in the
// name of its ArtResource at 200.

#include "typedb/CTypeRecord.h"
#include "typedb/ObjectField.h"

namespace gr2 {

class CObjectType : public CTypeRecord {
public:
    static constexpr TypeFamily kFamily = TypeFamily::Object;
    static const RecordLayout& fileLayout();

    CObjectType() : CTypeRecord(kFamily) {}

    int iconIndex() const override { return iconFromHashName(ObjectField::IconResource); }
    void setIconIndex(int index) override { setIconInHashName(ObjectField::IconResource, index); }

protected:
    std::unique_ptr<CTypeRecord> cloneRecord() const override { return std::make_unique<CObjectType>(*this); }
};

} // namespace gr2
