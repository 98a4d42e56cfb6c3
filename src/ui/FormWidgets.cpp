#include "ui/FormWidgets.h"

#include "level/TextConversion.h"
#include "ui/FormNumberEdit.h"
#include "ui/QtText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>

namespace gr2 {

namespace {

/// Field lines per column before a form's lines are split into two columns.
constexpr int kLinesPerColumn = 12;
constexpr int kCheckBoxColumns = 3;
constexpr int kColumnGap = 12;
/// Wide enough for the largest numbers the fields hold.
constexpr int kNumberFieldWidth = 110;

bool isFieldLine(ControlKind kind)
{
    return kind != ControlKind::FlagBit && kind != ControlKind::Radio && kind != ControlKind::SubForm;
}

} // namespace

FormWidgets::FormWidgets(FormState& state, QWidget* parent)
    : QObject(parent), m_state(state), m_rows(state.rowCount())
{
    auto* outer = new QVBoxLayout(parent);
    outer->setContentsMargins(0, 0, 0, 0);
    size_t row = 0;
    while (row < m_state.rowCount()) {
        // A section: the rows up to the next change of group.
        const std::string& group = m_state.row(row).group;
        size_t end = row;
        while (end < m_state.rowCount() && m_state.row(end).group == group)
            ++end;
        QWidget* section =
            group.empty() ? new QWidget(parent) : new QGroupBox(QtText::fromSystem(group), parent);
        auto* sectionLayout = new QVBoxLayout(section);
        if (group.empty())
            sectionLayout->setContentsMargins(0, 0, 0, 0);

        struct Line {
            QLayout* head; ///< the label, with the check box that leads it
            QHBoxLayout* controls;
        };
        QWidget* leadingCheck = nullptr;
        std::vector<Line> lines;
        auto* checks = new QGridLayout;
        int checkCount = 0;
        auto* optionsAndChecks = new QHBoxLayout;
        auto* buttons = new QHBoxLayout;
        for (size_t i = row; i < end; ++i) {
            const FormRow& r = m_state.row(i);
            // Rows that take turns beside their chooser (a variable's value, one of many) get
            // their controls when first shown: most of them never are, and making them all
            // would make the dialog slow to open.
            if (r.revealedBy && r.sameLine && isFieldLine(r.kind) && !r.besideOption && !lines.empty() &&
                !m_state.isVisible(i)) {
                m_rows[i].laterIn = lines.back().controls;
                m_rows[i].laterParent = section;
                continue;
            }
            QWidget* control = makeControl(i, section);
            m_rows[i].control = control;
            if (r.besideOption && r.besideOption->radio < i && m_rows[r.besideOption->radio].optionGrid) {
                placeBesideOption(i);
                continue;
            }
            if (r.kind == ControlKind::FlagBit && r.leadsNextLine) {
                leadingCheck = control;
                continue;
            }
            if (!isFieldLine(r.kind)) {
                if (r.kind == ControlKind::FlagBit) {
                    checks->addWidget(control, checkCount / kCheckBoxColumns, checkCount % kCheckBoxColumns);
                    ++checkCount;
                } else if (r.kind == ControlKind::Radio) {
                    optionsAndChecks->addWidget(control);
                } else {
                    buttons->addWidget(control);
                }
                continue;
            }
            QLabel* label = nullptr;
            if (!r.label.empty()) {
                label = new QLabel(QtText::fromSystem(r.label), section);
                label->setBuddy(control);
                m_rows[i].label = label;
            }
            QLabel* unit = r.unit.empty() ? nullptr : new QLabel(QtText::fromSystem(r.unit), section);
            if (r.sameLine && !lines.empty()) {
                if (label)
                    lines.back().controls->addWidget(label);
                lines.back().controls->addWidget(control, 1);
                if (unit)
                    lines.back().controls->addWidget(unit);
                continue;
            }
            auto* controls = new QHBoxLayout;
            if (r.sliderEnds)
                controls->addWidget(new QLabel(QtText::fromSystem(r.sliderEnds->first), section));
            controls->addWidget(control, 1);
            if (r.sliderEnds)
                controls->addWidget(new QLabel(QtText::fromSystem(r.sliderEnds->second), section));
            if (unit)
                controls->addWidget(unit);
            QHBoxLayout* head = nullptr;
            if (label || leadingCheck) {
                head = new QHBoxLayout;
                if (leadingCheck)
                    head->addWidget(leadingCheck);
                if (label)
                    head->addWidget(label, 1);
                leadingCheck = nullptr;
            }
            lines.push_back({head, controls});
        }
        if (!lines.empty()) {
            auto* grid = new QGridLayout;
            const int count = int(lines.size());
            const int perColumn = count > kLinesPerColumn ? (count + 1) / 2 : count;
            for (int n = 0; n < count; ++n) {
                const int column = 2 * (n / perColumn);
                if (lines[size_t(n)].head)
                    grid->addLayout(lines[size_t(n)].head, n % perColumn, column);
                grid->addLayout(lines[size_t(n)].controls, n % perColumn, column + 1);
            }
            // The fields take the room; a second column of lines stands apart from the first.
            grid->setColumnStretch(1, 1);
            if (count > kLinesPerColumn) {
                grid->setColumnStretch(3, 1);
                grid->setColumnMinimumWidth(2, grid->columnMinimumWidth(2) + kColumnGap);
                for (int n = perColumn; n < count; ++n)
                    if (lines[size_t(n)].head)
                        lines[size_t(n)].head->setContentsMargins(kColumnGap, 0, 0, 0);
            }
            sectionLayout->addLayout(grid);
        }
        if (checkCount > 0) {
            // The check boxes keep together at the top beside a taller group of options.
            checks->setRowStretch((checkCount - 1) / kCheckBoxColumns + 1, 1);
            optionsAndChecks->addLayout(checks, 1);
        }
        if (!optionsAndChecks->isEmpty())
            sectionLayout->addLayout(optionsAndChecks);
        else
            delete optionsAndChecks;
        if (!buttons->isEmpty()) {
            buttons->addStretch(1);
            sectionLayout->addLayout(buttons);
        } else {
            delete buttons;
        }
        if (checkCount == 0)
            delete checks;
        outer->addWidget(section);
        row = end;
    }
    outer->addStretch(1);
    showState();
}

FormWidgets::RowWidgets& FormWidgets::made(size_t row)
{
    RowWidgets& w = m_rows.at(row);
    if (w.control || !w.laterIn)
        return w;
    const FormRow& r = m_state.row(row);
    QWidget* parent = w.laterParent;
    w.control = makeControl(row, parent);
    w.control->setVisible(false);
    if (!r.label.empty()) {
        w.label = new QLabel(QtText::fromSystem(r.label), parent);
        w.label->setBuddy(w.control);
        w.label->setVisible(false);
        w.laterIn->addWidget(w.label);
    }
    w.laterIn->addWidget(w.control, 1);
    if (!r.unit.empty())
        w.laterIn->addWidget(new QLabel(QtText::fromSystem(r.unit), parent));
    w.laterIn = nullptr;
    w.laterParent = nullptr;
    return w;
}

void FormWidgets::placeBesideOption(size_t row)
{
    const FormRow& r = m_state.row(row);
    QGridLayout* grid = m_rows[r.besideOption->radio].optionGrid;
    QWidget* frame = grid->parentWidget();
    QWidget* control = m_rows[row].control;
    control->setParent(frame);
    const int line = int(r.besideOption->option);
    int column = 1;
    while (grid->itemAtPosition(line, column))
        ++column;
    QLabel* label = nullptr;
    if (!r.label.empty()) {
        label = new QLabel(QtText::fromSystem(r.label), frame);
        label->setBuddy(control);
        m_rows[row].label = label;
    }
    if (label && !r.labelAfter)
        grid->addWidget(label, line, column++);
    grid->addWidget(control, line, column++);
    if (label && r.labelAfter)
        grid->addWidget(label, line, column++);
    grid->setColumnStretch(1, 1);
}

QWidget* FormWidgets::makeControl(size_t row, QWidget* parent)
{
    const FormRow& r = m_state.row(row);
    switch (r.kind) {
    case ControlKind::Integer:
    case ControlKind::Real: {
        auto* edit = new FormNumberEdit(r, parent);
        edit->setMinimumWidth(kNumberFieldWidth);
        connect(edit, &FormNumberEdit::edited, this, [this, row](const QString& text) {
            if (m_syncing)
                return;
            m_state.setText(row, QtText::toSystem(text));
            sync(row);
        });
        return edit;
    }
    case ControlKind::Text: {
        if (r.multiLine) {
            auto* edit = new QPlainTextEdit(parent);
            edit->setReadOnly(r.readOnly);
            edit->setTabChangesFocus(true);
            connect(edit, &QPlainTextEdit::textChanged, this, [this, row, edit] {
                if (m_syncing)
                    return;
                m_state.setText(row, textOfRow(row, edit->toPlainText()));
                sync(row);
            });
            return edit;
        }
        auto* edit = new QLineEdit(parent);
        edit->setReadOnly(r.readOnly);
        connect(edit, &QLineEdit::textEdited, this, [this, row](const QString& text) {
            m_state.setText(row, textOfRow(row, text));
            sync(row);
        });
        return edit;
    }
    case ControlKind::FlagBit: {
        auto* box = new QCheckBox(QtText::fromSystem(r.label), parent);
        connect(box, &QCheckBox::clicked, this, [this, row](bool on) {
            m_state.setChecked(row, on);
            sync(row);
        });
        return box;
    }
    case ControlKind::Radio: {
        auto* frame = new QGroupBox(QtText::fromSystem(r.label), parent);
        auto* layout = new QGridLayout(frame);
        auto* group = new QButtonGroup(frame);
        const ChoiceList& choices = m_state.choices(row);
        for (size_t i = 0; i < choices.size(); ++i) {
            auto* option = new QRadioButton(QtText::fromSystem(choices[i].text), frame);
            group->addButton(option, int(i));
            const size_t columns = std::max<size_t>(r.optionColumns, 1);
            layout->addWidget(option, int(i / columns), int(i % columns));
        }
        m_rows[row].shownChoices = choices;
        m_rows[row].options = group;
        m_rows[row].optionGrid = layout;
        connect(group, &QButtonGroup::idClicked, this, [this, row](int index) {
            m_state.choose(row, size_t(index));
            sync(row);
        });
        return frame;
    }
    case ControlKind::Slider: {
        auto* slider = new QSlider(Qt::Horizontal, parent);
        const NumberRange range = r.spinRange();
        slider->setRange(int(range.low), int(range.high));
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setTickInterval(1);
        slider->setPageStep(1);
        connect(slider, &QSlider::valueChanged, this, [this, row](int value) {
            if (m_syncing)
                return;
            m_state.setValue(row, value);
            sync(row);
        });
        return slider;
    }
    case ControlKind::SubForm: {
        auto* button = new QPushButton(QtText::fromSystem(r.label), parent);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, row] { emit subFormRequested(row); });
        return button;
    }
    case ControlKind::Choice:
    case ControlKind::TypeList:
    case ControlKind::PlayerList:
    default: {
        auto* box = new QComboBox(parent);
        box->setMaxVisibleItems(20);
        connect(box, &QComboBox::activated, this, [this, row](int index) {
            if (index < 0)
                return;
            m_state.choose(row, size_t(index));
            sync(row);
        });
        return box;
    }
    }
}

