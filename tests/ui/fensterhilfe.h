#pragma once

#include "ui/hauptfenster.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTableView>
#include <QTest>
#include <QToolTip>
#include <memory>

// What the window tests share: finding controls by name, typing a search as a user does and
// reading the grid.
namespace quandel::testhilfe {

// A new main window on the screen; nullptr if it never got there.
inline std::unique_ptr<THauptFenster> FensterZeigen() {
    auto fenster = std::make_unique<THauptFenster>();
    fenster->show();
    if (!QTest::qWaitForWindowExposed(fenster.get()))
        return nullptr;
    return fenster;
}

template <typename Widget> Widget* Kind(QObject& fenster, const char* name) {
    auto* kind = fenster.findChild<Widget*>(QString::fromLatin1(name));
    if (!kind)
        qFatal("Steuerelement %s fehlt", name);
    return kind;
}

inline QComboBox* Eingabe(THauptFenster& fenster) {
    return Kind<QComboBox>(fenster, "SuchEingabe");
}

// Replaces the text of the search box by typing.
inline QAction* Aktion(THauptFenster& fenster, const char* name) {
    return Kind<QAction>(fenster, name);
}

inline void Tippen(THauptFenster& fenster, const QString& text) {
    QComboBox* eingabe = Eingabe(fenster);
    eingabe->setFocus();
    QTest::keyClick(eingabe, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(eingabe, Qt::Key_Backspace);
    for (const QChar zeichen : text) {
        if (zeichen.unicode() < 0x80)
            QTest::keyClick(eingabe, char(zeichen.unicode()));
        else // a key the test keyboard has no code for, such as "ü" or "ł"
            QTest::sendKeyEvent(QTest::Click, eingabe, Qt::Key_unknown, QString(zeichen),
                                Qt::NoModifier);
    }
}

inline void TippenUndEnter(THauptFenster& fenster, const QString& text) {
    Tippen(fenster, text);
    QTest::keyClick(Eingabe(fenster), Qt::Key_Return);
}

inline void Klicken(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton);
}

inline QAbstractItemModel* Gitter(THauptFenster& fenster) {
    return Kind<QTableView>(fenster, "StringGrid1")->model();
}

inline QString Zelle(THauptFenster& fenster, int spalte, int zeile) {
    QAbstractItemModel* gitter = Gitter(fenster);
    return gitter->data(gitter->index(zeile, spalte)).toString();
}

// The texts of the non-empty cells, row by row.
inline QStringList Zellen(THauptFenster& fenster) {
    QAbstractItemModel* gitter = Gitter(fenster);
    QStringList texte;
    for (int zeile = 0; zeile < gitter->rowCount(); ++zeile)
        for (int spalte = 0; spalte < gitter->columnCount(); ++spalte)
            if (const QString text = Zelle(fenster, spalte, zeile); !text.isEmpty())
                texte << text;
    return texte;
}

// Asks the grid for the tooltip of a cell, as hovering the mouse over it does.
inline QString Tooltip(THauptFenster& fenster, int spalte, int zeile) {
    auto* gitter = Kind<QTableView>(fenster, "StringGrid1");
    const QPoint mitte = gitter->visualRect(gitter->model()->index(zeile, spalte)).center();
    // A tooltip hides after a short delay; the last one must be gone first.
    QToolTip::hideText();
    for (int i = 0; i < 100 && QToolTip::isVisible(); ++i)
        QTest::qWait(10);
    QHelpEvent ereignis(QEvent::ToolTip, mitte, gitter->viewport()->mapToGlobal(mitte));
    QCoreApplication::sendEvent(gitter->viewport(), &ereignis);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// The bytes of a file, or "<fehlt>" when it cannot be read.
inline QByteArray Lesen(const QString& pfad) {
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray("<fehlt>");
}

inline void Schreiben(const QString& pfad, const QByteArray& bytes) {
    QFile datei(pfad);
    QVERIFY(datei.open(QIODevice::WriteOnly));
    datei.write(bytes);
}

inline QString Beschriftung(THauptFenster& fenster, const char* name) {
    return Kind<QLabel>(fenster, name)->text();
}

} // namespace quandel::testhilfe
