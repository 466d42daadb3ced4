#include "app/fonts.h"

#include <QStringList>

namespace dicewright {
namespace {

QFont Face(const QStringList& families, qreal pointSize, QFont::Weight weight) {
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    return font;
}

}  // namespace

QFont ArialNarrow(qreal pointSize, QFont::Weight weight) {
    return Face(
        {"Arial Narrow", "Liberation Sans Narrow", "Nimbus Sans Narrow", "DejaVu Sans Condensed"},
        pointSize, weight);
}

QFont Arial(qreal pointSize, QFont::Weight weight) {
    return Face({"Arial", "Liberation Sans", "Nimbus Sans", "DejaVu Sans"}, pointSize, weight);
}

}  // namespace dicewright
