#pragma once
// Building a hero party with the palette: Create New Hero Party and Add Members show the "Create
// Hero Party" prompt, and every creature type then chosen in the palette joins the party as a
// member of level 1, up to sixteen. The prompt lists the members in one column of up to eight
// lines, or two columns beside each other. Finished keeps the members (a new party joins the
// level once it has one); Cancel leaves the level as it was before the prompt opened.

#include "level/DocumentObserver.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace gr2 {

class CCreature;
class CHeroParty;
class CTypeDatabase;
class CWorldEditorDoc;

/// The prompt's member text: up to eight lines in one column; from the ninth line on, the first
/// eight on the left and the rest on the right.
struct PromptColumns {
    static constexpr size_t kLinesPerColumn = 8;
    std::vector<std::u16string> left;
    std::vector<std::u16string> right;
};
PromptColumns promptColumns(const std::vector<std::u16string>& lines);

class HeroPartyPicking : public DocumentObserver {
public:
    /// The prompt's texts.
    static constexpr const char* kTitle = "Create Hero Party";
    static std::string promptText();

    HeroPartyPicking(CWorldEditorDoc& doc, const CTypeDatabase& db);
    ~HeroPartyPicking() override;
    HeroPartyPicking(const HeroPartyPicking&) = delete;
    HeroPartyPicking& operator=(const HeroPartyPicking&) = delete;

    /// Called when picking ends without finish(): the party being filled left the level.
    void setEndedListener(std::function<void()> listener) { m_ended = std::move(listener); }

    /// Create New Hero Party: an empty party, not yet in the level. False when the level already
    /// holds all 24 parties. A picking under way is finished first.
    bool beginNewParty();
    /// Add Members: more members for a party of the level. False when it is full or not the
    /// level's. A picking under way is finished first.
    bool beginAddingMembers(CHeroParty& party);
    bool isPicking() const;
    /// The party being filled (a new one is not in the level yet).
    CHeroParty* party() const;

    /// A creature type chosen in the palette joins the party; the first member of a new party is
    /// its leader. None when nothing is being picked or the party is full (the click is ignored).
    CCreature* addMember(uint8_t creatureType);
    /// The prompt's lines, one per member in slot order: "[L] " for the leader, the type name and
    /// the level in brackets.
    std::vector<std::u16string> memberLines() const;

    /// Ends the picking. Finished: a new party with members joins the level (one without is
    /// dropped). Cancelled: a new party is dropped and members added to an existing party leave it
    /// again. Answers the party the level holds afterwards, if any.
    CHeroParty* finish(bool finished);

    // DocumentObserver
    void objectRemoved(CLevelObject& object) override;
    void levelReset() override;

private:
    CWorldEditorDoc& m_doc;
    const CTypeDatabase& m_db;
    bool m_picking = false;
    bool m_newParty = false;
    /// The members added since the prompt opened (Cancel takes them out of an existing party).
    std::vector<CCreature*> m_added;
    std::function<void()> m_ended;
};

} // namespace gr2
