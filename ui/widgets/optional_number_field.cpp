#include "widgets/optional_number_field.h"

#include <QFocusEvent>
#include <QTimer>
#include <vector>

#include "optional_number.h"

namespace dicewright {
namespace {

// The field's text as the rule reads it: each character's digit value, in any script, as a
// keyboard or a screen reader may give them.
OptionalNumber Read(const QString& text, int greatest) {
    std::vector<int> digits;
    for (const QChar c : text.trimmed())
        digits.push_back(c.category() == QChar::Number_DecimalDigit ? c.digitValue() : kNotADigit);
    return ReadOptionalNumber(digits, greatest);
}

}  // namespace

OptionalNumberField::OptionalNumberField(int maximum, QWidget* parent) : QSpinBox(parent) {
    setRange(0, maximum);
    // No digit groups, no sign: the field holds one or two digits.
    setLocale(QLocale::c());
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
}

void OptionalNumberField::focusInEvent(QFocusEvent* event) {
    // Reached by Tab, a field selects its text, so that what is typed replaces it. Selected at
    // once, a screen reader hears of the selection before it hears of the focus, takes the field
    // for the one it was on and names nothing: the text is selected once the focus is told.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason) {
        QSpinBox::focusInEvent(event);
        return;
    }
    QFocusEvent quiet(QEvent::FocusIn, Qt::OtherFocusReason);
    QSpinBox::focusInEvent(&quiet);
    QTimer::singleShot(0, this, [this] {
        if (hasFocus()) selectAll();
    });
}

QValidator::State OptionalNumberField::validate(QString& input, int&) const {
    return Read(input, maximum()).accepted() ? QValidator::Acceptable : QValidator::Invalid;
}

int OptionalNumberField::valueFromText(const QString& text) const {
    return Read(text, maximum()).value;
}

QString OptionalNumberField::textFromValue(int value) const {
    return value == 0 ? QString() : QString::number(value);
}

}  // namespace dicewright
