#include "forms/ComputerPlayerSheet.h"

#include <algorithm>

namespace gr2 {

struct ComputerPlayerSheet::Page {
    explicit Page(const FormDescription<Bytes>& description) : form(description) {}
    Form<Bytes> form;
    bool shown = false;
};

ComputerPlayerSheet::ComputerPlayerSheet(Bytes& area, std::string playerName,
                                         std::vector<BuildOrderRoom> rooms,
                                         std::function<std::string(uint8_t)> roomName)
    : m_area(area), m_playerName(std::move(playerName)), m_rooms(std::move(rooms)),
      m_roomName(std::move(roomName))
{
    m_area.resize(kComputerSettingsSize, 0);
    const uint32_t personality = personalityOf(m_area);
    for (size_t p = 0; p < kComputerPlayerPageCount; ++p)
        m_pages.push_back(std::make_unique<Page>(computerPlayerPageForm(ComputerPlayerPage(p), personality)));
    // The list shows the order the player holds, gaps included ("<none>"): a dialog never shows
    // a value the record does not hold.
    m_order = buildOrderOf(m_area);
    m_shownOrder = m_order;
    show(ComputerPlayerPage::General);
}

ComputerPlayerSheet::~ComputerPlayerSheet() = default;

std::string ComputerPlayerSheet::caption() const
{
    const uint32_t personality = chosenPersonality();
    const std::string_view name = personalityName(personality);
    return "Computer Player Properties for \"" + m_playerName + "\" [ " +
           (name.empty() ? std::to_string(personality) : std::string(name)) + " ]";
}

FormState& ComputerPlayerSheet::state(ComputerPlayerPage page)
{
    return m_pages.at(size_t(page))->form.state();
}

void ComputerPlayerSheet::show(ComputerPlayerPage page)
{
    Page& p = *m_pages.at(size_t(page));
    if (p.shown)
        return;
    p.form.load(m_area);
    p.shown = true;
}

bool ComputerPlayerSheet::isShown(ComputerPlayerPage page) const
{
    return m_pages.at(size_t(page))->shown;
}

std::optional<FormError> ComputerPlayerSheet::validate(ComputerPlayerPage page) const
{
    const Page& p = *m_pages.at(size_t(page));
    return p.shown ? p.form.state().validate() : std::nullopt;
}

std::string ComputerPlayerSheet::entryName(size_t index) const
{
    const uint8_t id = m_order.at(index);
    if (id == 0)
        return "<none>";
    std::string name = m_roomName ? m_roomName(id) : std::string{};
    return name.empty() ? std::to_string(id) : name;
}

void ComputerPlayerSheet::selectEntry(size_t index)
{
    if (index < m_order.size())
        m_selected = index;
}

void ComputerPlayerSheet::move(BuildOrderMove move)
{
    m_selected = moveBuildOrderEntry(m_order, m_selected, move);
}

uint32_t ComputerPlayerSheet::chosenPersonality() const
{
    return uint32_t(m_pages.front()->form.state().value(kPersonalityRow));
}

bool ComputerPlayerSheet::canSetDefaults() const
{
    return chosenPersonality() != personalityOf(m_area);
}

void ComputerPlayerSheet::setDefaults()
{
    const uint32_t personality = chosenPersonality();
    setPersonality(m_area, personality, true, m_rooms);
    // The order the list shows is the user's, and stays.
    setBuildOrder(m_area, m_order);
    m_defaultsSet = true;
    for (const auto& page : m_pages)
        if (page->shown)
            page->form.load(m_area);
}

std::optional<ComputerPlayerSheet::Refusal> ComputerPlayerSheet::confirm()
{
    Bytes area = m_area;
    for (size_t p = 0; p < m_pages.size(); ++p) {
        Page& page = *m_pages[p];
        if (!page.shown)
            continue;
        if (auto error = page.form.store(area))
            return Refusal{ComputerPlayerPage(p), *error};
    }
    // The order the area holds stays unless the user moved an entry ("Set Defaults" wrote the
    // list's order into the area already).
    if (m_order != m_shownOrder)
        setBuildOrder(area, m_order);
    m_area = std::move(area);
    m_confirmed = true;
    return std::nullopt;
}

} // namespace gr2
