#include <emscripten/val.h>

#include "language.h"

namespace dicewright {

// The browser's languages as the player ordered them (navigator.languages); this Qt's own
// system locale in a browser is always American English.
QStringList PreferredLanguages() {
    const emscripten::val navigator = emscripten::val::global("navigator");
    QStringList languages;
    const emscripten::val list = navigator["languages"];
    if (!list.isUndefined() && !list.isNull()) {
        const int count = list["length"].as<int>();
        for (int i = 0; i < count; ++i)
            languages << QString::fromStdString(list[i].as<std::string>());
    }
    const emscripten::val language = navigator["language"];
    if (languages.isEmpty() && !language.isUndefined() && !language.isNull())
        languages << QString::fromStdString(language.as<std::string>());
    return languages;
}

}  // namespace dicewright
