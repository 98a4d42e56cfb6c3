#pragma once
// The Trigger section of a level's Triggers file: one record per trigger in array order, then one
// per action, and the reading side that turns those records back into the level's script.

#include "worlddata/ByteOrder.h"
#include "worlddata/DateStamp.h"
#include "worlddata/RecordSink.h"
#include "worlddata/SectionWriter.h"

#include <vector>

namespace gr2 {

class CAction;
class CTrigger;
class CWorldEditorDoc;
class LevelScript;

namespace TriggerSection {

/// The tile of the first placed object whose type is of the Level Gem class, packed as bx (x) and
/// by (y); 0 when the level has none.
uint32_t portalGemWord(const CWorldEditorDoc& doc);
/// What saving does to an action before its record is made: a Create Creature action takes its
/// creature's type and flags, a Create Portal Gem action the tile of the level's gem.
void refreshAction(CAction& action, const CWorldEditorDoc& doc);

Bytes packTrigger(const CTrigger& trigger);
/// Refreshes the action first, then packs it.
Bytes packAction(CAction& action, const CWorldEditorDoc& doc);

/// The section's items: trigger records (213) in array order, then action records (214).
std::vector<ThingItem> collectItems(LevelScript& script);
/// The whole section, with both times set to `saved`, as every file of a level writes them.
void write(Bytes& out, LevelScript& script, const DateStamp& saved);

} // namespace TriggerSection

/// The script's side of reading a Triggers file: each trigger record is appended as it is, each
/// action record too, marking the flag or timer it writes. Owners are found afterwards
/// (LevelScript::AttachUnownedActions, then ResolveScript when the tree is built).
class TriggerSink {
public:
    explicit TriggerSink(LevelScript& script) : m_script(script) {}

    /// Fills the trigger entries of the sink. The sink must not outlive this object.
    void bind(RecordSink& sink);

    bool when(const FlaggedRecord& record);
    bool action(const FlaggedRecord& record);

private:
    LevelScript& m_script;
};

} // namespace gr2
