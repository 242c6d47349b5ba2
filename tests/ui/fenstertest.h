#pragma once

#include "fensterhilfe.h"

#include <QObject>
#include <memory>

namespace quandel::testhilfe {

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
