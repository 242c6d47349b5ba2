// Start-up of the main window as a whole process: the real THauptFenster on the built-in
// stock, shown and painted once, then the program ends; on the offscreen platform, so it runs
// without a display and needs no environment. With a word list, the window then opens it as
// "Wortbestand öffnen…" does (from its saved index when there is one) and paints again.
// Prints the time from main() to the painted window and, with a list, the time of opening it.
//   hyperfine -N 'build/bench/quandel-fensterstart'
//   build/bench/quandel-fensterstart /usr/share/dict/ngerman
#include "ui/hauptfenster.h"

#include <QApplication>
#include <QEvent>
#include <QString>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Uhr = std::chrono::steady_clock;

double ms(Uhr::time_point von, Uhr::time_point bis) {
    return std::chrono::duration<double, std::milli>(bis - von).count();
}

// Notes when the window has painted.
class Malwaechter : public QObject {
public:
    bool gemalt = false;
    bool eventFilter(QObject*, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::Paint)
            gemalt = true;
        return false;
    }
};

void bisGemalt(QWidget& fenster, Malwaechter& waechter) {
    waechter.gemalt = false;
    fenster.update();
    while (!waechter.gemalt)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace

int main(int argc, char** argv) {
    const Uhr::time_point anfang = Uhr::now();
    std::vector<char*> argumente(argv, argv + argc);
    char plattform[] = "-platform";
    char offscreen[] = "offscreen";
    argumente.insert(argumente.begin() + 1, {plattform, offscreen});
    int anzahl = static_cast<int>(argumente.size());
    QApplication anwendung(anzahl, argumente.data());

    quandel::THauptFenster fenster;
    Malwaechter waechter;
    fenster.installEventFilter(&waechter);
    fenster.show();
    bisGemalt(fenster, waechter);
    std::printf("Fenster benutzbar: %.1f ms nach main()\n", ms(anfang, Uhr::now()));

    if (const QStringList liste = QApplication::arguments(); liste.size() > 1) {
        const Uhr::time_point vorher = Uhr::now();
        fenster.WortbestandLaden(liste[1]);
        bisGemalt(fenster, waechter);
        std::printf("%s geöffnet: %.1f ms – %s\n", qPrintable(liste[1]), ms(vorher, Uhr::now()),
                    qPrintable(fenster.windowTitle()));
    }
    return 0;
}
