#pragma once

#include <QLocale>

namespace dicewright {

// The program speaks English, and writes its numbers and dates one way wherever they appear:
// "1,152,000", "8.58", "Tuesday, December 8, 2026".
inline QLocale ProgramLocale() {
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

}  // namespace dicewright
