#pragma once
// A creature type, the largest record of the database: flag words, attacks, job preferences,
// resistances, elite variants and the resources the game animates it with.

#include "typedb/CTypeRecord.h"
#include "typedb/CreatureField.h"

#include <vector>

namespace gr2 {

namespace CreatureFlag1 {
inline constexpr int IsWorker = 0;
inline constexpr int IsEvil = 7;
inline constexpr int IsGood = 8;
inline constexpr int AvailableViaPortal = 10;
inline constexpr int Vidad = 14;
inline constexpr int IsUnique = 27; ///< marks an elite variant
inline constexpr int SnbRandomInvader = 30;
inline constexpr int Male = 31;
} // namespace CreatureFlag1

namespace CreatureFlag2 {
inline constexpr int ImmuneToLightning = 0;
inline constexpr int IsStoneKnight = 1;
inline constexpr int IsEmotionless = 2;
inline constexpr int AvailableViaHeroPortal = 3;
} // namespace CreatureFlag2

/// One entry of a happy, unhappy or angry job list.
struct CreatureJob {
    uint32_t job = 0; ///< job id; 0 ends a list
    int16_t moodChange = 0;
    int16_t manaChange = 0;
    uint8_t chance = 0; ///< percent
    bool operator==(const CreatureJob&) const = default;
};

enum class CreatureJobList : uint8_t { Happy, Unhappy, Angry };

class CCreatureType : public CTypeRecord {
public:
    static constexpr TypeFamily kFamily = TypeFamily::Creature;
    static const RecordLayout& fileLayout();
    static constexpr int kAnimationResources = 42;

    CCreatureType() : CTypeRecord(kFamily) {}

    int iconIndex() const override { return iconFromHashName(CreatureField::IconResource); }
    void setIconIndex(int index) override { setIconInHashName(CreatureField::IconResource, index); }

    uint32_t flags1() const { return uint32_t(intValue(CreatureField::Flags1)); }
    void setFlags1(uint32_t flags) { setIntValue(CreatureField::Flags1, flags); }
    uint32_t flags2() const { return uint32_t(intValue(CreatureField::Flags2)); }
    void setFlags2(uint32_t flags) { setIntValue(CreatureField::Flags2, flags); }
    bool hasFlag1(int bit) const { return bit >= 0 && bit < 32 && (flags1() >> bit) & 1u; }
    bool hasFlag2(int bit) const { return bit >= 0 && bit < 32 && (flags2() >> bit) & 1u; }

    /// An elite variant has flag word 1 bit 27; its base type is the byte at 3387.
    bool isEliteVariant() const { return hasFlag1(CreatureFlag1::IsUnique); }
    uint8_t eliteBaseId() const { return uint8_t(intValue(CreatureField::EliteBaseType)); }
    void setEliteBaseId(uint8_t id) { setIntValue(CreatureField::EliteBaseType, id); }
    /// Offered in players' creature pools: available via portal or hero portal, not elite.
    bool isOfferedInPools() const;

    uint16_t health() const { return uint16_t(intValue(CreatureField::Health)); }
    uint16_t maxGoldHeld() const { return uint16_t(intValue(CreatureField::MaxGoldHeld)); }
    uint16_t initialGoldHeld() const { return uint16_t(intValue(CreatureField::InitialGoldHeld)); }

    /// The jobs of a list up to (not including) the first entry whose job id is 0.
    std::vector<CreatureJob> jobs(CreatureJobList list) const;
    /// Replaces the list; entries beyond its capacity (3, 2, 3) are dropped, the rest zeroed.
    void setJobs(CreatureJobList list, const std::vector<CreatureJob>& jobs);
    /// Hate jobs 1 to 4 (stored at 3700, 3704, 5345, 5349).
    uint32_t hateJob(size_t index) const;
    void setHateJob(size_t index, uint32_t job);

    /// The rule of a creature flagged Vidad (flag word 1 bit 14), applied when it is saved:
    /// animation resources 1, 3, 5, 6, 13, 14, 20, 23, 25, 26, 28 and 35 get bit 0 of their word at
    /// descriptor offset 64 set, every other resource 0 to 36 is cleared. Does nothing otherwise.
    void applyVidadResourceRule();
    static void applyVidadResourceRule(std::span<uint8_t> fileRecord);

protected:
    std::unique_ptr<CTypeRecord> cloneRecord() const override
    {
        return std::make_unique<CCreatureType>(*this);
    }
    void prepareFileRecord(std::span<uint8_t> out) const override;
};

} // namespace gr2
