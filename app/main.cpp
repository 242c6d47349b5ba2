#include "ui/anwendung.h"
#include "ui/hauptfenster.h"
#include "ui/qtuebersetzung.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <exception>
#include <memory>

int main(int argc, char** argv) {
    QApplication anwendung(argc, argv);
    quandel::QtTexteDeutsch(anwendung);
    quandel::AnwendungEinrichten();
    try {
        auto fenster = std::make_unique<quandel::THauptFenster>();
        fenster->show();
        // quandel-tornar DATEI: that word list is the stock from the start. It is loaded from
        // the event loop, so that closing the window during its build ends the program.
        if (const QStringList argumente = QApplication::arguments(); argumente.size() > 1)
            QTimer::singleShot(0, fenster.get(), [&fenster, pfad = argumente[1]] {
                fenster->WortbestandLaden(pfad);
            });
        anwendung.exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QGuiApplication::applicationDisplayName(),
                              QString::fromUtf8(e.what()));
    }
    return 0;
}
