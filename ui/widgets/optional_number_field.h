#pragma once

#include <QSpinBox>

namespace dicewright {

// A number field that may be left empty: a whole number from 1 to its maximum, or none, which is
// the value 0 and an empty field. Only what is in range can be typed: a key that would leave it
// keeps the field as it was. The arrows and Up and Down step through none, 1, 2...
class OptionalNumberField : public QSpinBox {
    Q_OBJECT
    // Qt's accessibility gives a spin box's smallest step from this property, and screen readers
    // write the value with as many decimals as the step has: whole numbers here ("9", not "9.0").
    Q_PROPERTY(int stepSize READ singleStep CONSTANT)

public:
    OptionalNumberField(int maximum, QWidget* parent);

protected:
    void focusInEvent(QFocusEvent* event) override;
    QValidator::State validate(QString& input, int& pos) const override;
    int valueFromText(const QString& text) const override;
    QString textFromValue(int value) const override;
};

}  // namespace dicewright
