#pragma once

#include <QFont>

namespace dicewright {

// The program's faces. Where the named Windows font is missing, a metric-compatible face stands
// in for it (fontconfig maps Arial Narrow to Liberation Sans Narrow), then any condensed sans.
QFont ArialNarrow(qreal pointSize, QFont::Weight weight = QFont::Normal);
QFont Arial(qreal pointSize, QFont::Weight weight = QFont::Normal);

// Makes the faces that the program carries with it available where the system lacks them.
// On Linux the system's own fonts serve and this does nothing; on Windows, which seldom has
// Arial Narrow, it adds Liberation Sans Narrow.
void AddBundledFonts();

}  // namespace dicewright
