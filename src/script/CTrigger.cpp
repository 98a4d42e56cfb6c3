#include "script/CTrigger.h"

namespace gr2 {

CTrigger* CTrigger::parentTrigger() const
{
    if (m_ownerKind != TriggerOwnerKind::Trigger)
        return nullptr;
    return static_cast<CTrigger*>(m_owner);
}

} // namespace gr2
