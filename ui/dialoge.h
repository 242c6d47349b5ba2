#pragma once

#include <QMessageBox>
#include <QString>
#include <optional>

namespace quandel {

// The message boxes and file dialogs of a window. A test can give the answer of the next box
// or the file of the next dialog in advance; that box or dialog is then not shown, but a box's
// text and a dialog's filter are kept for the test to read.
class Dialoge {
public:
    explicit Dialoge(QWidget* eltern) : eltern_(eltern) {}

    // The standard error display: the German error text in a modal box.
    QMessageBox::StandardButton Fehler(const QString& text);

    // The file the user picks to open or to save to; empty when the dialog was cancelled. The
    // dialog starts in `ordner` (the current directory if empty); an empty filter shows all
    // files. Saving asks before overwriting and adds the default suffix to a name without one.
    QString DateiZumOeffnen(const QString& titel, const QString& filter,
                            const QString& ordner = {});
    QString DateiZumSpeichern(const QString& titel, const QString& filter, const QString& endung,
                              const QString& ordner = {});

    void NaechsteAntwort(QMessageBox::StandardButton antwort) { naechsteAntwort_ = antwort; }
    // An empty path answers the next file dialog as cancelled.
    void NaechsteDatei(const QString& pfad) { naechsteDatei_ = pfad; }
    const QString& LetzterText() const { return letzterText_; }
    const QString& LetzterFilter() const { return letzterFilter_; }
    int Anzahl() const { return anzahl_; }

private:
    QWidget* eltern_;
    std::optional<QMessageBox::StandardButton> naechsteAntwort_;
    std::optional<QString> naechsteDatei_;
    QString letzterText_;
    QString letzterFilter_;
    int anzahl_ = 0;
};

} // namespace quandel
