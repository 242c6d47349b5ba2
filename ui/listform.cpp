#include "ui/listform.h"

#include "text/datei.h"
#include "text/dateitext.h"
#include "ui/qttext.h"
#include "ui/zugang.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace quandel {

namespace {

// The sample word list the window starts with.
const char* const kBeispielZeilen[] = {
    "wippen", "sägen",   "härbe",  "Tanne",   "Bumms",   "Kanne",   "Lawine", "Hummer",
    "Plane",  "Weide",   "Kreide", "Kummer",  "Seide",   "Reim",    "Leim",   "Rand",
    "Land",   "Liese",   "Miene",  "wieder",  "Kutsche", "Gebäude", "Räude",  "Ahorn",
    "Licht",  "Schwein", "Rinder", "Drucker", "Schrank", "Parkuhr", "stritt"};

const QString kTextFilter = QStringLiteral("Text (*.txt)");

// The list lends its words to a drop into any text: one word per line.
class SammelListe : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    QMimeData* mimeData(const QList<QListWidgetItem*>& eintraege) const override {
        QMimeData* daten = QListWidget::mimeData(eintraege);
        QStringList worte;
        for (const QListWidgetItem* eintrag : eintraege)
            worte << eintrag->text();
        daten->setText(worte.join(QLatin1Char('\n')));
        return daten;
    }
};

template <typename Widget> Widget* Benannt(Widget* widget, const char* name, QRect platz) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(platz);
    return widget;
}

QString Dateiname(const QString& pfad) {
    return QDir::toNativeSeparators(QFileInfo(pfad).absoluteFilePath());
}

} // namespace

TListForm::TListForm(QWidget* eltern) : QWidget(eltern, Qt::Window) {
    setObjectName(QStringLiteral("ListForm"));
    setWindowTitle(QStringLiteral("ListForm"));
    setFixedSize(618, 548);

    ListBox1 = Benannt(new SammelListe(this), "ListBox1", {16, 16, 121, 425});
    ListBox1->addItems({"Hallo", "Welt", "Holla", "Du"});
    QPalette palette = ListBox1->palette();
    palette.setColor(QPalette::Base, QColor(156, 187, 220));
    ListBox1->setPalette(palette);
    ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListBox1->setDragEnabled(true);
    ListBox1->setDragDropMode(QAbstractItemView::DragOnly);

    TXTPflege = Benannt(new QPlainTextEdit(this), "TXTPflege", {160, 16, 441, 425});
    QStringList zeilen;
    for (const char* zeile : kBeispielZeilen)
        zeilen << QString::fromUtf8(zeile);
    TXTPflege->setPlainText(zeilen.join(QLatin1Char('\n')));
    TXTPflege->setTabChangesFocus(true);
    TXTPflege->setLineWrapMode(QPlainTextEdit::NoWrap);

    Uebernehmen = Benannt(new QPushButton(QStringLiteral("Übernehmen"), this), "Uebernehmen",
                          {16, 472, 121, 25});
    Uebernehmen->setToolTip(
        QStringLiteral("Die gewählten (sonst alle) gesammelten Wörter als Zeilen anhängen"));
    TXTPflLoadButton = Benannt(new QPushButton(QStringLiteral("Load"), this), "TXTPflLoadButton",
                               {160, 472, 75, 25});
    TXTPflSaveButton = Benannt(new QPushButton(QStringLiteral("Save"), this), "TXTPflSaveButton",
                               {248, 472, 75, 25});
    TXTPflSuchFeld =
        Benannt(new QLineEdit(QStringLiteral("umm"), this), "TXTPflSuchFeld", {336, 474, 153, 21});
    TXTPflSuchFeld->installEventFilter(this);
    Button1 =
        Benannt(new QPushButton(QStringLiteral("Button1"), this), "Button1", {504, 472, 75, 25});
    Button1->setToolTip(QStringLiteral("Den Suchtext im Text finden (das nächste Vorkommen)"));

    connect(Uebernehmen, &QPushButton::clicked, this, &TListForm::UebernehmenClick);
    connect(TXTPflLoadButton, &QPushButton::clicked, this, &TListForm::TXTPflLoadButtonClick);
    connect(TXTPflSaveButton, &QPushButton::clicked, this, &TListForm::TXTPflSaveButtonClick);
    connect(Button1, &QPushButton::clicked, this, &TListForm::Button1Click);
    ListFormZugang(*this);

    // At left 407, top 316, moved up and left as far as the screen needs.
    if (const QScreen* bildschirm = screen()) {
        const QRect frei = bildschirm->availableGeometry();
        move(std::max(frei.left(), std::min(407, frei.right() + 1 - width())),
             std::max(frei.top(), std::min(316, frei.bottom() + 1 - height())));
    }
}

