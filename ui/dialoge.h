#pragma once

#include <QMessageBox>
#include <QString>
#include <optional>

namespace quandel {

// The message boxes of a window. A test can give the answer of the next box in advance; that
// box is then not shown, but its text is kept for the test to read.
class Dialoge {
public:
    explicit Dialoge(QWidget* eltern) : eltern_(eltern) {}

    // The standard error display: the German error text in a modal box.
    QMessageBox::StandardButton Fehler(const QString& text);

    void NaechsteAntwort(QMessageBox::StandardButton antwort) { naechsteAntwort_ = antwort; }
    const QString& LetzterText() const { return letzterText_; }
    int Anzahl() const { return anzahl_; }

private:
    QWidget* eltern_;
    std::optional<QMessageBox::StandardButton> naechsteAntwort_;
    QString letzterText_;
    int anzahl_ = 0;
};

} // namespace quandel
