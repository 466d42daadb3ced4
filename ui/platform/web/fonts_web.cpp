#include <QApplication>
#include <QDir>
#include <QFontDatabase>

#include "fonts.h"

namespace dicewright {

void AddBundledFonts() {
    // A browser gives a page no fonts of its own: every face the windows use comes with the
    // program, and Tahoma, Windows' dialog face, is what the buttons were laid out in.
    const QDir faces(QStringLiteral(":/fonts"));
    for (const QString& file : faces.entryList(QDir::Files))
        QFontDatabase::addApplicationFont(faces.filePath(file));
    QApplication::setFont(QFont(QStringLiteral("Tahoma"), 8));
}

}  // namespace dicewright
