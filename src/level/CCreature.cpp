#include "level/CCreature.h"

#include "level/CWorldEditorDoc.h"
#include "level/ScriptHooks.h"

namespace gr2 {

void CCreature::setPosition(TilePoint p)
{
    CLevelObject::setPosition(p);
    if (m_sourceAction != 0 && document() && document()->scriptHooks())
        document()->scriptHooks()->sourceCreatureMoved(m_sourceAction, p);
}

void CCreature::resetProperties(uint32_t mask)
{
    const bool all = (mask & ResetMask::All) != 0;
    if (all || (mask & ResetMask::Health))
        m_health = 100;
    if (all || (mask & ResetMask::Gold))
        m_gold = 0;
    if (all || (mask & ResetMask::Objective)) {
        m_objective = kDefaultObjective;
        m_objectiveValue = kDefaultObjectiveValue;
        m_objectiveTarget = 0;
        setFlag2(CreatureFlag2::DestroyRooms, true);
    }
    if (all || (mask & ResetMask::Mood))
        m_extra = 0;
    if (all || (mask & ResetMask::Level))
        m_level = 1;
}

} // namespace gr2
