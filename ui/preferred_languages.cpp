#include "language.h"

namespace dicewright {

// The desktop's list (LANGUAGE, then LC_ALL, LC_MESSAGES and LANG on Linux) or the Windows
// display languages, as Qt reads them.
QStringList PreferredLanguages() {
    return QLocale::system().uiLanguages();
}

}  // namespace dicewright
