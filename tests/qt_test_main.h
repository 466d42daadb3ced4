#pragma once

#include <QTest>

#include "app.h"

// Runs a QtTest class inside the program's own Application, so that errors leaving an event
// handler reach the same boundary as in the program.
#define DICEWRIGHT_QTEST_MAIN(TestClass)         \
    int main(int argc, char** argv) {            \
        dicewright::Application app(argc, argv); \
        TestClass test;                          \
        return QTest::qExec(&test, argc, argv);  \
    }
