#include "ui/dialoge.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

namespace quandel {

QMessageBox::StandardButton Dialoge::Fehler(const QString& text) {
    letzterText_ = text;
    ++anzahl_;
    if (naechsteAntwort_) {
        const QMessageBox::StandardButton antwort = *naechsteAntwort_;
        naechsteAntwort_.reset();
        return antwort;
    }
    QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, eltern_);
    box.setAccessibleName(QStringLiteral("Fehler"));
    box.setAccessibleDescription(text);
    // The text can be selected with the keyboard, so it is a control of its own.
    if (auto* meldung = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        meldung->setAccessibleName(QStringLiteral("Meldung"));
        meldung->setAccessibleDescription(text);
    }
    box.button(QMessageBox::Ok)->setAccessibleName(QStringLiteral("OK"));
    box.button(QMessageBox::Ok)->setAccessibleDescription(QStringLiteral("Schließt die Meldung"));
    return static_cast<QMessageBox::StandardButton>(box.exec());
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
