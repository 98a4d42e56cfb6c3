#include "level/LevelProperties.h"

namespace gr2 {

void LevelProperties::setPreviousReward(size_t i, uint8_t v)
{
    if (i < kRewards)
        previousRewards[i] = v;
}

void LevelProperties::setNextReward(size_t i, uint8_t v)
{
    if (i < kRewards)
        nextRewards[i] = v;
}

void LevelProperties::setTextId(size_t i, int16_t v)
{
    if (i < kTextIds)
        textIds[i] = v;
}

void LevelProperties::setSpeechId(size_t i, int16_t v)
{
    if (i < kSpeechIds)
        speechIds[i] = v;
}

IntroductionOverride LevelProperties::introductionOverride(size_t i) const
{
    return i < kIntroductionOverrides ? introductionOverrides[i] : IntroductionOverride{};
}

void LevelProperties::setIntroductionOverride(size_t i, IntroductionOverride v)
{
    if (i < kIntroductionOverrides)
        introductionOverrides[i] = v;
}

void LevelProperties::setTextMessage(size_t i, std::u16string text)
{
    if (i >= kTextMessages)
        return;
    if (text.size() > kTextMessageLength)
        text.resize(kTextMessageLength);
    textMessages[i] = std::move(text);
}

} // namespace gr2