void TListForm::WortAnhaengen(const QString& wort) {
    ListBox1->addItem(wort);
}

void TListForm::TXTPflLoadButtonClick() {
    const QString pfad = dialoge_.DateiZumOeffnen(QStringLiteral("Wortliste laden"), kTextFilter,
                                                  QCoreApplication::applicationDirPath());
    if (pfad.isEmpty())
        return;
    setWindowTitle(Dateiname(pfad));
    Abgesichert([this, &pfad] {
        QString text = AlsQString(TextdateiLesen(AlsPfad(pfad)));
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        TXTPflege->setPlainText(text);
    });
}

void TListForm::TXTPflSaveButtonClick() {
    const QString pfad = dialoge_.DateiZumSpeichern(QStringLiteral("Wortliste speichern"), {}, {},
                                                    QCoreApplication::applicationDirPath());
    if (pfad.isEmpty())
        return;
    setWindowTitle(Dateiname(pfad));
    Abgesichert([this, &pfad] {
        QString text = TXTPflege->toPlainText();
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        DateiSchreiben(AlsPfad(pfad), AusQString(text));
    });
}

void TListForm::Button1Click() {
    // Selects the next occurrence after the cursor, from the start again after the last one.
    TXTPflege->setFocus();
    const QString gesucht = TXTPflSuchFeld->text();
    if (gesucht.isEmpty())
        return;
    const QString text = TXTPflege->toPlainText();
    QTextCursor cursor = TXTPflege->textCursor();
    qsizetype stelle = text.indexOf(gesucht, cursor.position(), Qt::CaseSensitive);
    if (stelle < 0)
        stelle = text.indexOf(gesucht, 0, Qt::CaseSensitive);
    if (stelle < 0)
        return;
    cursor.setPosition(static_cast<int>(stelle));
    cursor.setPosition(static_cast<int>(stelle + gesucht.size()), QTextCursor::KeepAnchor);
    TXTPflege->setTextCursor(cursor);
}

void TListForm::UebernehmenClick() {
    QList<QListWidgetItem*> eintraege = ListBox1->selectedItems();
    if (eintraege.isEmpty())
        for (int i = 0; i < ListBox1->count(); ++i)
            eintraege << ListBox1->item(i);
    std::sort(eintraege.begin(), eintraege.end(), [this](QListWidgetItem* a, QListWidgetItem* b) {
        return ListBox1->row(a) < ListBox1->row(b);
    });
    QStringList worte;
    for (const QListWidgetItem* eintrag : eintraege)
        worte << eintrag->text();
    const QString text = TXTPflege->toPlainText();
    QTextCursor cursor(TXTPflege->document());
    cursor.movePosition(QTextCursor::End);
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')))
        cursor.insertText(QStringLiteral("\n"));
    cursor.insertText(worte.join(QLatin1Char('\n')));
    TXTPflege->setTextCursor(cursor);
}

bool TListForm::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == TXTPflSuchFeld && ereignis->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(ereignis)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter)
            return true; // neither a search nor a line break
    }
    return QWidget::eventFilter(objekt, ereignis);
}

} // namespace quandel
