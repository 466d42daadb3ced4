#include <QLocale>

#include "languages/regional_formats.h"

namespace dicewright {

// The locale that LC_ALL, LC_NUMERIC or LANG names, as Qt's system locale formats with it; none
// where that is C or POSIX, or unset.
std::optional<QLocale> RegionalFormats() {
    QString region;
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        region = qEnvironmentVariable(variable);
        if (!region.isEmpty()) break;
    }
    const QString name = region.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX"))
        return std::nullopt;
    return QLocale::system();
}

}  // namespace dicewright
