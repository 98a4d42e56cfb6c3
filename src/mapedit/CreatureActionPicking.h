#pragma once
// Add Creature Action: while it runs, every creature the user places on the map becomes a preview
// for a Create Creature action of one trigger instead of a creature of the map, and the prompt
// lists it. Finishing makes one action per creature, in picking order; cancelling deletes the
// previews. The whole session is one step of the level's history.

#include "level/DocumentObserver.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace gr2 {

class CTrigger;
class CTypeDatabase;
class CWorldEditorDoc;
class EditStep;

class CreatureActionPicking : public DocumentObserver {
public:
    static constexpr const char* kTitle = "Create Creature Action";
    static constexpr const char* kPrompt = "Place creatures to be added to the map";

    CreatureActionPicking(CWorldEditorDoc& doc, const CTypeDatabase& db);
    ~CreatureActionPicking() override;
    CreatureActionPicking(const CreatureActionPicking&) = delete;
    CreatureActionPicking& operator=(const CreatureActionPicking&) = delete;

    /// Starts picking for the trigger; false while the level is already picking creatures.
    bool begin(const CTrigger& trigger, std::string stepName);
    bool isPicking() const;
    /// One line per picked creature: its type, level and tile as the script tree counts tiles.
    std::vector<std::u16string> lines() const;
    /// Ends picking: finished makes the actions, otherwise the previews are deleted.
    void finish(bool finished);
    /// Called when a creature was picked (or a picked one went).
    void setChangedListener(std::function<void()> listener) { m_changed = std::move(listener); }

    void tilesChanged(const TileRect& rect) override;
    void objectRemoved(CLevelObject& object) override;

private:
    CWorldEditorDoc& m_doc;
    const CTypeDatabase& m_db;
    std::unique_ptr<EditStep> m_step;
    std::function<void()> m_changed;
};

} // namespace gr2
