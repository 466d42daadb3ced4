#include "widgets/optional_number_field.h"

#include <QFocusEvent>
#include <QTimer>
#include <optional>

namespace dicewright {
namespace {

// The digits of a whole number in any script, as a keyboard or a screen reader may give them;
// none for a text that is not one.
std::optional<int> NumberIn(const QString& text) {
    const QString digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 4) return std::nullopt;
    int number = 0;
    for (const QChar c : digits) {
        if (c.category() != QChar::Number_DecimalDigit) return std::nullopt;
        number = 10 * number + c.digitValue();
    }
    return number;
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
    if (input.trimmed().isEmpty()) return QValidator::Acceptable;
    const std::optional<int> number = NumberIn(input);
    // No leading zero: "07" is not how a number is written, and "0" is no value.
    const bool leadingZero = input.trimmed().front().digitValue() == 0;
    return number && !leadingZero && *number <= maximum() ? QValidator::Acceptable
                                                          : QValidator::Invalid;
}

int OptionalNumberField::valueFromText(const QString& text) const {
    return NumberIn(text).value_or(0);
}

QString OptionalNumberField::textFromValue(int value) const {
    return value == 0 ? QString() : QString::number(value);
}

}  // namespace dicewright
