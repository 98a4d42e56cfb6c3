#include "script/TriggerPageLists.h"

#include "level/CWorldEditorDoc.h"
#include "script/CompareOp.h"
#include "script/MiscButtonId.h"
#include "script/ScriptDescriptions.h"
#include "script/ScriptUsage.h"
#include "typedb/CTypeDatabase.h"

#include <algorithm>
#include <functional>

namespace gr2 {

namespace {

/// The creature type no list of the script offers.
constexpr uint16_t kHiddenCreatureType = 46;

constexpr std::u16string_view kAnyType = u"<any type>";

std::u16string number(unsigned n)
{
    return latin1ToUtf16(std::to_string(n));
}

bool shown(uint8_t index, const std::vector<uint8_t>& alsoShow)
{
    return std::find(alsoShow.begin(), alsoShow.end(), index) != alsoShow.end();
}

TriggerChoiceList numbered(int count, std::u16string_view prefix, uint8_t special,
                           std::u16string_view specialName, const std::function<bool(uint8_t)>& used,
                           const std::vector<uint8_t>& alsoShow)
{
    TriggerChoiceList list;
    for (int i = 0; i < count; ++i)
        if (used(uint8_t(i)) || shown(uint8_t(i), alsoShow))
            list.push_back({uint32_t(i), std::u16string(prefix) + number(unsigned(i) + 1)});
    if (used(special) || shown(special, alsoShow))
        list.push_back({special, std::u16string(specialName)});
    return list;
}

} // namespace

namespace TriggerLists {

TriggerChoiceList typesOf(const TypeTableBase& table, std::u16string_view first,
                          const std::function<bool(const CTypeRecord&)>& accept)
{
    TriggerChoiceList list;
    if (!first.empty())
        list.push_back({0, std::u16string(first)});
    for (size_t i = 0; i < table.count(); ++i) {
        const CTypeRecord* r = table.recordAt(i);
        if (r && (!accept || accept(*r)))
            list.push_back({r->id(), latin1ToUtf16(r->name())});
    }
    return list;
}

} // namespace TriggerLists

std::optional<size_t> triggerChoiceIndex(const TriggerChoiceList& list, uint32_t value)
{
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].value == value)
            return i;
    return std::nullopt;
}

namespace TriggerLists {

TriggerChoiceList players(const CWorldEditorDoc& doc)
{
    TriggerChoiceList list{{0, u"<any player>"}};
    for (size_t i = 0; i < doc.PlayerCount(); ++i)
        if (const CPlayer* p = doc.PlayerAt(i))
            list.push_back({p->id(), latin1ToUtf16(p->name())});
    return list;
}

TriggerChoiceList operators(bool withAvailable)
{
    TriggerChoiceList list;
    if (withAvailable)
        list.push_back({0, u"Available"});
    for (const CompareOpInfo& op : compareOps())
        list.push_back({uint32_t(op.code), std::u16string(op.longName)});
    return list;
}

TriggerChoiceList creatureTypes(const CTypeDatabase& db)
{
    return typesOf(db.creatures(), kAnyType,
                   [](const CTypeRecord& r) { return r.id() != kHiddenCreatureType; });
}

TriggerChoiceList creatureTypesWithoutElites(const CTypeDatabase& db)
{
    return typesOf(db.creatures(), kAnyType, [](const CTypeRecord& r) {
        return r.id() != kHiddenCreatureType && !static_cast<const CCreatureType&>(r).isEliteVariant();
    });
}

TriggerChoiceList roomTypes(const CTypeDatabase& db)
{
    return typesOf(db.rooms(), kAnyType);
}
TriggerChoiceList doorTypes(const CTypeDatabase& db)
{
    return typesOf(db.doors(), kAnyType);
}
TriggerChoiceList trapTypes(const CTypeDatabase& db)
{
    return typesOf(db.traps(), kAnyType);
}
TriggerChoiceList vorlanSpellTypes(const CTypeDatabase& db)
{
    return typesOf(db.vorlanSpells(), kAnyType);
}
TriggerChoiceList objectTypes(const CTypeDatabase& db)
{
    return typesOf(db.objects(), kAnyType);
}
TriggerChoiceList terrainTypes(const CTypeDatabase& db)
{
    return typesOf(db.terrains(), u"Slabs");
}

TriggerChoiceList flags(const ScriptUsage& usage, const std::vector<uint8_t>& alsoShow)
{
    return numbered(
        ScriptFlagIndex::kCount, u"Flag ", ScriptFlagIndex::LevelScore, u"Level Score",
        [&usage](uint8_t i) {
            return i == ScriptFlagIndex::LevelScore ? usage.isLevelScoreUsed() : usage.isFlagUsed(i);
        },
        alsoShow);
}

TriggerChoiceList timers(const ScriptUsage& usage, const std::vector<uint8_t>& alsoShow)
{
    return numbered(
        ScriptTimerIndex::kCount, u"Timer ", ScriptTimerIndex::TimeLimit, u"Time Limit",
        [&usage](uint8_t i) {
            return i == ScriptTimerIndex::TimeLimit ? usage.isTimeLimitUsed() : usage.isTimerUsed(i);
        },
        alsoShow);
}

TriggerChoiceList buttonCategories()
{
    TriggerChoiceList list;
    for (const CodeName& c : gr2::buttonCategories())
        list.push_back({c.code, std::u16string(c.name)});
    return list;
}

TriggerChoiceList miscButtons()
{
    TriggerChoiceList list;
    for (const CodeName& b : miscButtonIds())
        if (b.code != 0 && b.name != u"<Unused>")
            list.push_back({b.code, std::u16string(b.name)});
    return list;
}

TriggerChoiceList buttons(const CTypeDatabase& db, ButtonCategory category)
{
    switch (category) {
    case ButtonCategory::Misc:
        return miscButtons();
    case ButtonCategory::Room:
        return typesOf(db.rooms(), {});
    case ButtonCategory::Creature:
        return typesOf(db.creatures(), {},
                       [](const CTypeRecord& r) { return r.id() != kHiddenCreatureType; });
    case ButtonCategory::Door:
        return typesOf(db.doors(), {});
    case ButtonCategory::Trap:
        return typesOf(db.traps(), {},
                       [](const CTypeRecord& r) { return !static_cast<const CTrapType&>(r).isDoorTrap(); });
    case ButtonCategory::VorlanSpell:
        return typesOf(db.vorlanSpells(), {});
    }
    return {};
}

} // namespace TriggerLists

} // namespace gr2
