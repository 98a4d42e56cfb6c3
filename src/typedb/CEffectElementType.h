#pragma once
// An effect element type: one particle or sprite of an effect; its id is 16 bits wide.

#include "typedb/CTypeRecord.h"
#include "typedb/EffectElementField.h"

namespace gr2 {

namespace EffectElementTypeFlag {
inline constexpr int DiesWhenHitsSolid = 0;
inline constexpr int Shrinks = 1;
inline constexpr int Expands = 2;
inline constexpr int Fades = 3;
inline constexpr int DirectionalFriction = 4;
inline constexpr int CanBeDisturbed = 5;
inline constexpr int RotateToMovementDirection = 6;
/// Two bits that fading takes away.
inline constexpr int ClearedByFading1 = 7;
inline constexpr int ClearedByFading2 = 8;
inline constexpr int AlwaysTrigger = 9;
} // namespace EffectElementTypeFlag

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
