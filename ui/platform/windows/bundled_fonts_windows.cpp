#include <QFontDatabase>
#include <QStringList>

#include "app/bundled_fonts.h"

namespace dicewright {

void AddBundledFonts() {
    // Only where Arial Narrow is missing, so that a machine that has it keeps its own face.
    if (QFontDatabase::hasFamily(QStringLiteral("Arial Narrow"))) return;
    for (const char* face : {"LiberationSansNarrow-Regular", "LiberationSansNarrow-Bold"}) {
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/%1.ttf").arg(face));
    }
}

}  // namespace dicewright
