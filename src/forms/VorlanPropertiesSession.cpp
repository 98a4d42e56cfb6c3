#include "forms/VorlanPropertiesSession.h"

#include "forms/ComputerPlayerSheet.h"
#include "forms/FormRows.h"
#include "level/CWorldEditorDoc.h"
#include "level/LevelTypes.h"
#include "typedb/CTypeDatabase.h"

#include <algorithm>

namespace gr2 {

namespace {

constexpr const char* kRangeMessage = "Please enter a number between %d and %d.";
/// The most creatures of one type a pool may offer.
constexpr double kMaxPoolCount = 128;
/// The most gold a player may start with.
constexpr double kMaxStartingGold = 200000;

struct RowKind {
    const char* label;
    AvailabilityKind kind;
    TypeFamily family;
};
constexpr RowKind kRows[VorlanPropertiesSession::kAvailabilityRows] = {
    {"&Room Availability:", AvailabilityKind::Rooms, TypeFamily::Room},
    {"&Door Availability:", AvailabilityKind::Doors, TypeFamily::Door},
    {"&Trap Availability:", AvailabilityKind::Traps, TypeFamily::Trap},
    {"&Spell Availability:", AvailabilityKind::VorlanSpells, TypeFamily::VorlanSpell},
};

FormRow boundedRow(std::string label, double high)
{
    FormRow row = integerRow(std::move(label), 0, high);
    row.rangeMessage = kRangeMessage;
    return row;
}

AvailabilityEntry* entryOf(std::vector<AvailabilityEntry>& list, uint8_t type)
{
    const auto it =
        std::find_if(list.begin(), list.end(), [&](const AvailabilityEntry& e) { return e.type == type; });
    return it == list.end() ? nullptr : &*it;
}

} // namespace

VorlanPropertiesSession::VorlanPropertiesSession(CWorldEditorDoc& doc, const CTypeDatabase& types,
                                                 std::optional<uint8_t> playerId)
    : m_doc(doc), m_types(types), m_values([] {
          FormDescription<Values> form;
          form.caption = kCaption;
          form.add(boundedRow("Starting &Gold:", kMaxStartingGold), memberAccess(&Values::gold));
          form.add(flagRow("Computer &Player"), memberAccess(&Values::computer));
          return form;
      }()),
      m_count([] {
          FormDescription<Count> form;
          form.add(boundedRow("", kMaxPoolCount), memberAccess(&Count::count));
          return form;
      }())
{
    for (size_t r = 0; r < kAvailabilityRows; ++r) {
        m_availability[r].kind = kRows[r].kind;
        for (const AvailabilityEntry& e : doc.types().defaultAvailability(kRows[r].kind))
            m_availability[r].types.push_back(e.type);
    }
    const std::vector<CPlayer*> players = vorlans();
    for (size_t i = 0; i < players.size(); ++i)
        if (playerId && players[i]->id() == *playerId)
            m_index = i;
    if (!players.empty())
        load(*players[m_index]);
}

VorlanPropertiesSession::~VorlanPropertiesSession() = default;

bool VorlanPropertiesSession::hasVorlan(const CWorldEditorDoc& doc)
{
    for (size_t i = 0; i < doc.PlayerCount(); ++i)
        if (doc.PlayerAt(i)->isVorlan())
            return true;
    return false;
}

std::vector<CPlayer*> VorlanPropertiesSession::vorlans() const
{
    std::vector<CPlayer*> out;
    for (size_t i = 0; i < m_doc.PlayerCount(); ++i)
        if (CPlayer* p = m_doc.PlayerAt(i); p->isVorlan())
            out.push_back(p);
    return out;
}

std::vector<std::string> VorlanPropertiesSession::playerNames() const
{
    std::vector<std::string> names;
    for (const CPlayer* p : vorlans())
        names.push_back(p->name());
    return names;
}

CPlayer& VorlanPropertiesSession::player() const
{
    return *vorlans().at(m_index);
}

void VorlanPropertiesSession::load(CPlayer& player)
{
    m_shownValues = {player.startingGold(), player.isComputer() ? 1 : 0};
    m_values.load(m_shownValues);
    m_pool = player.creaturePool();
    m_poolIndex = 0;
    m_shownCount = {m_pool.empty() ? 0 : m_pool.front().count};
    m_count.load(m_shownCount);
    for (AvailabilityRow& row : m_availability) {
        row.list = player.availability(row.kind);
        row.index = 0;
        showAvailability(row);
    }
    m_area.assign(player.computerSettings().begin(), player.computerSettings().end());
}

std::optional<VorlanPropertiesSession::Refusal> VorlanPropertiesSession::choosePlayer(size_t index)
{
    if (index >= vorlans().size())
        return std::nullopt;
    if (auto refusal = commit())
        return refusal;
    m_index = index;
    load(player());
    return std::nullopt;
}

std::vector<std::string> VorlanPropertiesSession::poolEntries() const
{
    std::vector<std::string> out;
    for (const CreaturePoolEntry& e : m_pool) {
        const CTypeRecord* type = m_types.creatures().findById(e.type);
        out.push_back(type ? type->name() : std::to_string(e.type));
    }
    return out;
}

std::optional<VorlanPropertiesSession::Refusal> VorlanPropertiesSession::keepPoolCount()
{
    if (m_pool.empty())
        return std::nullopt;
    if (auto error = m_count.store(m_shownCount))
        return Refusal{Refusal::Field::PoolCount, error->message};
    m_pool[m_poolIndex].count = m_shownCount.count;
    return std::nullopt;
}

std::optional<VorlanPropertiesSession::Refusal> VorlanPropertiesSession::choosePool(size_t index)
{
    if (index >= m_pool.size())
        return std::nullopt;
    if (auto refusal = keepPoolCount())
        return refusal;
    m_poolIndex = index;
    m_shownCount = {m_pool[index].count};
    m_count.load(m_shownCount);
    return std::nullopt;
}

const char* VorlanPropertiesSession::availabilityLabel(size_t row)
{
    return kRows[row].label;
}

std::string VorlanPropertiesSession::typeName(AvailabilityKind kind, uint8_t type) const
{
    for (const RowKind& r : kRows)
        if (r.kind == kind)
            if (const CTypeRecord* record = m_types.table(r.family).findRecordById(type))
                return record->name();
    return std::to_string(type);
}

std::vector<std::string> VorlanPropertiesSession::availabilityTypes(size_t row) const
{
    std::vector<std::string> out;
    for (uint8_t type : m_availability.at(row).types)
        out.push_back(typeName(m_availability[row].kind, type));
    return out;
}

void VorlanPropertiesSession::showAvailability(AvailabilityRow& row)
{
    AvailabilityEntry* entry =
        row.index < row.types.size() ? entryOf(row.list, row.types[row.index]) : nullptr;
    row.box = availabilityBoxOf(entry ? entry->state : 1);
}

void VorlanPropertiesSession::keepAvailability(AvailabilityRow& row)
{
    if (row.index >= row.types.size())
        return;
    // A state the box cannot show (a type the level uses but the player lacks) stays until the
    // user changes the box.
    AvailabilityEntry* entry = entryOf(row.list, row.types[row.index]);
    if (entry && availabilityBoxOf(entry->state) != row.box)
        entry->state = availabilityStateOf(row.box);
}

void VorlanPropertiesSession::chooseAvailability(size_t row, size_t index)
{
    AvailabilityRow& r = m_availability.at(row);
    if (index >= r.types.size())
        return;
    keepAvailability(r);
    r.index = index;
    showAvailability(r);
}

void VorlanPropertiesSession::applyToAll(size_t row)
{
    AvailabilityRow& r = m_availability.at(row);
    for (uint8_t type : r.types)
        if (AvailabilityEntry* entry = entryOf(r.list, type);
            entry && availabilityBoxOf(entry->state) != r.box)
            entry->state = availabilityStateOf(r.box);
}

std::unique_ptr<ComputerPlayerSheet> VorlanPropertiesSession::computerSheet()
{
    const CTypeDatabase& types = m_types;
    return std::make_unique<ComputerPlayerSheet>(m_area, player().name(), m_doc.types().roomTypes(),
                                                 [&types](uint8_t id) {
                                                     const CTypeRecord* room = types.rooms().findById(id);
                                                     return room ? room->name() : std::string{};
                                                 });
}

void VorlanPropertiesSession::computerSheetClosed(const ComputerPlayerSheet& sheet)
{
    if (!sheet.confirmed() || !sheet.defaultsSet())
        return;
    if (const std::optional<int32_t> gold = personalityStartingGold(sheet.chosenPersonality()))
        values().setText(kGoldRow, std::to_string(*gold));
}

std::optional<VorlanPropertiesSession::Refusal> VorlanPropertiesSession::commit()
{
    if (vorlans().empty())
        return std::nullopt;
    if (auto error = m_values.state().validate())
        return Refusal{error->row == kGoldRow ? Refusal::Field::Gold : Refusal::Field::PoolCount,
                       error->message};
    if (auto refusal = keepPoolCount())
        return refusal;
    m_values.store(m_shownValues);
    for (AvailabilityRow& row : m_availability)
        keepAvailability(row);

    CPlayer& p = player();
    bool changed = p.startingGold() != m_shownValues.gold || p.isComputer() != (m_shownValues.computer != 0);
    p.setStartingGold(m_shownValues.gold);
    p.setComputer(m_shownValues.computer != 0);
    // The working pool is the player's, entry by entry: a pool that names a type twice keeps each
    // entry's own count.
    std::vector<CreaturePoolEntry>& pool = p.creaturePool();
    for (size_t i = 0; i < pool.size() && i < m_pool.size(); ++i) {
        changed |= pool[i].count != m_pool[i].count;
        pool[i].count = m_pool[i].count;
    }
    for (AvailabilityRow& row : m_availability) {
        std::vector<AvailabilityEntry>& list = p.availability(row.kind);
        for (size_t i = 0; i < list.size() && i < row.list.size(); ++i) {
            changed |= list[i].state != row.list[i].state;
            list[i].state = row.list[i].state;
        }
    }
    if (!std::equal(m_area.begin(), m_area.end(), p.computerSettings().begin(), p.computerSettings().end())) {
        std::copy_n(m_area.begin(), std::min(m_area.size(), kComputerSettingsSize),
                    p.computerSettings().begin());
        changed = true;
    }
    if (changed) {
        m_doc.SetModifiedFlag(true);
        m_doc.notifyObjectChanged(p);
    }
    return std::nullopt;
}

} // namespace gr2
