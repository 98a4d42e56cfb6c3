#pragma once
// A shot type: a projectile or area attack that traps, spells and creatures fire.

#include "typedb/CTypeRecord.h"
#include "typedb/ShotField.h"

namespace gr2 {

class CShotType : public CTypeRecord {
public:
    static constexpr TypeFamily kFamily = TypeFamily::Shot;
    static const RecordLayout& fileLayout();

    CShotType() : CTypeRecord(kFamily) {}

protected:
    std::unique_ptr<CTypeRecord> cloneRecord() const override { return std::make_unique<CShotType>(*this); }
};

} // namespace gr2
