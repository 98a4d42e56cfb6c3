#pragma once
// The creature dialog as data: its rows and enabling rules over the values it shows, what the
// user's edits do to other rows (the owner that a dead body hands to the Neutral player, the
// objective that sets Destroy Rooms, the party-leader question), "Reset To Defaults", and the
// write-back on "OK". One dialog serves the three kinds of creature: placed on the map (dead bodies
// included), a hero-party member, and the creature of a Create Creature action, whose owner, level
// and flags live on its action.

#include "forms/Form.h"
#include "forms/ThingEditSession.h"

#include <memory>

#include <cstdint>
#include <string>

namespace gr2 {

class CAction;
class CCreature;
class CHeroParty;
class CTypeDatabase;
class CWorldEditorDoc;
class Prompter;

/// The creature a dialog edits and where it lives.
struct CreatureSubject {
    CWorldEditorDoc* doc = nullptr;
    CCreature* creature = nullptr;
    CHeroParty* party = nullptr; ///< the party that has it as a member
    CAction* action = nullptr;   ///< the Create Creature action it is the creature of

    bool isMember() const { return party != nullptr; }
    bool isActionCreature() const { return action != nullptr; }
};

/// Finds the creature's party or action in its level.
CreatureSubject creatureSubjectOf(CWorldEditorDoc& doc, CCreature& creature);

/// The values the dialog shows. The target is a player id, or for "Send To Action Point" an action
/// point id.
struct CreatureEdit {
    uint8_t owner = 0;
    uint8_t type = 0;
    uint8_t level = 1;
    uint8_t health = 100;
    uint8_t gold = 0;
    uint8_t objective = 0;
    uint8_t target = 0;
    bool wontFight = false;
    bool wontBeAttacked = false;
    bool leader = false;
    bool follower = false;
    bool returnToHeroLair = false;
    bool freeFriends = false;
    bool actAsDropped = false;
    bool startAsDying = false;
    bool destroyRooms = false;
    bool tool = false;
    bool diesInstantly = false;
    bool elite = false;
    bool mercenary = false;
    bool deadBody = false;
};

CreatureEdit readCreature(const CreatureSubject& subject);
/// "OK": writes every value into the creature (or its action, or its party) in the dialog's order
/// and tells the level's observers.
void writeCreature(const CreatureSubject& subject, const CreatureEdit& edit);
/// Makes the member its party's only leader.
void makePartyLeader(CHeroParty& party, CCreature& creature);

/// "Edit Creature [ x, y ]", one-based.
std::string creatureCaption(const CCreature& creature);

/// The rows of the dialog, by which tests and the dialog reach them.
struct CreatureRows {
    size_t type, owner, level, health, gold, objective, target;
    size_t wontFight, wontBeAttacked, leader, follower;
    size_t returnToHeroLair, freeFriends, actAsDropped, startAsDying, destroyRooms, tool, diesInstantly,
        elite, mercenary, deadBody;
};

struct CreatureForm {
    FormDescription<CreatureEdit> description;
    CreatureRows rows{};
};

/// The upper bound of the health field while "Dead Body" is checked: ten times the type's full
/// health, computed without wrapping and limited to what the health field holds.
uint32_t deadBodyHealthBound(uint32_t typeHealth);

/// The dialog for the subject. `prompter` asks the party-leader question.
CreatureForm creatureForm(const CreatureSubject& subject, const CTypeDatabase& types, Prompter& prompter);

/// "Reset To Defaults": the values a new creature has, as if the user had set them.
void resetCreatureDefaults(FormState& state, const CreatureRows& rows);

/// The creature dialog's session: "OK" writes the creature as one history step, "Reset To
/// Defaults" is offered.
std::unique_ptr<ThingSession> creatureSession(CWorldEditorDoc& doc, CCreature& creature,
                                              const CTypeDatabase& types, Prompter& prompter);

} // namespace gr2
