#pragma once
// "Modify Player Alliances" without its window: two choices among every player of the level, the
// alliances as rows of two names, and "&Create Alliance" / "&Remove Alliance", which change the
// level at once, each as one step of its history. An alliance that names a player the level no
// longer has is shown as such and can be removed; opening the dialog changes nothing.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace gr2 {

class CWorldEditorDoc;

class AllianceEditor {
public:
    static constexpr const char* kCaption = "Modify Player Alliances";

    explicit AllianceEditor(CWorldEditorDoc& doc);

    /// Every player of the level by name, in level order; both choices list these.
    std::vector<std::string> playerNames() const;
    /// One row per alliance in level order: the first player's name and the second's; a player
    /// the level no longer has reads "<missing player %u>".
    std::vector<std::pair<std::string, std::string>> rows() const;
    /// The places in playerNames() of a row's two players; none when one of them is missing.
    std::optional<std::pair<size_t, size_t>> placesOfRow(size_t row) const;
    /// The row names a player the level no longer has.
    bool namesMissingPlayer(size_t row) const;
    /// Removes the alliance of a row, whether or not its players exist.
    void removeRow(size_t row);

    /// Players chosen by their place in playerNames().
    bool canCreate(size_t first, size_t second) const;
    bool canRemove(size_t first, size_t second) const;
    void create(size_t first, size_t second);
    /// Removes the alliance of the two in either order.
    void remove(size_t first, size_t second);

private:
    uint8_t idAt(size_t index) const;

    CWorldEditorDoc& m_doc;
};

} // namespace gr2
