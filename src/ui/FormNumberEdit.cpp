#include "ui/FormNumberEdit.h"

#include "forms/NumberText.h"
#include "ui/QtText.h"

#include <QLineEdit>

#include <algorithm>
#include <cmath>

namespace gr2 {

FormNumberEdit::FormNumberEdit(const FormRow& row, QWidget* parent)
    : QAbstractSpinBox(parent), m_integral(row.kind != ControlKind::Real), m_spin(row.spinRange()),
      m_scale(row.number.scale)
{
    // Small real ranges (a light's radius, an object's width) step in tenths, others in ones.
    m_step = m_integral || m_spin.high - m_spin.low > 100 ? 1.0 : 0.1;
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    setAccelerated(true);
    connect(lineEdit(), &QLineEdit::textEdited, this, &FormNumberEdit::edited);
}

QString FormNumberEdit::text() const
{
    return lineEdit()->text();
}

void FormNumberEdit::showText(const QString& text)
{
    if (lineEdit()->text() != text)
        lineEdit()->setText(text);
}

void FormNumberEdit::selectAll()
{
    lineEdit()->selectAll();
}

std::optional<double> FormNumberEdit::value() const
{
    const std::string text = QtText::toSystem(lineEdit()->text());
    if (m_integral) {
        const ParsedInteger parsed = parseInteger(text);
        if (parsed.status != ParsedInteger::Status::Ok)
            return std::nullopt;
        return double(parsed.value);
    }
    return parseReal(text);
}

QString FormNumberEdit::format(double value) const
{
    return QtText::fromSystem(m_integral ? formatInteger(int64_t(std::llround(value)))
                                         : formatReal(value, m_scale));
}

void FormNumberEdit::stepBy(int steps)
{
    // A text that is no number starts from the bottom of the spin; a value outside the spin comes
    // back into it.
    const double from = value().value_or(m_spin.low);
    const double to = std::clamp(from + steps * m_step, m_spin.low, m_spin.high);
    const QString text = format(m_integral ? std::round(to) : to);
    if (text == lineEdit()->text())
        return;
    lineEdit()->setText(text);
    lineEdit()->selectAll();
    emit edited(text);
}

QValidator::State FormNumberEdit::validate(QString&, int&) const
{
    return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled FormNumberEdit::stepEnabled() const
{
    if (isReadOnly() || !isEnabled())
        return StepNone;
    const std::optional<double> v = value();
    if (!v)
        return StepUpEnabled;
    StepEnabled enabled = StepNone;
    if (*v > m_spin.low)
        enabled |= StepDownEnabled;
    if (*v < m_spin.high)
        enabled |= StepUpEnabled;
    return enabled;
}

} // namespace gr2
