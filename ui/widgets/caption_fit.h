#pragma once

#include <QFont>

class QWidget;

namespace dicewright {

// Gives a caption (a label, an option or a button) `font`, or where its text would not fit the
// width it is placed in (or a wrapped label's lines its height), that face drawn as much smaller
// as it needs: a caption that runs longer in another language is never cut.
// Returns the font it gave.
QFont FitCaption(QWidget* caption, const QFont& font);

}  // namespace dicewright
