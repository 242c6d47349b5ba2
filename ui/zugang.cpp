#include "ui/zugang.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QWidget>
#include <initializer_list>

namespace quandel {

namespace {

// A control by its objectName, its name for the reader and its description.
struct Zugang {
    const char* objekt;
    const char* name;
    const char* beschreibung;
};

void Setzen(QWidget& widget, const char* name, const char* beschreibung) {
    widget.setAccessibleName(QString::fromUtf8(name));
    widget.setAccessibleDescription(QString::fromUtf8(beschreibung));
}

void Benennen(QWidget& fenster, std::initializer_list<Zugang> steuerelemente) {
    for (const Zugang& z : steuerelemente) {
        QWidget* widget = fenster.objectName() == QLatin1String(z.objekt)
                              ? &fenster
                              : fenster.findChild<QWidget*>(QString::fromLatin1(z.objekt));
        if (widget)
            Setzen(*widget, z.name, z.beschreibung);
    }
}

} // namespace

void HauptfensterZugang(QWidget& fenster) {
    Benennen(
        fenster,
        {
            {"HauptFenster", "Quandel Tornar",
             "Deutsches Reimlexikon: Suchwort eingeben, Suchart wählen, Treffer im Raster lesen"},
            {"VokalFeld", "Vokale",
             "Die Buchstaben, die für den Liedreim als Vokale zählen, durch Kommas getrennt"},
            {"BrowserKnopf", "Suchverlauf",
             "Pfeile: frühere Suchen wieder zeigen; Pfeiltasten gehen einen Eintrag zurück oder "
             "vor"},
            {"SpeedButton1", "Suchverlauf als Liste",
             "Öffnet und schließt die Liste aller bisherigen Suchen"},
            {"BrowseListBox", "Liste der bisherigen Suchen",
             "Eingabetaste zeigt die gewählte Suche wieder im Raster, Escape schließt die Liste"},
            {"Animate1", "Suchanzeige", "Dreht sich, solange eine Suche läuft"},
            {"PanKlang", "Klangreim",
             "Sucht Wörter, die wie das Suchwort klingen (Strg+K); Leertaste oder Eingabetaste "
             "startet die Suche"},
            {"PanEnd", "Endreim",
             "Sucht Wörter, die auf den Suchtext enden; Leertaste oder Eingabetaste startet die "
             "Suche"},
            {"PanLied", "Liedreim",
             "Sucht Wörter mit derselben Folge von Vokalen wie das Suchwort; Leertaste oder "
             "Eingabetaste startet die Suche"},
            {"PanSchuett", "Schüttelreim",
             "Sucht Wortpaare, deren Anfänge sich tauschen lassen; Leertaste oder Eingabetaste "
             "startet die Suche"},
            {"PanStab", "Stabreim",
             "Sucht Wörter, die mit dem Suchtext beginnen (Strg+Umschalt+S)"},
            {"PanSinn", "Sinnverwandt", "Sucht die Synonyme des Suchworts im Thesaurus (Strg+T)"},
            {"ABCRichtung", "Richtung", "Ordnung der Treffer im Raster"},
            {"VorSort", "Vor", "Treffer alphabetisch von vorn ordnen"},
            {"RueckSort", "Rück", "Treffer nach ihren Endungen ordnen, von hinten gelesen"},
            {"ZeigAkzente", "Akzentmonitor", "Zeigt oder verbirgt das Fenster mit den Lautgruppen"},
            {"Akzentuirung", "Akzent",
             "Eingeschaltet sucht jede Suche auch die gleich klingenden Schreibweisen des "
             "Suchworts"},
            {"PlusMinusPan", "Begrenzung",
             "Was weitere Wörter nach dem Suchwort mit den Treffern tun"},
            {"PlusRadio", "Plus", "Nur Treffer behalten, die auf ein weiteres Wort enden"},
            {"MinusRadio", "Minus", "Treffer entfernen, die auf ein weiteres Wort enden"},
            {"AbbruchButton", "Abbruch", "Hält die laufende Suche oder das Laden an"},
            {"SuchEingabe", "Suchtext",
             "Suchwort, dahinter Wörter der Begrenzung; Eingabetaste sucht in der zuletzt "
             "gewählten Suchart, Pfeil nach unten öffnet die früheren Suchtexte"},
            {"StringGrid1", "Trefferraster",
             "Die Treffer der Suche, vier je Zeile; Eingabetaste übernimmt das Wort in das "
             "Wortlistenfenster, die Kontextmenütaste bietet Kopieren und sinnverwandte Wörter"},
            {"ProgressBar1", "Fortschritt", "Wie weit die Suche oder das Laden ist"},
        });
    // The box's line edit has the keyboard; it is named like the box.
    if (auto* eingabe = fenster.findChild<QComboBox*>(QStringLiteral("SuchEingabe")))
        Setzen(*eingabe->lineEdit(), "Suchtext",
               "Suchwort, dahinter Wörter der Begrenzung; Eingabetaste sucht in der zuletzt "
               "gewählten Suchart");
}

void ListFormZugang(QWidget& fenster) {
    Benennen(fenster,
             {
                 {"ListForm", "Wortlistenfenster",
                  "Bearbeitet Wortlisten, ein Wort je Zeile, und sammelt Wörter aus dem "
                  "Trefferraster"},
                 {"ListBox1", "Gesammelte Wörter",
                  "Im Trefferraster doppelt geklickte Wörter; in den Text ziehen oder mit "
                  "Übernehmen anhängen"},
                 {"TXTPflege", "Wortliste", "Der Text der Wortliste, ein Wort je Zeile"},
                 {"Uebernehmen", "Übernehmen",
                  "Hängt die gewählten, sonst alle gesammelten Wörter als Zeilen an"},
                 {"TXTPflLoadButton", "Laden", "Lädt eine Wortliste aus einer Datei"},
                 {"TXTPflSaveButton", "Speichern", "Speichert die Wortliste in eine Datei"},
                 {"TXTPflSuchFeld", "Suchtext", "Der Text, der in der Wortliste gesucht wird"},
                 {"Button1", "Weitersuchen",
                  "Findet das nächste Vorkommen des Suchtexts in der Wortliste"},
             });
}

void AkzentMonitorZugang(QWidget& fenster) {
    Benennen(
        fenster,
        {
            {"AkzentMonitor", "Akzentmonitor",
             "Die Lautgruppen: gleich klingende Schreibweisen, die die Suchen mit Akzent "
             "gleich behandeln"},
            {"TreeView1", "Lautgruppen",
             "Oben die Gruppen, darunter ihre Schreibweisen; F2 ändert einen Eintrag, "
             "Strg+X schneidet ihn aus, Strg+V setzt ihn vor den gewählten"},
            {"AddGruppe", "Gruppe hinzufügen", "Legt eine neue Lautgruppe an"},
            {"AddChild", "Schreibweise hinzufügen",
             "Fügt der gewählten Gruppe eine Schreibweise hinzu"},
            {"Loeschen", "Löschen", "Löscht die gewählte Gruppe oder Schreibweise"},
            {"DateiLaden", "Laden", "Lädt Lautgruppen aus einer .akz-Datei"},
            {"DateiSpeichern", "Speichern", "Speichert die Lautgruppen in eine .akz-Datei"},
            {"Standardgruppen", "Standardgruppen", "Stellt die eingebauten Lautgruppen wieder her"},
        });
}

void HilfeFensterZugang(QWidget& fenster) {
    Benennen(fenster, {
                          {"HilfeFenster", "Hilfe", "Die Hilfe zu Quandel Tornar"},
                          {"HilfeText", "Hilfetext", "Der Text des gewählten Hilfethemas"},
                      });
}

void UeberDialogZugang(QWidget& fenster) {
    Benennen(fenster,
             {
                 {"UeberDialog", "Über Quandel Tornar", "Version, Lizenz und Herkunft der Daten"},
                 {"UeberText", "Programm und Lizenz", "Version und Lizenz des Programms"},
                 {"UeberQuellen", "Herkunft der Daten",
                  "Herkunft und Lizenzen des Wortbestands und der übrigen Daten"},
             });
    if (auto* knoepfe = fenster.findChild<QDialogButtonBox*>())
        for (QAbstractButton* knopf : knoepfe->buttons())
            Setzen(*knopf, "Schließen", "Schließt das Fenster");
}

} // namespace quandel
