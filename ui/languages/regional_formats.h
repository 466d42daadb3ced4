#pragma once

#include <QLocale>
#include <optional>

namespace dicewright {

// The player's regional format for numbers, dates and times, as the platform keeps it apart
// from the language of the texts (LC_NUMERIC and LC_TIME on Linux, the regional format on
// Windows); none where the platform names no region (C or POSIX). Each platform's is in
// ui/platform/NAME/regional_formats_NAME.cpp.
std::optional<QLocale> RegionalFormats();

}  // namespace dicewright
