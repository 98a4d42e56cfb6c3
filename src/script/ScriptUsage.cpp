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

} // namespace gr2
