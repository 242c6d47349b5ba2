#pragma once

#include "lexicon/lexikon.h"
#include "phonetics/klangindex.h"

#include <QObject>
#include <QString>
#include <memory>
#include <string>

namespace quandel {

class Klangbestand;
class SuchKontext;

// The word stock the main window searches: its lexicon, the word list and the saved index it
// comes from, and the sound keys made for it. Loading a list or going back to the built-in stock
// replaces them together; a list that cannot be used leaves the stock as it was. A build looks
// at the event loop through the search context's hook and stops when its abort flag is set.
class WortbestandsLader : public QObject {
    Q_OBJECT
public:
    WortbestandsLader();
    ~WortbestandsLader() override;

    // The lexicon object stays the same for the whole run: a new stock is moved into it.
    Lexikon& lexikon() { return lexikon_; }
    const Lexikon& lexikon() const { return lexikon_; }

    // What the title adds for the word list in use: " – ngerman (356.010 Wörter)"; empty for
    // the built-in stock.
    const QString& Zusatz() const { return zusatz_; }

    // Makes the word list in the file the stock: from its saved index, or built with its
    // progress reported. False when the abort flag stopped the build or the list cannot be used
    // (reported by Fehler); the old stock stays then.
    bool ListeLaden(const QString& pfad, const std::string& vokalfeld, SuchKontext& kontext);
    void EingebautenLaden(const std::string& vokalfeld, EreignisHaken& haken);
    // The saved index of the list in use changed under the window: the list is opened again,
    // built from its lines, as its index no longer passes the checks. A list that cannot be
    // opened any more gives way to the built-in stock, since the old one reads from the changed
    // file.
    void Erneuern(const std::string& vokalfeld, SuchKontext& kontext);

    // Whether the sound keys of the stock are at hand; Vorbereiten makes them (see Klangbestand).
    bool KlangBereit() const;
    bool KlangVorbereiten(Berechnung berechnung);
    Klangbestand& klang() { return *klang_; }

signals:
    void Fortschritt(int prozent);
    void Fehler(const QString& meldung);
    // Another stock is in use.
    void Gewechselt();

private:
    void Benennen(const QString& name);

    Lexikon lexikon_;
    std::string indexPfad_; // of the word list in use, where its sound keys are saved too
    QString wortlistePfad_; // the word list in use; empty for the built-in stock
    QString zusatz_;
    std::unique_ptr<Klangbestand> klang_;
};

} // namespace quandel
