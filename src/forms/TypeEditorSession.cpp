#include "forms/TypeEditorSession.h"

#include "app/EditorApp.h"
#include "forms/TypeEditorForms.h"

#include <algorithm>

namespace gr2 {

namespace {

std::vector<std::string> namesOf(const TypeTableBase& table, const std::vector<size_t>& listing)
{
    std::vector<std::string> names;
    for (size_t position : listing)
        names.push_back(table.recordAt(position)->name());
    return names;
}

size_t startPosition(EditorApp& app, TypeFamily family, const std::vector<size_t>& listing,
                     std::optional<uint16_t> initialId)
{
    const TypeTableBase& table = app.types().table(family);
    if (initialId) {
        const auto found = std::find_if(listing.begin(), listing.end(), [&](size_t position) {
            return table.recordAt(position)->id() == *initialId;
        });
        if (found != listing.end())
            app.setTypeEditorPosition(family, size_t(found - listing.begin()));
    }
    const size_t remembered = app.typeEditorPosition(family);
    return listing.empty() ? 0 : std::min(remembered, listing.size() - 1);
}

} // namespace

TypeEditorSession::TypeEditorSession(EditorApp& app, TypeFamily family,
                                     const FormDescription<CTypeRecord>& form,
                                     std::optional<uint16_t> initialId, int iconCells)
    : TypeEditorSession(app, family, form, initialId, iconCells, typeEditorListing(family, app.types()))
{
}

TypeEditorSession::TypeEditorSession(EditorApp& app, TypeFamily family,
                                     const FormDescription<CTypeRecord>& form,
                                     std::optional<uint16_t> initialId, int iconCells,
                                     std::vector<size_t> listing)
    : SelectorSession<CTypeRecord>(
          form, namesOf(app.types().table(family), listing),
          [&app, family, listing](size_t position) -> CTypeRecord* {
              return position < listing.size() ? app.types().table(family).recordAt(listing[position])
                                               : nullptr;
          },
          startPosition(app, family, listing, initialId)),
      m_app(app), m_family(family), m_iconCells(std::max(0, iconCells))
{
    if (CTypeRecord* record = current())
        remember(*record);
    if (family == TypeFamily::Room)
        for (const CTerrainType& terrain : app.types().terrains())
            m_terrainsBefore.emplace_back(terrain.bytes().begin(), terrain.bytes().end());
}

bool TypeEditorSession::familyHasIcons(TypeFamily family)
{
    switch (family) {
    case TypeFamily::Shot:
    case TypeFamily::Effect:
    case TypeFamily::EffectElement:
        return false;
    default:
        return true;
    }
}

int TypeEditorSession::wrappedIcon(int index, int delta, int cells)
{
    if (cells <= 0)
        return index;
    const long long next = (static_cast<long long>(index) + delta) % cells;
    return int(next < 0 ? next + cells : next);
}

std::string TypeEditorSession::selectorLabel() const
{
    const CTypeRecord* record = current();
    return "[ ID " + std::to_string(record ? record->id() : 0) + " ] Name:";
}

std::optional<FormError> TypeEditorSession::select(size_t position)
{
    auto error = SelectorSession<CTypeRecord>::select(position);
    if (!error && current())
        m_app.setTypeEditorPosition(m_family, this->position());
    return error;
}

void TypeEditorSession::shown(CTypeRecord& record)
{
    remember(record);
}

void TypeEditorSession::remember(const CTypeRecord& record)
{
    m_loadedIcon = record.iconIndex();
    const TypeTableBase& table = m_app.types().table(m_family);
    m_before.try_emplace(table.indexOf(&record), Bytes(record.bytes().begin(), record.bytes().end()));
}

void TypeEditorSession::cancel()
{
    if (CTypeRecord* record = current();
        record && familyHasIcons(m_family) && record->iconIndex() != m_loadedIcon)
        record->setIconIndex(m_loadedIcon);
}

int TypeEditorSession::iconIndex() const
{
    const CTypeRecord* record = current();
    return record ? record->iconIndex() : 0;
}

void TypeEditorSession::stepIcon(int delta)
{
    CTypeRecord* record = current();
    if (!record || !hasIconSpin())
        return;
    record->setIconIndex(wrappedIcon(record->iconIndex(), delta, m_iconCells));
}

bool TypeEditorSession::finish()
{
    const TypeTableBase& table = m_app.types().table(m_family);
    bool changed = false;
    for (const auto& [position, before] : m_before) {
        const CTypeRecord* record = table.recordAt(position);
        if (record &&
            !std::equal(before.begin(), before.end(), record->bytes().begin(), record->bytes().end()))
            changed = true;
    }
    const TypeTableBase& terrains = m_app.types().terrains();
    for (size_t i = 0; i < m_terrainsBefore.size() && i < terrains.count(); ++i) {
        const std::span<const uint8_t> now = terrains.recordAt(i)->bytes();
        if (!std::equal(m_terrainsBefore[i].begin(), m_terrainsBefore[i].end(), now.begin(), now.end()))
            changed = true;
    }
    if (changed)
        m_app.setGameDataModified();
    m_app.typeTablesChanged();
    return changed;
}

} // namespace gr2