void FormWidgets::sync(std::optional<size_t> editedRow)
{
    m_syncing = true;
    // Rows leave before others come: showing a control lays its dialog out at once, and a dialog
    // that briefly held both of two rows taking turns in one place would stay widened.
    for (size_t row = 0; row < m_rows.size(); ++row)
        if (!m_state.isVisible(row) && m_rows[row].control) {
            m_rows[row].control->setVisible(false);
            if (m_rows[row].label)
                m_rows[row].label->setVisible(false);
        }
    for (size_t row = 0; row < m_rows.size(); ++row) {
        // The field being typed in keeps its text (and the cursor in it) as the user left it.
        if (row == editedRow && m_state.row(row).isText()) {
            const bool enabled = m_allEnabled && m_state.isEnabled(row);
            m_rows[row].control->setEnabled(enabled);
            continue;
        }
        syncRow(row);
    }
    m_syncing = false;
    if (editedRow)
        emit edited();
}

void FormWidgets::syncRow(size_t row)
{
    const FormRow& r = m_state.row(row);
    const bool visible = m_state.isVisible(row);
    if (!visible && !m_rows[row].control)
        return; // not made yet, and not shown now either
    RowWidgets& w = made(row);
    const bool enabled = m_allEnabled && m_state.isEnabled(row);
    w.control->setEnabled(enabled);
    w.control->setVisible(visible);
    if (w.label) {
        w.label->setEnabled(enabled);
        w.label->setVisible(visible);
    }
    switch (r.kind) {
    case ControlKind::Integer:
    case ControlKind::Real: {
        auto* edit = static_cast<FormNumberEdit*>(w.control);
        edit->setSpinRange(m_state.spinRangeOf(row));
        edit->showText(QtText::fromSystem(m_state.text(row)));
        break;
    }
    case ControlKind::Text: {
        const QString text = shownTextOfRow(row);
        if (auto* lines = qobject_cast<QPlainTextEdit*>(w.control)) {
            if (lines->toPlainText() != text)
                lines->setPlainText(text);
            break;
        }
        auto* edit = static_cast<QLineEdit*>(w.control);
        if (edit->text() != text) {
            edit->setText(text);
            // A greyed line is read from its start (a label that follows another field).
            if (!enabled)
                edit->setCursorPosition(0);
        }
        break;
    }
    case ControlKind::FlagBit:
        static_cast<QCheckBox*>(w.control)->setChecked(m_state.checked(row));
        break;
    case ControlKind::Slider:
        static_cast<QSlider*>(w.control)->setValue(int(m_state.value(row)));
        break;
    case ControlKind::SubForm:
        break;
    case ControlKind::Radio: {
        // A value of no option shows none checked, which an exclusive group cannot.
        w.options->setExclusive(false);
        const std::optional<size_t> chosen = m_state.choiceIndex(row);
        for (QAbstractButton* option : w.options->buttons()) {
            const int id = w.options->id(option);
            const bool isChosen = chosen && id == int(*chosen);
            option->setChecked(isChosen);
            // An option no longer offered still shows while it is what the record holds.
            if (size_t(id) < w.shownChoices.size())
                option->setVisible(isChosen || m_state.isOptionShown(row, w.shownChoices[size_t(id)].value));
        }
        w.options->setExclusive(true);
        break;
    }
    default: {
        auto* box = static_cast<QComboBox*>(w.control);
        const ChoiceList& choices = m_state.choices(row);
        if (choices != w.shownChoices || box->count() != int(choices.size())) {
            box->clear();
            for (const Choice& c : choices)
                box->addItem(QtText::fromField(c.text));
            w.shownChoices = choices;
        }
        const std::optional<size_t> chosen = m_state.choiceIndex(row);
        box->setCurrentIndex(chosen ? int(*chosen) : -1);
        break;
    }
    }
}

std::string FormWidgets::textOfRow(size_t row, const QString& text) const
{
    return m_state.row(row).wideText ? utf16ToUtf8(QtText::toUtf16(text)) : QtText::toField(text);
}

QString FormWidgets::shownTextOfRow(size_t row) const
{
    const std::string& text = m_state.text(row);
    return m_state.row(row).wideText ? QtText::fromUtf16(utf8ToUtf16(text)) : QtText::fromField(text);
}

void FormWidgets::focusRow(size_t row)
{
    QWidget* control = made(row).control;
    control->setFocus(Qt::OtherFocusReason);
    if (auto* number = qobject_cast<FormNumberEdit*>(control))
        number->selectAll();
    else if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->selectAll();
    else if (auto* lines = qobject_cast<QPlainTextEdit*>(control))
        lines->selectAll();
}

void FormWidgets::setAllEnabled(bool enabled)
{
    m_allEnabled = enabled;
    showState();
}

} // namespace gr2
