#pragma once

#include <QFont>

namespace dicewright {

// The program's faces. Where the named Windows font is missing, a metric-compatible face stands
// in for it (fontconfig maps Arial Narrow to Liberation Sans Narrow), then any condensed sans.
QFont ArialNarrow(qreal pointSize, QFont::Weight weight = QFont::Normal);
QFont Arial(qreal pointSize, QFont::Weight weight = QFont::Normal);

// Makes the faces that the program carries with it available where the system lacks them.
// On Windows, which seldom has Arial Narrow, that is Liberation Sans Narrow; elsewhere the
// system's own fonts serve and this does nothing.
void AddBundledFonts();

}  // namespace dicewright
