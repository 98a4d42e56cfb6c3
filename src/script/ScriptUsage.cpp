#include "script/ScriptUsage.h"

#include "script/ActionKind.h"

namespace gr2 {

void ScriptUsage::markAction(uint8_t actionKind, uint8_t target)
{
    switch (ActionKind(actionKind)) {
    case ActionKind::SetFlag:
        markFlag(target);
        break;
    case ActionKind::SetTimer:
        markTimer(target);
        break;
    case ActionKind::SetLevelTimeLimit:
        m_timeLimit = true;
        break;
    default:
        break;
    }
}

void ScriptUsage::markFlag(uint8_t index)
{
    if (index < ScriptFlagIndex::kCount)
        m_flags.set(index);
    else if (index == ScriptFlagIndex::LevelScore)
        m_levelScore = true;
}

void ScriptUsage::markTimer(uint8_t index)
{
    if (index < ScriptTimerIndex::kCount)
        m_timers.set(index);
    else if (index == ScriptTimerIndex::TimeLimit)
        m_timeLimit = true;
}

void ScriptUsage::clearFlag(uint8_t index)
{
    if (index < ScriptFlagIndex::kCount)
        m_flags.reset(index);
}

void ScriptUsage::clearTimer(uint8_t index)
{
    if (index < ScriptTimerIndex::kCount)
        m_timers.reset(index);
}

bool ScriptUsage::isFlagUsed(uint8_t index) const
{
    if (index < ScriptFlagIndex::kCount)
        return m_flags.test(index);
    return index == ScriptFlagIndex::LevelScore && m_levelScore;
}

bool ScriptUsage::isTimerUsed(uint8_t index) const
{
    if (index < ScriptTimerIndex::kCount)
        return m_timers.test(index);
    return index == ScriptTimerIndex::TimeLimit && m_timeLimit;
}

void ScriptUsage::clear()
{
    m_flags.reset();
    m_timers.reset();
    m_levelScore = false;
    m_timeLimit = false;
}

namespace {

constexpr size_t kMarkCount = ScriptFlagIndex::kCount + ScriptTimerIndex::kCount + 2;

} // namespace

std::vector<uint8_t> ScriptUsage::pack() const
{
    std::vector<uint8_t> bytes((kMarkCount + 7) / 8, 0);
    auto put = [&bytes](size_t bit, bool on) {
        if (on)
            bytes[bit / 8] |= uint8_t(1u << (bit % 8));
    };
    size_t bit = 0;
    for (size_t i = 0; i < m_flags.size(); ++i)
        put(bit++, m_flags[i]);
    for (size_t i = 0; i < m_timers.size(); ++i)
        put(bit++, m_timers[i]);
    put(bit++, m_levelScore);
    put(bit, m_timeLimit);
    return bytes;
}

void ScriptUsage::unpack(std::span<const uint8_t> bytes)
{
    auto get = [bytes](size_t bit) { return bit / 8 < bytes.size() && (bytes[bit / 8] >> (bit % 8)) & 1; };
    size_t bit = 0;
    for (size_t i = 0; i < m_flags.size(); ++i)
        m_flags[i] = get(bit++);
    for (size_t i = 0; i < m_timers.size(); ++i)
        m_timers[i] = get(bit++);
    m_levelScore = get(bit++);
    m_timeLimit = get(bit);
}

} // namespace gr2
