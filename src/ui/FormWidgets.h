#pragma once
// The one factory that turns a form's rows into controls: an edit field with a spin for numbers,
// a check box for a flag bit, a drop-down list for choices and types, option buttons, a slider, a
// text field and a button for a sub-form, each with its label, laid out in the rows' groups. It
// binds every control both ways: the user's edits go into the form state, and after each edit
// every other control shows what the state's rules made of it.

#include "forms/FormState.h"

#include <QObject>
#include <QString>

#include <vector>

class QButtonGroup;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QWidget;

namespace gr2 {

class FormWidgets : public QObject {
    Q_OBJECT
public:
    /// Builds the controls inside `parent`, whose layout it sets. The state must outlive them.
    FormWidgets(FormState& state, QWidget* parent);

    /// Shows the state in every control (after loading another target).
    void showState() { sync(std::nullopt); }
    /// Gives the row's control the focus and selects its text.
    void focusRow(size_t row);
    /// The row's control (made now when the row has not been shown yet).
    QWidget* control(size_t row) { return made(row).control; }
    QLabel* label(size_t row) { return made(row).label; }
    /// Every control enabled or not at all (an editor with nothing to edit).
    void setAllEnabled(bool enabled);

signals:
    /// A sub-form row's button was pressed.
    void subFormRequested(size_t row);
    /// The user changed a value.
    void edited();

private:
    struct RowWidgets {
        QWidget* control = nullptr;
        QLabel* label = nullptr;
        QButtonGroup* options = nullptr;   ///< Radio rows
        QGridLayout* optionGrid = nullptr; ///< Radio rows: the options, with the rows beside them
        ChoiceList shownChoices;
        /// A row whose control is made when first shown: the line it goes into, and its parent.
        QHBoxLayout* laterIn = nullptr;
        QWidget* laterParent = nullptr;
    };

    /// The row's widgets, made first if they wait to be shown.
    RowWidgets& made(size_t row);

    QWidget* makeControl(size_t row, QWidget* parent);
    /// Puts the row's control (and label) beside the option of the radio row it belongs to.
    void placeBesideOption(size_t row);
    void sync(std::optional<size_t> editedRow);
    /// A text row's text between its control and the state: Latin-1 for 8-bit record fields,
    /// UTF-8 for wide text.
    std::string textOfRow(size_t row, const QString& text) const;
    QString shownTextOfRow(size_t row) const;
    void syncRow(size_t row);

    FormState& m_state;
    std::vector<RowWidgets> m_rows;
    bool m_syncing = false;
    bool m_allEnabled = true;
};

} // namespace gr2
