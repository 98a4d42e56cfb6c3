#pragma once
// An effect type: a visual and sound effect built from effect elements; its id is 16 bits wide.

#include "typedb/CTypeRecord.h"
#include "typedb/EffectField.h"

namespace gr2 {

namespace EffectTypeFlag {
inline constexpr int DieWhenHitSolid = 0;
inline constexpr int Shrink = 1;
inline constexpr int Expand = 2;
inline constexpr int DirectionalFriction = 4;
inline constexpr int ExpandThenShrink = 5;
inline constexpr int GenerateEffects = 6;
inline constexpr int GenerateEffectElements = 7;
inline constexpr int PassOnVelocity = 8;
inline constexpr int UniformDistribution = 9;
inline constexpr int RandomDistribution = 10;
inline constexpr int FadeIn = 11;
inline constexpr int FadeOut = 12;
inline constexpr int FadeInOut = 13;
inline constexpr int UseGenerationScale = 14;
inline constexpr int AlwaysTrigger = 15;
} // namespace EffectTypeFlag

class CEffectType : public CTypeRecord {
public:
    static constexpr TypeFamily kFamily = TypeFamily::Effect;
    static const RecordLayout& fileLayout();

    CEffectType() : CTypeRecord(kFamily) {}

protected:
    std::unique_ptr<CTypeRecord> cloneRecord() const override { return std::make_unique<CEffectType>(*this); }
};

} // namespace gr2
