#include "level/CLevelObject.h"

#include "level/CPlayer.h"
#include "level/CWorldEditorDoc.h"
#include "level/ScriptHooks.h"

namespace gr2 {

CPlayer* CLevelObject::owner() const
{
    if (!m_doc || m_ownerId == 0)
        return nullptr;
    return m_doc->FindPlayer(m_ownerId);
}

void CLevelObject::setOwner(const CPlayer* player)
{
    m_ownerId = player ? player->id() : 0;
}

void CLevelObject::setOwnerById(uint8_t playerId)
{
    // No player has id 0, so only another id needs looking up.
    if (playerId != 0 && m_doc && !m_doc->FindPlayer(playerId))
        playerId = 0;
    m_ownerId = playerId;
}

int16_t CLevelObject::lastTrigger() const
{
    int16_t first = firstTrigger();
    if (first == 0 || !m_doc || !m_doc->scriptHooks())
        return first;
    return m_doc->scriptHooks()->lastTriggerOfChain(first);
}

} // namespace gr2
