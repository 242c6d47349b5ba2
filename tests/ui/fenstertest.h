#pragma once

#include "fensterhilfe.h"

#include <QObject>
#include <QTest>
#include <memory>

// The window tests make one program, fenster_tests; each file registers its test class with
// QUANDEL_FENSTERTEST(Klasse) in place of QTEST_MAIN and runs on its own, in a process of its
// own as before:
//
//     fenster_tests tastatur_test.cpp [QtTest options]   runs TastaturTest
//
// The program shares one build of Qt's headers among all the files (a unity build).
#define QUANDEL_FENSTERTEST(Klasse) QUANDEL_FENSTERTEST_ALS(Klasse, __COUNTER__)
#define QUANDEL_FENSTERTEST_ALS(Klasse, n) QUANDEL_FENSTERTEST_NAME(Klasse, n)
#define QUANDEL_FENSTERTEST_NAME(Klasse, n)                                                        \
    [[maybe_unused]] static const bool fenstertestAngemeldet##n =                                  \
        quandel::testhilfe::FensterTestAnmelden(__FILE__, [](int argc, char** argv) {              \
            Klasse test;                                                                           \
            return QTest::qExec(&test, argc, argv);                                                \
        })

namespace quandel::testhilfe {

// Runs the test class of one file with the given arguments and returns QTest's status.
using FensterTestLauf = int (*)(int argc, char** argv);

// Registers the test class of the source file; called by QUANDEL_FENSTERTEST.
bool FensterTestAnmelden(const char* datei, FensterTestLauf lauf);

// Base of the window tests that need nothing but a fresh main window for each test function.
class FensterTest : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<THauptFenster> fenster;

private slots:
    void init() {
        fenster = FensterZeigen();
        QVERIFY(fenster);
    }
    void cleanup() { fenster.reset(); }
};

} // namespace quandel::testhilfe
