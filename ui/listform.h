#pragma once

#include "ui/dialoge.h"

#include <QWidget>
#include <exception>

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace quandel {

// The word list window: a small editor for plain-text word lists (one word per line), loaded
// from and saved to files, with a find. Its list ListBox1 collects the words double-clicked in
// the result grid; they reach the text by dragging them over or with "Übernehmen". The main
// window creates it on first use and keeps it, hidden when closed, until the main window goes.
class TListForm : public QWidget {
    Q_OBJECT
public:
    explicit TListForm(QWidget* eltern);

    Dialoge& dialoge() { return dialoge_; }

    // Appends a word double-clicked in the grid to ListBox1.
    void WortAnhaengen(const QString& wort);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void TXTPflLoadButtonClick();
    void TXTPflSaveButtonClick();
    void Button1Click();
    void UebernehmenClick();
    template <typename Handler> void Abgesichert(Handler handler);

    Dialoge dialoge_{this};
    QListWidget* ListBox1 = nullptr;
    QPlainTextEdit* TXTPflege = nullptr;
    QPushButton* TXTPflLoadButton = nullptr;
    QPushButton* TXTPflSaveButton = nullptr;
    QLineEdit* TXTPflSuchFeld = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Uebernehmen = nullptr;
};

template <typename Handler> void TListForm::Abgesichert(Handler handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        dialoge_.Fehler(QString::fromUtf8(e.what()));
    }
}

} // namespace quandel
