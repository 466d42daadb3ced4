#pragma once

#include <QFont>

namespace dicewright {

// The program's faces. Where the named Windows font is missing, a metric-compatible face stands
// in for it (fontconfig maps Arial Narrow to Liberation Sans Narrow), then any condensed sans.
QFont ArialNarrow(qreal pointSize, QFont::Weight weight = QFont::Normal);
QFont Arial(qreal pointSize, QFont::Weight weight = QFont::Normal);

}  // namespace dicewright
