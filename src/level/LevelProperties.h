#pragma once
// The properties of a level that are not its map, players or things: identity texts, game
// settings, rewards, text and speech ids, the text messages of the script and the level flags.

#include <array>
#include <cstdint>
#include <string>

namespace gr2 {

namespace LevelFlag {
inline constexpr uint16_t Carried = 1;                  ///< read and written back unchanged
inline constexpr uint16_t VorlanWithoutFirstPerson = 4; ///< recomputed on every save
inline constexpr uint16_t AlwaysImprisonEnemies = 8;
inline constexpr uint16_t OneShotVidadSpell = 16;
inline constexpr uint16_t SecretLevel = 32;
inline constexpr uint16_t SpecialLevel = 64;
inline constexpr uint16_t DisplayHeroesKilled = 128;
inline constexpr uint16_t ShowObjectiveBox = 256;
inline constexpr uint16_t LastHeartGeneratesGem = 512;
inline constexpr uint16_t MultiPlayer = 1024;
inline constexpr uint16_t Skirmish = 2048;
inline constexpr uint16_t FreezeGameOptions = 4096;
inline constexpr uint16_t SnbLevel = 8192;
} // namespace LevelFlag

/// The format version a level was read with: loading rules branch on major and minor.
struct LevelVersion {
    double value = 3.0;

    int major() const { return int(value); }
    /// (version − major) × 100 + 1, truncated.
    int minor() const { return int((value - double(major())) * 100.0 + 1.0); }
};

struct IntroductionOverride {
    uint8_t kind = 0;
    int16_t textId = 0;
    bool operator==(const IntroductionOverride&) const = default;
};

struct LevelProperties {
    static constexpr size_t kRewards = 5;
    static constexpr size_t kTextIds = 7;
    static constexpr size_t kSpeechIds = 5;
    static constexpr size_t kIntroductionOverrides = 8;
    static constexpr size_t kTextMessages = 20;

    // Maximum lengths in characters, as the level description record bounds them.
    static constexpr size_t kNameLength = 63;
    static constexpr size_t kDescriptionLength = 1023;
    static constexpr size_t kTextMessageLength = 511;

    enum TextIdIndex : size_t {
        Title,
        Plot,
        Debrief,
        Objective,
        SubObjective1,
        SubObjective2,
        SubObjective3
    };
    enum SpeechIdIndex : size_t { PreLevel, PostLevelWin, PostLevelLose, EndOfLevelNews, GenericPreLevel };

    std::u16string name;
    std::u16string description;
    std::u16string author;
    std::u16string email;
    std::u16string information;

    uint16_t ticksPerSecond = 4;
    double rating = 1.0;
    int32_t averageTime = 60;
    uint8_t textTableId = 0;
    uint8_t soundTrack = 1;
    uint8_t talismanPieces = 0;
    uint8_t levelNumber = 0;
    /// The secret level number when SecretLevel is set, else the special level number.
    uint8_t secretOrSpecialNumber = 0;
    int16_t vidadSpeechId = 0;
    std::string soundCategory;
    std::u16string lordOfTheLand;
    std::string alternativeTerrainPath;
    std::array<uint8_t, kRewards> previousRewards{};
    std::array<uint8_t, kRewards> nextRewards{};
    std::array<int16_t, kTextIds> textIds{};
    std::array<int16_t, kSpeechIds> speechIds{};
    std::array<IntroductionOverride, kIntroductionOverrides> introductionOverrides{};
    std::array<std::u16string, kTextMessages> textMessages;
    int16_t rootTrigger = 0;
    uint16_t flags = 0;

    bool operator==(const LevelProperties&) const = default;

    bool hasFlag(uint16_t bit) const { return (flags & bit) != 0; }
    void setFlag(uint16_t bit, bool on) { flags = uint16_t(on ? flags | bit : flags & ~bit); }

    // Indexed access as the dialogs and the script use it: an index out of range is ignored by
    // the setters and reads as 0 (or empty) from the getters.
    uint8_t previousReward(size_t i) const { return i < kRewards ? previousRewards[i] : 0; }
    void setPreviousReward(size_t i, uint8_t v);
    uint8_t nextReward(size_t i) const { return i < kRewards ? nextRewards[i] : 0; }
    void setNextReward(size_t i, uint8_t v);
    int16_t textId(size_t i) const { return i < kTextIds ? textIds[i] : 0; }
    void setTextId(size_t i, int16_t v);
    int16_t speechId(size_t i) const { return i < kSpeechIds ? speechIds[i] : 0; }
    void setSpeechId(size_t i, int16_t v);
    IntroductionOverride introductionOverride(size_t i) const;
    void setIntroductionOverride(size_t i, IntroductionOverride v);
    std::u16string textMessage(size_t i) const
    {
        return i < kTextMessages ? textMessages[i] : std::u16string();
    }
    void setTextMessage(size_t i, std::u16string text);

    // Range-limited setters of the level dialogs.
    void setTicksPerSecond(uint16_t v) { ticksPerSecond = uint16_t(clampTo(v, 1, 50)); }
    void setRating(double v) { rating = v < 0 ? 0 : (v > 32767 ? 32767 : v); }
    void setAverageTime(int32_t v) { averageTime = clampTo(v, 0, 32767); }
    void setSoundTrack(uint8_t v) { soundTrack = uint8_t(clampTo(v, 1, 3)); }
    void setTalismanPieces(uint8_t v) { talismanPieces = uint8_t(clampTo(v, 0, 4)); }
    void setLevelNumber(uint8_t v) { levelNumber = uint8_t(clampTo(v, 0, 10)); }
    void setSecretOrSpecialNumber(uint8_t v) { secretOrSpecialNumber = uint8_t(clampTo(v, 0, 16)); }
    void setVidadSpeechId(int16_t v) { vidadSpeechId = int16_t(clampTo(v, 0, 32767)); }

private:
    static int32_t clampTo(int32_t v, int32_t lo, int32_t hi) { return v < lo ? lo : (v > hi ? hi : v); }
};

} // namespace gr2
