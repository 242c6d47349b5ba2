#include "ui/hauptfenster.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>
#include <memory>

int main(int argc, char** argv) {
    QApplication anwendung(argc, argv);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("QBX"));
    try {
        auto fenster = std::make_unique<quandel::THauptFenster>();
        fenster->show();
        // quandel-tornar DATEI: that word list is the stock from the start.
        if (const QStringList argumente = QApplication::arguments(); argumente.size() > 1)
            fenster->WortbestandLaden(argumente[1]);
        anwendung.exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QGuiApplication::applicationDisplayName(),
                              QString::fromUtf8(e.what()));
    }
    return 0;
}
