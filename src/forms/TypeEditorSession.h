#pragma once
// The pattern every type editor shares: the selector lists the family's types by table position
// (so a second type with the same id is reached and edited, not the first again; a family's
// editor may leave some types out, as the terrain editor leaves out room floors), the label names
// the shown type's id, the icon spin changes the shown type's icon index at once, and each family's
// editor remembers where it was left for the next opening. Closing tells the application what
// changed.

#include "forms/FormSession.h"
#include "typedb/CTypeRecord.h"

#include <map>
#include <optional>

namespace gr2 {

class EditorApp;

class TypeEditorSession : public SelectorSession<CTypeRecord> {
public:
    /// Opens on the first type with `initialId` when given and found, else where the family's
    /// editor was left (the last type when the table has shrunk since). `iconCells` is the
    /// number of cells of the family's icon sheet (0 without a sheet).
    TypeEditorSession(EditorApp& app, TypeFamily family, const FormDescription<CTypeRecord>& form,
                      std::optional<uint16_t> initialId, int iconCells);

    TypeFamily family() const { return m_family; }
    /// "[ ID %d ] Name:" with the shown type's id.
    std::string selectorLabel() const override;
    std::optional<FormError> select(size_t position) override;
    /// Puts the shown type's icon index back to what it was when the type was shown.
    void cancel() override;

    /// Whether the icon spin works: the family has icons and its sheet has cells.
    bool hasIconSpin() const { return m_iconCells > 0 && familyHasIcons(m_family); }
    int iconCells() const { return m_iconCells; }
    /// The shown type's icon index.
    int iconIndex() const;
    /// Adds `delta` to the shown type's icon index at once, wrapping round the sheet's cells.
    void stepIcon(int delta);

    /// After the dialog closed, whatever the result: marks the game data modified when a type
    /// differs from what it was at opening, and lets the application rebuild what depends on the
    /// family. True when a type changed.
    bool finish();

    /// Whether the family's types have an icon index (terrain, room, creature, door, trap,
    /// object and both spell families).
    static bool familyHasIcons(TypeFamily family);
    /// The icon index after a step: below 0 wraps to the last cell, at or past the count wraps to
    /// the start; an index already outside the sheet is brought into it.
    static int wrappedIcon(int index, int delta, int cells);

protected:
    void shown(CTypeRecord& record) override;

private:
    /// `listing`: the table positions the selector lists, in its order.
    TypeEditorSession(EditorApp& app, TypeFamily family, const FormDescription<CTypeRecord>& form,
                      std::optional<uint16_t> initialId, int iconCells, std::vector<size_t> listing);

    void remember(const CTypeRecord& record);

    EditorApp& m_app;
    TypeFamily m_family;
    int m_iconCells;
    int m_loadedIcon = 0;
    /// Each shown type's bytes as they were at opening, by table position.
    std::map<size_t, Bytes> m_before;
    /// The room editor also edits the rooms' floors: every terrain's bytes at opening.
    std::vector<Bytes> m_terrainsBefore;
};

} // namespace gr2
