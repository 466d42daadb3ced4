#pragma once

#include <QKeySequence>
#include <QList>

namespace dicewright {

// The keys that show and hide a test's controls, the one a menu names first. Ctrl+T everywhere,
// and Alt+T too, since browsers keep Ctrl+T for a new tab and never pass it to a page.
QList<QKeySequence> DifficultyShortcuts();

}  // namespace dicewright
