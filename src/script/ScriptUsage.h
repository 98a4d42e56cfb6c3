#pragma once
// Which script flags and timers some action of the level writes. The trigger editor offers only
// these, so a condition is never written on a flag that nothing sets. Marks are added as actions
// are added or re-targeted and stay when an action goes; a new or loaded level starts with none.

#include <bitset>
#include <cstdint>
#include <span>
#include <vector>

namespace gr2 {

/// Flags are shown as Flag 1..128; index 128 stands for the Level Score.
namespace ScriptFlagIndex {
inline constexpr int kCount = 128;
inline constexpr uint8_t LevelScore = 128;
} // namespace ScriptFlagIndex

/// Timers are shown as Timer 1..16; index 16 stands for the level's Time Limit.
namespace ScriptTimerIndex {
inline constexpr int kCount = 16;
inline constexpr uint8_t TimeLimit = 16;
} // namespace ScriptTimerIndex

class ScriptUsage {
public:
    /// Marks what an action of this kind and target writes: Set Flag its flag (or the Level
    /// Score), Set Timer its timer (or the Time Limit), Set Level Time Limit the Time Limit.
    void markAction(uint8_t actionKind, uint8_t target);

    /// Index 128 marks the Level Score; larger indices mark nothing.
    void markFlag(uint8_t index);
    /// Index 16 marks the Time Limit; larger indices mark nothing.
    void markTimer(uint8_t index);
    /// Clears one flag's mark; the Level Score mark is never cleared this way.
    void clearFlag(uint8_t index);
    /// Clears one timer's mark; the Time Limit mark is never cleared this way.
    void clearTimer(uint8_t index);

    bool isFlagUsed(uint8_t index) const;
    bool isTimerUsed(uint8_t index) const;
    bool isLevelScoreUsed() const { return m_levelScore; }
    bool isTimeLimitUsed() const { return m_timeLimit; }

    void clear();

    /// The marks as one bit each: the flags, the timers, then the Level Score and the Time Limit.
    /// The history keeps them with each step, since no file holds them and they cannot be worked
    /// out again from the actions (a deleted action leaves its mark).
    std::vector<uint8_t> pack() const;
    /// Takes back what `pack` gave; missing bytes read as unmarked.
    void unpack(std::span<const uint8_t> bytes);

private:
    std::bitset<ScriptFlagIndex::kCount> m_flags;
    std::bitset<ScriptTimerIndex::kCount> m_timers;
    bool m_levelScore = false;
    bool m_timeLimit = false;
};

} // namespace gr2
