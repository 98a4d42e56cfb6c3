#pragma once
// An effect type: a visual and sound effect built from effect elements; its id is 16 bits wide.

#include "typedb/CTypeRecord.h"
#include "typedb/EffectField.h"

namespace gr2 {

class CEffectType : public CTypeRecord {
public:
    static constexpr TypeFamily kFamily = TypeFamily::Effect;
    static const RecordLayout& fileLayout();

    CEffectType() : CTypeRecord(kFamily) {}

protected:
    std::unique_ptr<CTypeRecord> cloneRecord() const override { return std::make_unique<CEffectType>(*this); }
};

} // namespace gr2
