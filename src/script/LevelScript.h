#pragma once
// The script of one level: every trigger and action in creation order, the id scheme, the chains
// that join them, and the operations that add, link, detach and delete them. It is the level
// document's script model: it answers the document's ScriptHooks and hears of objects leaving the
// level, so no trigger or action ever points at something that is gone.
//
// Chains come from files and may be hostile: links can dangle, loop back, repeat an id or name
// their own trigger. Every walk here marks what it has visited and stops at a dangling link or at
// a link that leads back to a visited element, so none of them can run without end.

#include "level/DocumentObserver.h"
#include "level/ScriptHooks.h"
#include "script/CAction.h"
#include "script/CTrigger.h"
#include "script/ScriptElement.h"
#include "script/ScriptUsage.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace gr2 {

class CCreature;
class CPlayer;
class CWorldEditorDoc;

class LevelScript : public ScriptHooks, public DocumentObserver {
public:
    /// Installs itself as the document's script hooks and as one of its observers.
    explicit LevelScript(CWorldEditorDoc& doc);
    ~LevelScript() override;
    LevelScript(const LevelScript&) = delete;
    LevelScript& operator=(const LevelScript&) = delete;

    /// The script installed on a document; none when it has no LevelScript.
    static LevelScript* of(const CWorldEditorDoc& doc);

    CWorldEditorDoc& document() const { return m_doc; }

    // --- the arrays -------------------------------------------------------------------------------
    const std::vector<std::unique_ptr<CTrigger>>& triggers() const { return m_triggers; }
    const std::vector<std::unique_ptr<CAction>>& actions() const { return m_actions; }
    /// The first trigger with the id; none for an id that is not positive or that no trigger has.
    CTrigger* FindTrigger(int16_t id) const;
    CTrigger* TriggerAt(size_t index) const;
    /// The first action with the id; none for an id that is not negative or that no action has.
    CAction* FindAction(int16_t id) const;
    CAction* ActionAt(size_t index) const;
    /// The trigger or action an id in a next or child link names.
    ScriptElement element(int16_t id) const;

    /// A new trigger of this level: kind 0, repeat once, no parameters, no links and no id.
    std::unique_ptr<CTrigger> makeTrigger();
    /// A new action of this level: kind 0, no parameters, no links and no id.
    std::unique_ptr<CAction> makeAction();

    // --- ids ------------------------------------------------------------------------------------
    /// Gives the trigger the smallest id ≥ 1 that no trigger has. Answers 0, and leaves the
    /// trigger as it was, when all 32767 ids are taken.
    int16_t NewTriggerId(CTrigger& trigger);
    /// Gives the action the largest id ≤ -1 that no action has. Answers 0, and leaves the action as
    /// it was, when every negative id is taken.
    int16_t NewActionId(CAction& action);

    // --- adding and linking ---------------------------------------------------------------------
    /// Appends the trigger to the array and puts it at the end of its owner's chain (a trigger
    /// without owner, as while a file is read, keeps the links it has).
    CTrigger* AddTrigger(std::unique_ptr<CTrigger> trigger);
    /// Appends the action, marks the flag or timer it writes, then links it into its owner's
    /// child list (finding the owner first when it is not known).
    CAction* AddAction(std::unique_ptr<CAction> action);
    /// Puts the trigger at the end of its owner's chain; nothing for a trigger without owner or one
    /// already in that chain. Answers the trigger's id.
    int16_t LinkTrigger(CTrigger& trigger);
    /// Finds the owner of an action without one (the first trigger whose child list holds it, else
    /// the owner of the first action whose next names it), takes that trigger's player and appends
    /// the action to its child list. Answers the action's id.
    int16_t LinkAction(CAction& action);
    /// A trigger or action read from a file: appended without linking, keeping the file's links.
    /// An action still marks the flag or timer it writes. Owners are found afterwards, by
    /// AttachUnownedActions and ResolveScript.
    CTrigger* addLoadedTrigger(std::unique_ptr<CTrigger> trigger);
    CAction* addLoadedAction(std::unique_ptr<CAction> action);
    /// Attaches every action without owner to its trigger (the first trigger, in array order,
    /// whose child list holds it; else the owner of the first action whose next names it), as a
    /// level that was read needs. One pass over all child lists, however many actions there are.
    void AttachUnownedActions();
    /// What a level that was just read needs: AttachUnownedActions, then ResolveScript, over one
    /// index of the elements (neither changes an id).
    void FinishReading();
    /// Appends the id to the parent's child list unless the list already holds it. A dangling link
    /// or one that leads back into the list ends the walk and is replaced by the new id.
    void AppendToChildList(int16_t id, CTrigger& parent);
    /// The last element of the chain that starts with `head`; 0 for an empty chain. The walk ends
    /// at a dangling link and at a link back into the chain.
    int16_t LastInChain(int16_t head) const;
    /// Whether the chain that starts with `head` holds the id.
    bool chainContains(int16_t head, int16_t id) const;

