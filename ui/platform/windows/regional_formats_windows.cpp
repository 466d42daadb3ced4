#include <QLocale>

#include "languages/regional_formats.h"

namespace dicewright {

// The regional format the player set in Windows, which is never C.
std::optional<QLocale> RegionalFormats() {
    return QLocale::system();
}

}  // namespace dicewright
