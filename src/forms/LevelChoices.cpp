#include "forms/LevelChoices.h"

#include "forms/FormChoices.h"
#include "level/CActionPoint.h"
#include "level/CPlayer.h"
#include "level/CWorldEditorDoc.h"
#include "typedb/CTypeDatabase.h"

namespace gr2::LevelChoices {

ChoiceList players(const CWorldEditorDoc& doc, const std::function<bool(const CPlayer&)>& accept)
{
    ChoiceList list;
    for (size_t i = 0; i < doc.PlayerCount(); ++i) {
        const CPlayer* player = doc.PlayerAt(i);
        if (player && (!accept || accept(*player)))
            list.push_back({player->id(), player->name()});
    }
    return list;
}

ChoiceList actionPoints(const CWorldEditorDoc& doc, uint8_t except)
{
    ChoiceList list;
    for (const auto& point : doc.actionPoints())
        if (point->id() != except)
            list.push_back({point->id(), "Action Point " + std::to_string(unsigned(point->id()))});
    return list;
}

ChoiceList creatureTypes(const CTypeDatabase& types)
{
    constexpr uint32_t kReservedType = 46;
    return FormChoices::typesOf(types.creatures(), false, [](const CTypeRecord& record) {
        const auto& creature = static_cast<const CCreatureType&>(record);
        return !creature.isEliteVariant() && creature.id() != kReservedType;
    });
}

} // namespace gr2::LevelChoices
