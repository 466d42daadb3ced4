#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <algorithm>
#include <limits>

namespace dicewright {

// The locale of the language the program speaks (language.h), for every number and date it
// writes: "1,152,000" and "Tuesday, December 8, 2026" in English, "1.152.000" and "Dienstag,
// 8. Dezember 2026" in German.
QLocale ProgramLocale();
// Makes `locale` the program's, Qt's default included; Translations does so for each language.
void UseProgramLocale(const QLocale& locale);

// A day as the roll log writes it: "Wednesday, December 9, 2026".
inline QString DayText(const QDate& day) {
    return ProgramLocale().toString(day, QLocale::LongFormat);
}

// A whole number with the region's digit groups: "1,152,000", "1.152.000", "1 152 000".
QString CountText(qint64 count);

// The region's short time of day with its seconds, since rolls come seconds apart: "h:mm:ss AP"
// in the United States, "HH:mm:ss" in Germany and Britain.
QString TimeWithSeconds(const QLocale& locale);

// A count as tr() takes it to choose between "1 roll" and "2 rolls": the numbers are written by
// the locale (with digit groups) through %1, and counts past an int's range read as many.
inline int CountForPlural(qint64 count) {
    return static_cast<int>(std::min<qint64>(count, std::numeric_limits<int>::max()));
}

}  // namespace dicewright
