#pragma once
// The global variables: 248 values indexed by variable id, the default availability lists, the
// id-17 list, the sacrifice entries, the three 4-bit tables and the experience-level tables, with
// the rules that turn them into the 16-byte records of "GlobalVariables.vwd" and back.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace gr2 {

inline constexpr size_t kVariableCount = 248;
inline constexpr size_t kOverridableVariableCount = 193;
inline constexpr size_t kSacrificeEntryCount = 128;
inline constexpr size_t kExperienceStats = 32;
inline constexpr size_t kExperienceLevels = 9; ///< columns: experience levels 2 to 10
inline constexpr size_t kFourBitTableSize = 14;

/// Variable ids with a rule of their own.
namespace VariableId {
inline constexpr uint32_t DefaultAvailability = 2;
inline constexpr uint32_t TypeValueList = 17;
inline constexpr uint32_t Sacrifice = 43;
inline constexpr uint32_t FourBitTable1 = 61;
inline constexpr uint32_t FourBitTable2 = 62;
inline constexpr uint32_t FourBitTable3 = 63;
inline constexpr uint32_t ExperienceIncrease = 65;
inline constexpr uint32_t FirstPersonIncrease = 224;
} // namespace VariableId

/// The families of the default availability lists, numbered as id-2 records number them.
enum class AvailabilityFamily : uint8_t { Rooms = 1, Creatures = 2, Traps = 3, Doors = 4, VorlanSpells = 5 };
inline constexpr size_t kAvailabilityFamilies = 5;

struct DefaultAvailabilityEntry {
    uint8_t type = 0;
    uint32_t state = 1;
    bool operator==(const DefaultAvailabilityEntry&) const = default;
};

/// Id-17 entries number their families differently from id 2.
enum class TypeValueFamily : uint8_t { Room = 1, Door = 2, Trap = 3, VorlanSpell = 4 };

struct TypeValueEntry {
    uint8_t family = 0;
    uint8_t type = 0;
    uint32_t value = 0;
    bool operator==(const TypeValueEntry&) const = default;
};

/// One 16-byte sacrifice entry: three ingredients (kind, type), the reward and a speech id.
struct SacrificeEntry {
    std::array<uint8_t, 6> ingredients{}; ///< kind, type, kind, type, kind, type
    uint8_t rewardKind = 0;
    uint8_t rewardType = 0;
    uint32_t amount = 0;
    uint8_t speech = 0;

    /// Empty when the kinds of all three ingredients are 0.
    bool empty() const { return ingredients[0] == 0 && ingredients[2] == 0 && ingredients[4] == 0; }
    /// Whether the reward kind carries a reward type (rather than an amount) in the record.
    static bool rewardHasType(uint8_t kind);
    bool operator==(const SacrificeEntry&) const = default;
};

/// The four u32 values of a variable record.
struct VariableRecord {
    uint32_t id = 0;
    uint32_t a = 0;
    uint32_t b = 0;
    uint32_t c = 0;
    bool operator==(const VariableRecord&) const = default;
};

struct VariableName {
    uint32_t id;
    std::u16string_view name;
};

class CGlobalVariables {
public:
    CGlobalVariables();

    // --- values ---------------------------------------------------------------------------
    /// 0 for an id outside the table.
    double value(uint32_t id) const { return id < kVariableCount ? m_values[id] : 0.0; }
    void setValue(uint32_t id, double value);
    const std::array<double, kVariableCount>& values() const { return m_values; }
    /// Puts every value back to the built-in default.
    void resetValuesToDefaults();
    static double defaultValue(uint32_t id);
    /// The six ids whose values are 20.12 reals in records (67, 155, 158, 185, 220, 221).
    static bool isRealVariable(uint32_t id);
    /// The 193 ids a level may override, in their fixed order.
    static std::span<const uint32_t> overridableIds();
    static bool isOverridable(uint32_t id);
    /// The name table: 246 entries ordered by id (ids 137 and 233 have none); the terminating
    /// id 4294967295 is not part of the span.
    static std::span<const VariableName> nameTable();
    /// The name of an id; empty when the table has none.
    static std::u16string_view name(uint32_t id);
    /// The ids the level-variables editor offers: overridable ids of the name table but 29.
    static std::vector<uint32_t> levelEditorIds();

    // --- lists and tables -----------------------------------------------------------------
    std::vector<DefaultAvailabilityEntry>& defaultAvailability(AvailabilityFamily family);
    const std::vector<DefaultAvailabilityEntry>& defaultAvailability(AvailabilityFamily family) const;

    std::vector<TypeValueEntry>& typeValueList() { return m_typeValues; }
    const std::vector<TypeValueEntry>& typeValueList() const { return m_typeValues; }

    std::array<SacrificeEntry, kSacrificeEntryCount>& sacrifices() { return m_sacrifices; }
    const std::array<SacrificeEntry, kSacrificeEntryCount>& sacrifices() const { return m_sacrifices; }
    /// Empties every sacrifice entry, so that the next file read fills them from index 0.
    void clearSacrifices();

    /// Table 0, 1, 2 for ids 61, 62, 63; each value 0 to 15.
    std::array<uint8_t, kFourBitTableSize>& fourBitTable(size_t table) { return m_fourBit.at(table); }
    const std::array<uint8_t, kFourBitTableSize>& fourBitTable(size_t table) const
    {
        return m_fourBit.at(table);
    }

    /// Experience-level increase (id 65): stat 0-31, column 0-8 for experience levels 2-10.
    int16_t experienceIncrease(size_t stat, size_t column) const;
    void setExperienceIncrease(size_t stat, size_t column, int16_t value);
    /// First-person increase (id 224): stat 0-31.
    int16_t firstPersonIncrease(size_t stat) const;
    void setFirstPersonIncrease(size_t stat, int16_t value);

    // --- records ----------------------------------------------------------------------------
    /// Whether a type exists, for the id-17 check (family numbered as in TypeValueFamily).
    using TypeExists = std::function<bool(uint8_t family, uint8_t type)>;
    /// Takes one record of the Variable section. Ids and indexes outside the tables are ignored.
    /// A sacrifice record fills the first empty entry (none left: it is dropped), so entries come
    /// back packed from index 0 after clearSacrifices().
    void applyRecord(const VariableRecord& record, const TypeExists& typeExists);
    /// The records of "GlobalVariables.vwd" in their fixed order.
    std::vector<VariableRecord> records() const;

private:
    std::array<double, kVariableCount> m_values{};
    std::array<std::vector<DefaultAvailabilityEntry>, kAvailabilityFamilies> m_availability;
    std::vector<TypeValueEntry> m_typeValues;
    std::array<SacrificeEntry, kSacrificeEntryCount> m_sacrifices{};
    std::array<std::array<uint8_t, kFourBitTableSize>, 3> m_fourBit{};
    std::array<std::array<int16_t, kExperienceLevels>, kExperienceStats> m_experience{};
    std::array<int16_t, kExperienceStats> m_firstPerson{};
};

} // namespace gr2
