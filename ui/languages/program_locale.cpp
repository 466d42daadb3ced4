#include "languages/program_locale.h"

#include <QRegularExpression>
#include <cstdlib>

namespace dicewright {
namespace {

// American English until a language is installed.
QLocale& Current() {
    static QLocale locale(QLocale::English, QLocale::UnitedStates);
    return locale;
}

}  // namespace

void UseProgramLocale(const QLocale& locale) {
    Current() = locale;
    // Qt's own widgets (a spin box's numbers, a calendar) write in it too.
    QLocale::setDefault(locale);
}

QLocale ProgramLocale() {
    return Current();
}

QString CountText(qint64 count) {
    const QLocale locale = ProgramLocale();
    QString text = locale.toString(count);
    // Qt 6.4 drops the first group's separator where a language groups only from five digits
    // (Polish and Spanish write "1 152 000", not "1152 000"): such numbers are grouped in
    // threes here, as the locale's data has it, while four digits stay whole ("1234").
    if (std::abs(count) < 1000000 || !text.contains(locale.groupSeparator())) return text;
    QString digits = QString::number(std::abs(count));
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, locale.groupSeparator());
    return (count < 0 ? locale.negativeSign() : QString()) + digits;
}

QString TimeWithSeconds(const QLocale& locale) {
    QString format = locale.timeFormat(QLocale::ShortFormat);
    if (format.contains(u's')) return format;
    // The seconds follow the minutes with the separator that the hours and minutes have.
    static const QRegularExpression hoursAndMinutes(QStringLiteral("[hH]+([^hHm]+)m+"));
    const QRegularExpressionMatch match = hoursAndMinutes.match(format);
    if (!match.hasMatch()) return QStringLiteral("HH:mm:ss");
    return format.insert(match.capturedEnd(), match.captured(1) + QStringLiteral("ss"));
}

}  // namespace dicewright
