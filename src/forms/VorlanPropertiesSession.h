#pragma once
// "Modify Vorlan Properties" without its window. It shows the Vorlans of a level one at a time,
// on working copies of the shown player's values: starting gold and the computer-player flag (a
// form), the creature pool counts, the four availability lists and the computer-player settings.
// Committing a player (on "OK", and before another player is shown) checks the gold and the pool
// count shown and only then writes everything into the player; "Cancel" writes nothing of the
// shown player, while players committed earlier by switching keep their changes.

#include "forms/Form.h"
#include "level/CPlayer.h"
#include "level/ComputerPlayerSettings.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace gr2 {

class CTypeDatabase;
class CWorldEditorDoc;
class ComputerPlayerSheet;

class VorlanPropertiesSession {
public:
    static constexpr const char* kCaption = "Modify Vorlan Properties";
    /// The rows of values(), and the one row of poolCount().
    static constexpr size_t kGoldRow = 0;
    static constexpr size_t kComputerRow = 1;
    static constexpr size_t kCountRow = 0;
    static constexpr size_t kAvailabilityRows = 4;

    /// Shows `playerId` when it names a Vorlan, else the first Vorlan of the level. The level and
    /// the types outlive the session.
    VorlanPropertiesSession(CWorldEditorDoc& doc, const CTypeDatabase& types,
                            std::optional<uint8_t> playerId);
    ~VorlanPropertiesSession();

    /// Whether the level has a Vorlan to show at all.
    static bool hasVorlan(const CWorldEditorDoc& doc);

    // --- "Vorlan &Name:" --------------------------------------------------------------------------
    /// The names of the Vorlans (ids above 2) in level order.
    std::vector<std::string> playerNames() const;
    size_t playerIndex() const { return m_index; }
    CPlayer& player() const;
    struct Refusal {
        enum class Field : uint8_t { Gold, PoolCount } field;
        std::string message;
        bool operator==(const Refusal&) const = default;
    };
    /// Commits the shown player and shows the one at `index` (the same index reloads it); when a
    /// value is refused the shown player stays and nothing is written.
    std::optional<Refusal> choosePlayer(size_t index);

    // --- starting gold and the computer-player flag -----------------------------------------------
    FormState& values() { return m_values.state(); }
    /// "Computer P&layer Properties..." is offered while "Computer &Player" is checked.
    bool computerPropertiesEnabled() { return values().checked(kComputerRow); }

    // --- "&Creature Pool:" ------------------------------------------------------------------------
    /// The pool's entries, each by its creature type's name or, without one, by its id.
    std::vector<std::string> poolEntries() const;
    size_t poolIndex() const { return m_poolIndex; }
    FormState& poolCount() { return m_count.state(); }
    /// Keeps the count shown and shows the entry at `index`; a count out of range is refused and
    /// the entry stays.
    std::optional<Refusal> choosePool(size_t index);

    // --- the availability rows --------------------------------------------------------------------
    static const char* availabilityLabel(size_t row);
    /// The types of the row's default list, by name.
    std::vector<std::string> availabilityTypes(size_t row) const;
    size_t availabilityIndex(size_t row) const { return m_availability.at(row).index; }
    AvailabilityBox availabilityBox(size_t row) const { return m_availability.at(row).box; }
    void setAvailabilityBox(size_t row, AvailabilityBox box) { m_availability.at(row).box = box; }
    /// Keeps the box of the type left (in the player's list, if it has that type) and shows the
    /// type at `index`.
    void chooseAvailability(size_t row, size_t index);
    /// "Apply To All": every type of the row's default list that the player's list has gets the
    /// row's box.
    void applyToAll(size_t row);

    // --- the computer-player settings -------------------------------------------------------------
    /// The sheet over the shown player's settings (the working copy).
    std::unique_ptr<ComputerPlayerSheet> computerSheet();
    /// After the sheet closed: when it was confirmed after "Set Defaults", the starting gold
    /// becomes the chosen personality's.
    void computerSheetClosed(const ComputerPlayerSheet& sheet);
    const Bytes& computerArea() const { return m_area; }

    // --- committing -------------------------------------------------------------------------------
    /// "OK": writes the shown player, or returns the refusal and writes nothing.
    std::optional<Refusal> commit();
    CWorldEditorDoc& document() const { return m_doc; }

private:
    struct Values {
        int32_t gold = 0;
        int32_t computer = 0;
    };
    struct Count {
        int32_t count = 0;
    };
    struct AvailabilityRow {
        AvailabilityKind kind = AvailabilityKind::Rooms;
        std::vector<uint8_t> types;
        std::vector<AvailabilityEntry> list; ///< the working copy of the player's list
        size_t index = 0;
        AvailabilityBox box = AvailabilityBox::Unchecked;
    };

    std::vector<CPlayer*> vorlans() const;
    void load(CPlayer& player);
    void showAvailability(AvailabilityRow& row);
    void keepAvailability(AvailabilityRow& row);
    std::optional<Refusal> keepPoolCount();
    std::string typeName(AvailabilityKind kind, uint8_t type) const;

    CWorldEditorDoc& m_doc;
    const CTypeDatabase& m_types;
    Form<Values> m_values;
    Form<Count> m_count;
    Values m_shownValues;
    Count m_shownCount;
    size_t m_index = 0;
    std::vector<CreaturePoolEntry> m_pool;
    size_t m_poolIndex = 0;
    std::array<AvailabilityRow, kAvailabilityRows> m_availability;
    Bytes m_area;
};

} // namespace gr2
