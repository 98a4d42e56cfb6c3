#pragma once
// What a property dialog of a placed thing drives: the form over a copy of the thing's values, and
// on "OK" the caller's work as one step of the level's history — the values written into the thing
// (or its player, party or action), the level's observers told, the level marked modified. "Cancel"
// writes nothing.

#include "forms/FormSession.h"
#include "level/CWorldEditorDoc.h"
#include "level/EditStep.h"
#include "typedb/TypeFamily.h"

#include <functional>
#include <string>

namespace gr2 {

/// "Edit Door [ 5, 9 ]": a dialog's title with the tile shown one-based.
inline std::string tileCaption(const std::string& what, TilePoint p)
{
    return "Edit " + what + " [ " + std::to_string(int64_t(p.x) + 1) + ", " +
           std::to_string(int64_t(p.y) + 1) + " ]";
}

/// The type icon a thing dialog shows beside its type selector (or, for a special room, the room's
/// icon): the family, and the row whose type it follows or a fixed type.
struct ThingIcon {
    TypeFamily family = TypeFamily::Creature;
    std::optional<size_t> typeRow;
    uint16_t fixedType = 0;
};

/// The sessions of every thing dialog, as the dialog window sees them.
class ThingSession : public FormSession {
public:
    const std::optional<ThingIcon>& icon() const { return m_icon; }
    void setIcon(ThingIcon icon) { m_icon = icon; }
    /// The type the icon shows now.
    uint16_t iconType()
    {
        if (!m_icon)
            return 0;
        return m_icon->typeRow ? uint16_t(state().value(*m_icon->typeRow)) : m_icon->fixedType;
    }

    /// Whether the dialog offers "Reset To Defaults".
    virtual bool canReset() const { return false; }
    virtual void resetToDefaults() {}
    /// "OK" was accepted (the values were written, or there was nothing to write).
    bool wasAccepted() const { return m_accepted; }

protected:
    bool m_accepted = false;

private:
    std::optional<ThingIcon> m_icon;
};

template <class Edit> class ThingEditSession : public ThingSession {
public:
    using Apply = std::function<void(const Edit&)>;

    /// `stepName` names the history step ("Edit Creature Properties"); `apply` writes the values.
    ThingEditSession(CWorldEditorDoc& doc, std::string stepName, const FormDescription<Edit>& description,
                     Edit edit, Apply apply)
        : m_doc(doc), m_stepName(std::move(stepName)), m_form(description), m_edit(std::move(edit)),
          m_apply(std::move(apply))
    {
        m_form.load(m_edit);
    }

    const std::string& caption() const override { return m_form.caption(); }
    FormState& state() override { return m_form.state(); }
    bool hasTarget() const override { return true; }

    std::optional<FormError> accept() override
    {
        bool changed = false;
        if (auto error = m_form.store(m_edit, &changed))
            return error;
        // What the dialog showed on the map while open is put back first, so that the step
        // records it with the rest (the history compares the level before and after the step).
        if (m_undoPreview)
            m_undoPreview();
        if (changed) {
            EditStep step(m_doc, m_stepName);
            m_apply(m_edit);
            m_doc.SetModifiedFlag(true);
        }
        m_accepted = true;
        return std::nullopt;
    }
    void cancel() override
    {
        if (m_undoPreview)
            m_undoPreview();
    }

    bool canReset() const override { return bool(m_reset); }
    void resetToDefaults() override
    {
        if (m_reset)
            m_reset(m_form.state());
    }
    void setReset(std::function<void(FormState&)> reset) { m_reset = std::move(reset); }
    /// Puts back what the dialog wrote into the level before "OK" (an object's type shown at once):
    /// on "Cancel", and on "OK" before the values are written as one step.
    void setUndoPreview(std::function<void()> undoPreview) { m_undoPreview = std::move(undoPreview); }

    const Edit& edit() const { return m_edit; }

private:
    CWorldEditorDoc& m_doc;
    std::string m_stepName;
    Form<Edit> m_form;
    Edit m_edit;
    Apply m_apply;
    std::function<void(FormState&)> m_reset;
    std::function<void()> m_undoPreview;
};

} // namespace gr2
