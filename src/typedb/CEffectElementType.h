#pragma once
// An effect element type: one particle or sprite of an effect; its id is 16 bits wide.

#include "typedb/CTypeRecord.h"
#include "typedb/EffectElementField.h"

namespace gr2 {

class CEffectElementType : public CTypeRecord {
public:
    static constexpr TypeFamily kFamily = TypeFamily::EffectElement;
    static const RecordLayout& fileLayout();

    CEffectElementType() : CTypeRecord(kFamily) {}

protected:
    std::unique_ptr<CTypeRecord> cloneRecord() const override
    {
        return std::make_unique<CEffectElementType>(*this);
    }
};

} // namespace gr2
