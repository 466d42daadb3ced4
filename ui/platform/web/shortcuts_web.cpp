#include "shortcuts.h"

namespace dicewright {

// A browser opens a tab on Ctrl+T and never lets the page see it: the menu names Alt+T, which
// browsers leave to the page.
QList<QKeySequence> DifficultyShortcuts() {
    return {QKeySequence(Qt::ALT | Qt::Key_T), QKeySequence(Qt::CTRL | Qt::Key_T)};
}

}  // namespace dicewright
