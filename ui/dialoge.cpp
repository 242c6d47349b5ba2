#include "ui/dialoge.h"

#include <QGuiApplication>

namespace quandel {

QMessageBox::StandardButton Dialoge::Fehler(const QString& text) {
    letzterText_ = text;
    ++anzahl_;
    if (naechsteAntwort_) {
        const QMessageBox::StandardButton antwort = *naechsteAntwort_;
        naechsteAntwort_.reset();
        return antwort;
    }
    return QMessageBox::critical(eltern_, QGuiApplication::applicationDisplayName(), text);
}

} // namespace quandel
