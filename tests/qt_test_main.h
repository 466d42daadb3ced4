#pragma once

#include <QFontDatabase>
#include <QStringList>
#include <QTest>

#include "app/app.h"

namespace dicewright::testing {

// Where the platform brings no fonts of its own (Qt's offscreen platform on Windows), the
// build names the faces of the system the tests stand for: Arial's metric twin, no Arial Narrow.
inline void AddTestSystemFonts() {
#ifdef DICEWRIGHT_TEST_SYSTEM_FONTS
    for (const QString& file : QStringLiteral(DICEWRIGHT_TEST_SYSTEM_FONTS).split(u'|'))
        QFontDatabase::addApplicationFont(file);
#endif
}

}  // namespace dicewright::testing

// Runs a QtTest class inside the program's own Application, so that errors leaving an event
// handler reach the same boundary as in the program; in English, whatever the machine's language
// and region, until a test asks for another.
#define DICEWRIGHT_QTEST_MAIN(TestClass)                                     \
    int main(int argc, char** argv) {                                        \
        dicewright::Application app(argc, argv);                             \
        app.useLanguage(dicewright::ChooseLanguage({QStringLiteral("en")})); \
        dicewright::testing::AddTestSystemFonts();                           \
        TestClass test;                                                      \
        return QTest::qExec(&test, argc, argv);                              \
    }
