#include "TypeEditCommand.h"

#include "app/EditorApp.h"
#include "app/Prompter.h"
#include "forms/FormTextEntry.h"
#include "forms/TypeEditorForms.h"
#include "forms/TypeEditorSession.h"
#include "worlddata/DataStream.h"

#include <algorithm>

namespace gr2 {

namespace {

std::optional<TypeFamily> familyNamed(std::string name)
{
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    for (TypeFamily family : kAllTypeFamilies) {
        std::string known = familyName(family);
        std::transform(known.begin(), known.end(), known.begin(),
                       [](unsigned char c) { return char(std::tolower(c)); });
        known.erase(std::remove(known.begin(), known.end(), ' '), known.end());
        if (known == name)
            return family;
    }
    return std::nullopt;
}

} // namespace

void TypeEditCommand::define(CLI::App& app)
{
    m_command = app.add_subcommand(
        "edit-type", "Change fields of a type as its type editor does, then save the game data");
    m_command->add_option("FAMILY", m_family, "door, trap or object")->required();
    auto* id = m_command->add_option("--id", m_id, "The first type with this id");
    m_command->add_option("--position", m_position, "The type at this place of the table, from 0")
        ->excludes(id);
    m_command
        ->add_option("SET", m_settings,
                     "\"Label=value\", the label as the editor shows it (\"Gold Cost=250\")")
        ->required();
}

int TypeEditCommand::run(Prompter& prompter)
{
    auto fail = [&prompter](const std::string& text) {
        prompter.message(text, Prompter::Icon::Exclamation);
        return 1;
    };
    const std::optional<TypeFamily> family = familyNamed(m_family);
    if (!family || !hasTypeEditor(*family))
        return fail("No type editor for \"" + m_family + "\"");

    EditorApp app(baseDirectory(), prompter);
    app.loadGlobalData();
    const TypeTableBase& table = app.types().table(*family);
    std::optional<size_t> position;
    if (m_id >= 0 && table.indexOfId(uint32_t(m_id)) < table.count())
        position = table.indexOfId(uint32_t(m_id));
    else if (m_position >= 0 && size_t(m_position) < table.count())
        position = size_t(m_position);
    // The editor's selector may leave types out (the terrain editor the room floors).
    const std::vector<size_t> listing = typeEditorListing(*family, app.types());
    const auto listed = position ? std::find(listing.begin(), listing.end(), *position) : listing.end();
    if (listed == listing.end())
        return fail(std::string("No such ") + familyName(*family) + " type");

    // The session opens where it is told, as the editor opened from a palette button does.
    app.setTypeEditorPosition(*family, size_t(listed - listing.begin()));
    TypeEditorSession session(app, *family, *typeEditorForm(*family, app.types()), std::nullopt, 0);
    FormState& state = session.state();
    std::vector<size_t> rows;
    for (const std::string& setting : m_settings) {
        const size_t equals = setting.find('=');
        const std::optional<size_t> row =
            equals == std::string::npos ? std::nullopt : findRowByLabel(state, setting.substr(0, equals));
        if (!row)
            return fail("The " + session.caption() + " editor has no field \"" + setting.substr(0, equals) +
                        "\"");
        state.reveal(*row);
        if (auto error = enterText(state, *row, setting.substr(equals + 1)))
            return fail(*error);
        rows.push_back(*row);
    }
    // A value field that takes turns with others keeps what it was given while another shows.
    for (size_t row : rows)
        if (!state.isActive(row) && state.row(row).whenInactive != InactiveRule::KeepEdits)
            return fail("\"" + plainLabel(state.row(row).label) + "\" is not in use for this type as set");
    if (auto error = session.accept())
        return fail("\"" + plainLabel(state.row(error->row).label) + "\": " + error->message);
    session.finish();
    return app.SaveGameData() ? 0 : 1;
}

} // namespace gr2
