#pragma once
// The computer-player editor without its window: eight pages, each a form over the player's
// settings area, the build order list with its moves, "Set Defaults" and "OK". A page reads the
// area when it is first shown; "Set Defaults" writes the chosen personality's defaults into the
// area at once (keeping the build order as the list shows it) and reloads the pages shown;
// "OK" validates every page shown and only then stores them all with the build order.

#include "forms/ComputerPlayerForms.h"
#include "level/ComputerPlayerSettings.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace gr2 {

class ComputerPlayerSheet {
public:
    /// `area` (the player's 156 bytes) outlives the sheet; `roomName` names a build-order entry.
    ComputerPlayerSheet(Bytes& area, std::string playerName, std::vector<BuildOrderRoom> rooms,
                        std::function<std::string(uint8_t)> roomName);
    ~ComputerPlayerSheet();
    ComputerPlayerSheet(const ComputerPlayerSheet&) = delete;
    ComputerPlayerSheet& operator=(const ComputerPlayerSheet&) = delete;

    /// "Computer Player Properties for "<player>" [ <personality> ]", following "&Type:".
    std::string caption() const;
    FormState& state(ComputerPlayerPage page);
    /// A page is displayed: the first time, it reads its values from the area.
    void show(ComputerPlayerPage page);
    bool isShown(ComputerPlayerPage page) const;
    /// The values of a page shown, checked as on leaving it.
    std::optional<FormError> validate(ComputerPlayerPage page) const;

    // --- "Build Order:" ---------------------------------------------------------------------------
    const BuildOrder& buildOrder() const { return m_order; }
    std::string entryName(size_t index) const;
    size_t selectedEntry() const { return m_selected; }
    void selectEntry(size_t index);
    bool canMove(BuildOrderMove move) const { return canMoveBuildOrderEntry(m_selected, move); }
    void move(BuildOrderMove move);

    // --- the buttons ------------------------------------------------------------------------------
    /// "Set Defaults" is offered once "&Type:" shows another personality than the area holds.
    bool canSetDefaults() const;
    void setDefaults();
    struct Refusal {
        ComputerPlayerPage page;
        FormError error;
        bool operator==(const Refusal&) const = default;
    };
    /// "OK": every page shown and the build order go into the area, or, when a value is refused,
    /// nothing does.
    std::optional<Refusal> confirm();
    bool confirmed() const { return m_confirmed; }
    /// Whether "Set Defaults" wrote the defaults during this run.
    bool defaultsSet() const { return m_defaultsSet; }
    /// The personality "&Type:" shows.
    uint32_t chosenPersonality() const;

private:
    struct Page;

    Bytes& m_area;
    std::string m_playerName;
    std::vector<BuildOrderRoom> m_rooms;
    std::function<std::string(uint8_t)> m_roomName;
    std::vector<std::unique_ptr<Page>> m_pages;
    BuildOrder m_order{};
    /// The order the list showed on opening.
    BuildOrder m_shownOrder{};
    size_t m_selected = 0;
    bool m_confirmed = false;
    bool m_defaultsSet = false;
};

} // namespace gr2