    // --- deleting and detaching -----------------------------------------------------------------
    /// Deletes the trigger (or action) with its whole child list and, with `withFollowing`, every
    /// element that follows it in its chain. Every link left pointing at a deleted element is moved
    /// on to the first element after it that stays. Answers false for an id that names nothing
    /// (0 is no work and answers true).
    bool DeleteTrigger(int16_t id, bool withFollowing);
    /// Deletes one action (and the preview creature of a Create Creature action); the elements
    /// after it stay and its predecessor is linked to its successor.
    void DeleteAction(CAction& action);
    /// Takes the trigger out of its chain without deleting it; its own next link is left for the
    /// caller to set.
    void DetachTrigger(CTrigger& trigger);
    void DetachAction(CAction& action);
    /// An action edited into another kind than Create Creature lets its preview creature go, so
    /// no creature is left in the level that no action makes.
    void releasePreviewUnlessCreating(CAction& action);
    /// Deletes every trigger whose owning player is the player (each with its children).
    void DeletePlayerScript(const CPlayer& player);
    /// Deletes the whole chain attached to the object and clears its first trigger.
    void DeleteObjectScript(CLevelObject& object);

    // --- creature actions and forced first person ------------------------------------------------
    /// Makes the creature's player start the level possessing it (a Time > 0 trigger on the
    /// creature with a Force First Person action), or undoes that. A player has at most one such
    /// creature: forcing a second one removes the first one's trigger. Answers false when nothing
    /// could be done (a creature not on the map or without player, or no free id).
    bool ForceFirstPerson(CCreature& creature, bool on);
    /// The trigger that forces the player's creature; 0 when the player has none.
    int16_t forcedFirstPersonTrigger(uint8_t playerId) const;
    /// The trigger and its first child action that ForceFirstPerson made; the tree offers no
    /// commands on them.
    bool isForcedFirstPersonTrigger(const CTrigger& trigger) const;
    bool isForcedFirstPersonAction(const CAction& action) const;
    /// One Create Creature action under the trigger for each creature picked on the map, each
    /// linked to its creature. Answers how many were made; when the ids run out, the creatures
    /// left without an action are deleted (unless none could be made: the caller deletes them).
    int AddCreatureActions(CTrigger& trigger, std::span<CCreature* const> creatures);

    // --- resolving ------------------------------------------------------------------------------
    /// Walks every chain from its head (the level, action points, hero parties and their members,
    /// players, creatures, doors, traps, objects) and sets each element's owner, owner kind, owning
    /// player and placed flag. A dangling id in a top-level chain detaches the whole chain (its
    /// head becomes 0); in a child list the link naming it becomes 0. A link to an element that was
    /// already reached (a loop, or a second head into the same chain) is cut. Create Creature
    /// actions get their preview creature, and each player's forced creature is found again.
    void ResolveScript();

    // --- usage ----------------------------------------------------------------------------------
    ScriptUsage& usage() { return m_usage; }
    const ScriptUsage& usage() const { return m_usage; }

    /// Forgets every trigger and action and every usage mark, without touching the level's
    /// creatures (the level itself is being emptied).
    void clear();

    // --- ScriptHooks ----------------------------------------------------------------------------
    void deleteTriggerChain(CLevelObject& object) override;
    int16_t lastTriggerOfChain(int16_t firstTrigger) const override;
    void sourceCreatureMoved(int16_t actionId, TilePoint to) override;
    std::vector<ScriptTileBroughtInside> moveScriptTiles(const std::function<TilePoint(TilePoint)>& move,
                                                         const TileRect& oldMap,
                                                         const TileRect& keep) override;
    /// `id` names the trigger to equip (> 0) or an action under it (< 0).
    bool createCreatureActions(int16_t id, std::span<CCreature* const> creatures) override;
    void levelCleared() override;

    // --- DocumentObserver -----------------------------------------------------------------------
    void objectRemoved(CLevelObject& object) override;
    void levelReset() override;

private:
    struct ResolvePass;
    void attachUnownedActions(const ScriptElementIndex& index);
    void resolveScript(const ScriptElementIndex& index);
    /// Deletes the given elements: every surviving link that named one of them moves on to the
    /// first element after it that stays, the forced first-person records and owner pointers that
    /// named one are dropped, Create Creature preview creatures are deleted, and the elements leave
    /// the arrays, later ones in `doomed` announced first.
    void deleteElements(const std::vector<ScriptElement>& doomed, const ScriptElementIndex& index);
    void deleteTriggerObject(CTrigger& trigger, bool withFollowing);
    /// Appends `id` to the chain whose head is read and written through the functions.
    template <class Get, class Set> void appendToChain(Get head, Set setHead, int16_t id);
    void giveCreature(CAction& action, ResolvePass& pass);
    void restoreForcedFirstPerson();
    void clearForcedRecord(uint8_t playerId);
    /// Every level object that can head a chain, in the order chains are resolved: action points,
    /// hero parties (each followed by its members), players, creatures, doors, traps, objects,
    /// then effect generators.
    std::vector<CLevelObject*> chainHolders() const;

    CWorldEditorDoc& m_doc;
    std::vector<std::unique_ptr<CTrigger>> m_triggers;
    std::vector<std::unique_ptr<CAction>> m_actions;
    ScriptUsage m_usage;
    /// Per player id: the trigger that forces its first-person creature (0 none).
    std::array<int16_t, 256> m_forcedTrigger{};
};

} // namespace gr2
