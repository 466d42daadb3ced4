#include "shortcuts.h"

namespace dicewright {

// A desktop program gets every key: the menu names Ctrl+T.
QList<QKeySequence> DifficultyShortcuts() {
    return {QKeySequence(Qt::CTRL | Qt::Key_T), QKeySequence(Qt::ALT | Qt::Key_T)};
}

}  // namespace dicewright
