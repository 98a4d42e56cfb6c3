#pragma once
// The edit field with a spin that form rows of numbers use. It takes any text, so that a value a
// file holds outside the row's range is shown as it is and a typed value is judged by the form's
// own messages on "OK"; the arrows and the Up and Down keys step within the row's spin range.

#include "forms/FormRow.h"

#include <QAbstractSpinBox>

namespace gr2 {

class FormNumberEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit FormNumberEdit(const FormRow& row, QWidget* parent = nullptr);

    QString text() const;
    /// Shows `text` without telling anyone (the form already holds it).
    void showText(const QString& text);
    void selectAll();
    /// The bounds the arrows step within (a row whose range follows other rows).
    void setSpinRange(NumberRange range) { m_spin = range; }

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

signals:
    /// The user typed or stepped: the text now shown.
    void edited(const QString& text);

protected:
    StepEnabled stepEnabled() const override;

private:
    std::optional<double> value() const;
    QString format(double value) const;

    bool m_integral;
    NumberRange m_spin;
    double m_step;
    double m_scale;
};

} // namespace gr2
