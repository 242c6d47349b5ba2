#include "fenstertest.h"

#include "tests/quelldatei.h"

#include <QApplication>
#include <cstdio>
#include <string_view>
#include <vector>

namespace quandel::testhilfe {
namespace {

struct Anmeldung {
    std::string_view datei;
    FensterTestLauf lauf;
};

// Filled before main by the files' QUANDEL_FENSTERTEST lines.
std::vector<Anmeldung>& Anmeldungen() {
    static std::vector<Anmeldung> anmeldungen;
    return anmeldungen;
}

} // namespace

bool FensterTestAnmelden(const char* datei, FensterTestLauf lauf) {
    Anmeldungen().push_back({datei, lauf});
    return true;
}

} // namespace quandel::testhilfe

// What QTEST_MAIN does for a widget test, for the class of the file named first.
int main(int argc, char** argv) {
    using namespace quandel::testhilfe;
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    if (argc >= 2) {
        for (const Anmeldung& anmeldung : Anmeldungen()) {
            if (IstQuelldatei(anmeldung.datei, argv[1])) {
                // QTest sees the program's name and the options after the file.
                argv[1] = argv[0];
                return anmeldung.lauf(argc - 1, argv + 1);
            }
        }
    }
    std::fprintf(stderr, "Aufruf: %s TESTDATEI [QtTest-Optionen]; Testdateien:\n", argv[0]);
    for (const Anmeldung& anmeldung : Anmeldungen())
        std::fprintf(stderr, "  %.*s\n", int(anmeldung.datei.size()), anmeldung.datei.data());
    return 2;
}
