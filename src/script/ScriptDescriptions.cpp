#include "script/ScriptDescriptions.h"

#include "level/CPlayer.h"
#include "level/CWorldEditorDoc.h"
#include "script/ActionKind.h"
#include "script/ButtonCategory.h"
#include "script/CAction.h"
#include "script/CTrigger.h"
#include "script/CompareOp.h"
#include "script/CreatureObjective.h"
#include "script/MiscButtonId.h"
#include "script/TriggerKind.h"
#include "script/TriggerSection.h"
#include "typedb/CTypeDatabase.h"

namespace gr2 {

// --- names ---------------------------------------------------------------------------------------

std::u16string latin1ToUtf16(std::string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    for (char c : text)
        out.push_back(char16_t(uint8_t(c)));
    return out;
}

std::u16string ascii(std::string_view text)
{
    return latin1ToUtf16(text);
}

std::u16string decimal(uint32_t value)
{
    return ascii(std::to_string(value));
}

std::u16string signedDecimal(int32_t value)
{
    return ascii(std::to_string(value));
}

std::u16string scriptPlayerName(const CWorldEditorDoc& doc, uint8_t id)
{
    const CPlayer* player = id != 0 ? doc.FindPlayer(id) : nullptr;
    return player ? latin1ToUtf16(player->name()) : std::u16string();
}

std::u16string scriptTypeName(const CTypeDatabase& db, TypeFamily family, uint8_t id)
{
    const CTypeRecord* record = db.table(family).findRecordById(id);
    return record ? latin1ToUtf16(record->name()) : std::u16string();
}

bool buttonCategoryFamily(uint8_t category, TypeFamily& family)
{
    switch (category) {
    case 1:
        family = TypeFamily::Room;
        return true;
    case 2:
        family = TypeFamily::Creature;
        return true;
    case 3:
        family = TypeFamily::Door;
        return true;
    case 4:
        family = TypeFamily::Trap;
        return true;
    case 5:
        family = TypeFamily::VorlanSpell;
        return true;
    default:
        return false;
    }
}

std::u16string_view buttonCategoryName(uint8_t category)
{
    auto categories = buttonCategories();
    return category < categories.size() ? categories[category].name : std::u16string_view();
}

std::u16string_view miscButtonName(uint8_t id)
{
    for (const CodeName& button : miscButtonIds())
        if (button.code == id)
            return button.name;
    return {};
}

std::u16string_view objectiveDisplayName(uint8_t code)
{
    auto objectives = creatureObjectives();
    const size_t at = code > 20 ? size_t(code) - 1 : code;
    return at < objectives.size() ? objectives[at].name : std::u16string_view();
}

bool terrainIsOwnable(const CTypeDatabase& db, uint8_t terrainId)
{
    const CTerrainType* terrain = db.terrains().findById(terrainId);
    return terrain && terrain->hasFlag(TerrainTypeFlag::Ownable);
}

namespace {

/// A button of a category: the Misc Button's own name, else the type of the category's family.
std::u16string buttonName(const CTypeDatabase& db, uint8_t category, uint8_t id)
{
    if (category == 0)
        return std::u16string(miscButtonName(id));
    TypeFamily family;
    return buttonCategoryFamily(category, family) ? scriptTypeName(db, family, id) : std::u16string();
}

std::u16string flagName(uint32_t index)
{
    return index == 128 ? std::u16string(u"Level Score") : u"Flag " + decimal(index + 1);
}

std::u16string onOff(uint8_t x)
{
    return x != 0 ? u" [ On ]" : u" [ Off ]";
}

std::u16string zoom(uint8_t actionPoint)
{
    return actionPoint != 0 ? u" [ Zoom To AP " + decimal(actionPoint) + u" ]" : std::u16string();
}

std::u16string sym(uint8_t op)
{
    return std::u16string(compareOpSymbol(op));
}

/// Names the lines use, bound to one level and one type database.
struct Names {
    const CWorldEditorDoc& doc;
    const CTypeDatabase& db;

