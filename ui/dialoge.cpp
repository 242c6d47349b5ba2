#include "ui/dialoge.h"

#include <QFileDialog>
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

QString Dialoge::DateiZumOeffnen(const QString& titel, const QString& filter,
                                 const QString& ordner) {
    letzterFilter_ = filter;
    if (naechsteDatei_)
        return *std::exchange(naechsteDatei_, std::nullopt);
    return QFileDialog::getOpenFileName(eltern_, titel, ordner, filter);
}

QString Dialoge::DateiZumSpeichern(const QString& titel, const QString& filter,
                                   const QString& endung, const QString& ordner) {
    letzterFilter_ = filter;
    if (naechsteDatei_)
        return *std::exchange(naechsteDatei_, std::nullopt);
    QFileDialog dialog(eltern_, titel, ordner, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(endung);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace quandel
