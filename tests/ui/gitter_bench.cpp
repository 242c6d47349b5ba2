#include "fensterhilfe.h"

#include <QCoreApplication>
#include <QRadioButton>
#include <QTest>
#include <string>
#include <vector>

using namespace quandel;
using namespace quandel::testhilfe;

// How long laying out the whole word stock takes, in both directions:
//   QT_QPA_PLATFORM=offscreen build/tests/ui/gitter_bench
class GitterBench : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        fenster = FensterZeigen();
        QVERIFY(fenster);
        const auto& bestand = fenster->lexikon().Wortbestand();
        for (std::size_t i = 1; i < bestand.size(); ++i)
            alle.emplace_back(bestand[i]);
    }

    void ganzerBestandVor() {
        QBENCHMARK {
            fenster->SGFuellen(alle);
            QCoreApplication::processEvents(); // the repaint of the visible cells
        }
    }

    void ganzerBestandRueck() {
        fenster->findChild<QRadioButton*>(QStringLiteral("RueckSort"))->setChecked(true);
        QBENCHMARK {
            fenster->SGFuellen(alle);
            QCoreApplication::processEvents(); // the repaint of the visible cells
        }
    }

private:
    std::unique_ptr<THauptFenster> fenster;
    std::vector<std::string> alle;
};

QTEST_MAIN(GitterBench)
#include "gitter_bench.moc"
