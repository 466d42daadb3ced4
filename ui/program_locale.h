#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <algorithm>
#include <limits>

namespace dicewright {

// The program speaks English, and writes its numbers and dates one way wherever they appear:
// "1,152,000", "8.58", "Tuesday, December 8, 2026".
inline QLocale ProgramLocale() {
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

// A day as the roll log writes it: "Wednesday, December 9, 2026".
inline QString DayText(const QDate& day) {
    return ProgramLocale().toString(day, QLocale::LongFormat);
}

// A count as tr() takes it to choose between "1 roll" and "2 rolls": the numbers are written by
// the locale (with digit groups) through %1, and counts past an int's range read as many.
inline int CountForPlural(qint64 count) {
    return static_cast<int>(std::min<qint64>(count, std::numeric_limits<int>::max()));
}

}  // namespace dicewright