    std::u16string player(uint8_t id) const { return scriptPlayerName(doc, id); }
    std::u16string creature(uint8_t id) const { return scriptTypeName(db, TypeFamily::Creature, id); }
    std::u16string room(uint8_t id) const { return scriptTypeName(db, TypeFamily::Room, id); }
    std::u16string terrain(uint8_t id) const { return scriptTypeName(db, TypeFamily::Terrain, id); }
    std::u16string object(uint8_t id) const { return scriptTypeName(db, TypeFamily::Object, id); }
    std::u16string door(uint8_t id) const { return scriptTypeName(db, TypeFamily::Door, id); }
    std::u16string trap(uint8_t id) const { return scriptTypeName(db, TypeFamily::Trap, id); }
    std::u16string spell(uint8_t id) const { return scriptTypeName(db, TypeFamily::VorlanSpell, id); }
};

// --- actions -------------------------------------------------------------------------------------

std::u16string flashState(bool on, uint32_t seconds, std::u16string_view untilText,
                          std::u16string_view forText)
{
    if (!on)
        return u"Off";
    if (seconds == 0)
        return std::u16string(untilText);
    return std::u16string(forText) + decimal(seconds) + u" Seconds";
}

std::u16string setFlagText(const CAction& a)
{
    const uint8_t mode = a.a(1);
    const std::u16string target = flagName(a.a(0));
    std::u16string operand;
    if ((mode & SetFlagMode::OperandConstant) ||
        !(mode & (SetFlagMode::OperandConstant | SetFlagMode::OperandFlag)))
        operand = decimal(a.b());
    else
        operand = flagName(a.b());
    if ((mode & SetFlagMode::SetEqual) || !(mode & (SetFlagMode::Add | SetFlagMode::Subtract)))
        return target + u" = " + operand;
    if (mode & SetFlagMode::Add)
        return target + u" = " + target + u" + " + operand;
    return target + u" = " + target + u" - " + operand;
}

std::u16string actionText(const CAction& a, const Names& n)
{
    using K = ActionKind;
    const ActionParameters& p = a.parameters();
    const std::u16string name(actionKindName(a.kind()));
    switch (K(a.kind())) {
    case K::Null:
        return {};
    // No text of their own: the kind's name, so that the line never reads empty.
    case K::ModifyCreaturePool:
    case K::CreateDoor:
    case K::CreateTrap:
    case K::CreateEffect:
    case K::CreateCreature:
    case K::WinGame:
    case K::LoseGame:
    case K::WinSubobjective:
    case K::LoseSubobjective:
    case K::AttachPortalGem:
    case K::ForceFirstPerson:
    case K::MakeHungry:
    case K::ZoomTo:
        return name;
    case K::CreatePortalGem: {
        ActionParameters gem;
        gem.b = TriggerSection::portalGemWord(n.doc);
        return name + u" [ " + decimal(gem.bx() + 1u) + u", " + decimal(gem.by() + 1u) + u" ]";
    }
    case K::SendToActionPoint:
        return u"Send To AP " + decimal(p.b0());
    case K::DisplayObjective:
        return u"Objective " + decimal(p.word()) + zoom(p.b0());
    case K::DisplayInformation:
        return u"Information " + decimal(p.word()) + zoom(p.b0());
    case K::SetAvailability: {
        TypeFamily family;
        const std::u16string item =
            buttonCategoryFamily(p.a[1], family) ? scriptTypeName(n.db, family, p.a[2]) : std::u16string();
        std::u16string text = u"Make " + std::u16string(buttonCategoryName(p.a[1])) + u" [ " + item + u" ] " +
                              (p.a[3] != 0 ? u"A" : u"Una") + u"vailable";
        const CPlayer* owner = a.owner();
        if (p.a[0] != 0 && (!owner || owner->id() != p.a[0]))
            text += u" To " + n.player(p.a[0]);
        return text;
    }
    case K::SetFlag:
        return setFlagText(a);
    case K::SetTimer:
        return u"Initialise Timer " + decimal(p.a[0] + 1u);
    case K::FlashButton:
        return u"Flash Button [ " + std::u16string(buttonCategoryName(p.a[0])) + u" - " +
               buttonName(n.db, p.a[0], p.a[1]) + u" ] " +
               flashState(p.a[2] != 0, p.b, u"Until Selected", u"For ");
    case K::CreateHeroParty:
        if (p.a[1] == 0)
            return u"Create Hero Party " + decimal(p.a[0] + 1u) + u" At AP " + decimal(p.b0());
        return u"Create Invasion Party " + decimal(p.a[0] + 1u) + u" At AP " + decimal(p.b0()) +
               (p.a[1] == 1 ? u"[IP]" : u"[IP - Random ]");
    case K::SetCreatureObjective: {
        std::u16string text = u"Set Objective [ " + std::u16string(objectiveDisplayName(p.a[1])) + u" ";
        if (p.a[1] == CreatureObjective::SendToActionPoint)
            return text + decimal(p.b0()) + u" ]";
        if (p.a[1] == CreatureObjective::Wait)
            return text + u"]";
        if (p.a[0] == 0)
            return text + u"[ Any Player ] ]";
        return text + u"[ " + n.player(p.a[0]) + u" ] ]";
    }
    case K::FlashActionPoint:
        return u"Flash AP " + decimal(p.a[0]) + u" " +
               flashState(p.a[1] != 0, p.b, u"Until Switched Off", u"for ");
    case K::RevealActionPoint:
        return (p.a[1] == 0 ? u"Reveal AP " : u"Conceal AP ") + decimal(p.a[0]);
    case K::SetAlliance:
        return (p.a[2] == 0 ? u"Create Alliance [ " : u"Break Alliance [ ") + n.player(p.a[0]) + u" & " +
               n.player(p.a[1]) + u" ]";
    case K::AlterTerrainType: {
        std::u16string text =
            u"Alter [ " + decimal(p.bx()) + u", " + decimal(p.by()) + u" ] to " + n.terrain(p.a[0]);
        if (terrainIsOwnable(n.db, p.a[0]))
            text += u" [ " + n.player(p.a[1]) + u" ]";
        return text;
    }
    case K::SetLevelTimeLimit:
        return u"Set Time Limit: " + decimal(p.b) + u" Seconds";
    case K::PlaySpeech: {
        std::u16string text = u"Play Speech ID " + decimal(p.word());
        if (p.b0() == 1)
            text += u" [ Without Text ]";
        if (p.b1() != 0)
            text = u"[I] " + text + u" [ Path " + signedDecimal(p.by()) + u" ]";
        return text;
    }
    case K::DisplayTextString:
        return u"Display Text Message " + decimal(p.word());
    case K::ZoomToActionPoint:
        return u"Zoom To AP " + decimal(p.a[0]);
    case K::RotateAroundActionPoint: {
        if (p.a[1] > 1)
            return {};
        const int16_t angle = int16_t(uint16_t(p.a[2] | p.a[3] << 8));
        return u"Rotate Around AP " + decimal(p.a[0]) + (p.a[1] == 0 ? u" [ Relative: " : u" [ Absolute: ") +
               decimal(p.b) + u" Secs - " + signedDecimal(angle) + u" Degs ]";
    }
    case K::GenerateCreature:
        return u"Generate " + n.creature(p.a[0]) + u" [ Level " + decimal(p.a[1]) + u" ]";
    case K::ShowHealthFlower:
        return u"Show Health Flower [ " + decimal(p.word()) + u" Seconds ]";
    case K::CameraFollowPath:
        return u"Follow Camera Path " + decimal(p.a[0]) + u" Around AP " + decimal(p.a[1]) +
               (p.a[2] != 0 ? u" [ Hide Ceiling ]" : u"");
    case K::CollapseHeroGate:
        return u"Collapse Hero Gate At [ " + decimal(p.bx()) + u", " + decimal(p.by()) + u" ]";
    case K::AlterSpeed:
        return p.a[0] == 0 ? u"Set Speed [ Walk ]" : u"Set Speed [ Run ]";
    case K::SetMusicExcitementLevel:
        return u"Set Music Level " + decimal(p.word());
    case K::RemoveFromMap:
        return u"Remove From Map";
    case K::SetFightFlag:
        return std::u16string(u"Set Fight Flag [ ") + (p.a[0] == 0 ? u"Don't" : u"") + u" Fight ]";
    case K::SetPortalStatus:
        return p.a[0] == 0 ? u"Close Portals" : u"Open Portals";
    case K::SetWidescreenMode:
    case K::SetCreatureMoods:
    case K::SetSystemMessages:
    case K::SetTimerSpeech:
        return name + onOff(p.a[0]);
    case K::MakeObjective:
        switch (p.a[0]) {
        case 0:
            return name + u" [ Off ]";
        case 1:
            return name + u" [ Kill ]";
        case 2:
            return name + u" [ Imprison ]";
        case 3:
            return name + u" [ Convert ]";
        default:
            return name;
        }
    case K::DisplaySlabOwner:
        return name + onOff(p.a[0]) + u" Of [ " + decimal(p.bx()) + u", " + decimal(p.by()) + u" ]";
    case K::DisplayNextRoomType:
        return name + (p.a[0] == 0 ? std::u16string(u" [ Off ]") : u" [ " + n.room(p.a[0]) + u" ]");
    case K::ToggleEffectGenerator:
        return name + u" " + signedDecimal(p.a[0] + 1) + u" " + (p.a[1] != 0 ? u"[ On ]" : u"[ Off ]");
    case K::ChangeRoomOwner:
        return name + u" At [ " + decimal(p.bx()) + u", " + decimal(p.by()) + u" ] To " + n.player(p.a[1]);
    case K::SetSlapsLimit:
        return name + (p.b == 0 ? std::u16string(u" [ Off ]") : u" [ " + decimal(p.b) + u" ]");
    }
    return {};
}

// --- triggers ------------------------------------------------------------------------------------

bool isPlayerAttribute(TriggerKind k)
{
    const int code = int(k);
    return (code >= 19 && code <= 33) || code == 52 || code == 68 || code == 71 || code == 73 || code == 74;
}

std::u16string playerAttributeText(const CTrigger& t, const Names& n, std::u16string_view name)
{
    using K = TriggerKind;
    const K kind = K(t.kind());
    std::u16string text;
    if (kind == K::Doors || kind == K::Traps) {
        if (t.flags() & TriggerFlag::CountBlueprints)
            text += u"[ Blueprint ] ";
        else if (t.flags() & TriggerFlag::CountBuilt)
            text += u"[ Built ] ";
    }
    text += std::u16string(name) + u" ";
    if (t.subject() != 0) {
        std::u16string type;
        bool typed = true;
        switch (kind) {
        case K::PlayerCreatures:
        case K::HappyCreatures:
        case K::AngryCreatures:
            type = n.creature(t.subject());
            break;
        case K::RoomSlabs:
        case K::Rooms:
        case K::RoomSize:
        case K::RoomFurniture:
            type = n.room(t.subject());
            break;
        case K::Doors:
            type = n.door(t.subject());
            break;
        case K::Traps:
            type = n.trap(t.subject());
            break;
        case K::VorlanSpell:
            type = n.spell(t.subject());
            break;
        default:
            typed = false;
            break;
        }
        if (typed)
            text += u"[ " + type + u" ] ";
    }
    if (kind == K::CreaturesKilled || kind == K::KillsCreatures)
        text += t.other() != 0 ? u"[ " + n.player(t.other()) + u" ] " : std::u16string(u"[ Any Player ] ");
    else if (kind == K::CreaturesAtLevel)
        text += decimal(t.other()) + u" ";
    if (t.op() == 0)
        return text + u"Available";
    text += sym(t.op());
    if (t.flags() & TriggerFlag::CompareWithValue)
        return text + u" " + decimal(t.value());
    if (t.other() == 0)
        return text + u" [ Any Player ]";
    return text + u" [ " + n.player(t.other()) + u" ]";
}

std::u16string actionPointText(const CTrigger& t, const Names& n, std::u16string_view name)
{
    using K = TriggerKind;
    const K kind = K(t.kind());
    std::u16string text = std::u16string(name) + u": ";
    // The "All Of" kinds compare nothing; Claim All Of still names its terrain.
    if (kind != K::ClaimAllOf && kind != K::TagAllOf) {
        if (t.op() != uint8_t(CompareOp::Equal))
            text += sym(t.op());
        text += u" " + decimal(t.value()) + u" ";
    }
    if (t.flags() == 0) {
        if (kind == K::NotUsed || kind == K::CongregateIn)
            text += u"Creatures";
        else if (kind == K::ClaimPartOf || kind == K::SlabTypes || kind == K::TagPartOf)
            text += u"Slabs";
    } else {
        switch (kind) {
        case K::NotUsed:
            text += n.creature(t.flags()) + u" ";
            break;
        case K::CongregateIn:
            if (t.other() == uint8_t(TriggerOwnerKind::Creature))
                text += n.creature(t.flags()) + u" ";
            else if (t.other() == uint8_t(TriggerOwnerKind::Object))
                text += n.object(t.flags()) + u" ";
            break;
        case K::ClaimPartOf:
        case K::ClaimAllOf:
        case K::SlabTypes:
            text += n.terrain(t.flags()) + u" ";
            break;
        default:
            break;
        }
    }
    const bool unownedSlabs = kind == K::SlabTypes && t.flags() != 0 && !terrainIsOwnable(n.db, t.flags());
    if (t.subject() != 0 && !unownedSlabs)
        text += u" [ " + n.player(t.subject()) + u" ] ";
    return text;
}

std::u16string triggerText(const CTrigger& t, const Names& n)
{
    using K = TriggerKind;
    if (t.kind() >= kTriggerKindCount)
        return {};
    const K kind = K(t.kind());
    const std::u16string name(triggerKindName(t.kind()));
    if (isPlayerAttribute(kind))
        return playerAttributeText(t, n, name);
    switch (kind) {
    case K::Null:
        return {};
    case K::Flag:
        return (t.subject() == 128 ? std::u16string(u"Level Score ")
                                   : u"Flag " + decimal(t.subject() + 1u) + u" ") +
               sym(t.op()) +
               ((t.flags() & TriggerFlag::CompareWithValue) ? u" " + decimal(t.value())
                                                            : u" Flag " + decimal(t.other() + 1u));
    case K::Timer:
        return (t.subject() == 16 ? std::u16string(u"Time Limit ")
                                  : u"Timer " + decimal(t.subject() + 1u) + u" ") +
               sym(t.op()) +
               ((t.flags() & TriggerFlag::CompareWithValue) ? u" " + decimal(t.value())
                                                            : u" Timer " + decimal(t.other() + 1u));
    case K::CreaturePickedUp:
    case K::CreatureSlapped:
    case K::CreatureSacked:
    case K::CreatureIntroduced:
        return t.op() != 0 ? name + u" [ " + n.creature(t.op()) + u" ]" : name;
    case K::CreatureDropped:
        if (t.op() != 0 && t.subject() != 0)
            return name + u" [ " + n.creature(t.op()) + u" On " + n.room(t.subject()) + u" ]";
        if (t.op() != 0)
            return name + u" [ " + n.creature(t.op()) + u" ]";
        if (t.subject() != 0)
            return name + u" [ On " + n.room(t.subject()) + u" ]";
        return name;
    case K::PlayerKilled:
    case K::DungeonBreached:
    case K::EnemyBreached:
        return name + (t.op() != 0 ? u" By " + n.player(t.op()) : std::u16string(u" By Any Player"));
    case K::ButtonPressed:
        return u"Button [ " + std::u16string(buttonCategoryName(t.op())) + u" - " +
               buttonName(n.db, t.op(), t.subject()) + u" ] Clicked";
    // The experience level compares like the other creature attributes.
    case K::ExperienceLevel:
    case K::Time:
    case K::LevelCreatures:
    case K::Played:
    case K::Health:
    case K::GoldHeld:
        return name + u" " + sym(t.op()) + u" " + decimal(t.value());
    case K::NotUsed:
    case K::CongregateIn:
    case K::ClaimPartOf:
    case K::ClaimAllOf:
    case K::SlabTypes:
    case K::TagPartOf:
    case K::TagAllOf:
        return actionPointText(t, n, name);
    case K::PossessedCreatureEnters: {
        std::u16string type;
        if (t.flags() != 0 && t.other() == uint8_t(TriggerOwnerKind::Creature))
            type = n.creature(t.flags()) + u" ";
        else if (t.flags() != 0 && t.other() == uint8_t(TriggerOwnerKind::Object))
            type = n.object(t.flags()) + u" ";
        return u"Entered By Possessed " + type + u"[ " +
               (t.subject() != 0 ? n.player(t.subject()) : std::u16string(u"Any Player")) + u" ]";
    }
    case K::MembersKilled:
    case K::MembersCaptured:
    case K::MembersIncapacitated:
        return sym(t.op()) + u" " + decimal(t.value()) + u" " + name;
    case K::TransitionEnds:
        return u"Transition Ends";
    default:
        // The events, Created (hero party) and the kinds no editor sets: the name alone.
        return name;
    }
}

} // namespace

std::u16string describeTrigger(const CTrigger& trigger, const CWorldEditorDoc& doc, const CTypeDatabase& db)
{
    return triggerText(trigger, Names{doc, db});
}

std::u16string describeAction(const CAction& action, const CWorldEditorDoc& doc, const CTypeDatabase& db)
{
    if (action.kind() >= kActionKindCount)
        return {};
    return actionText(action, Names{doc, db});
}

} // namespace gr2
