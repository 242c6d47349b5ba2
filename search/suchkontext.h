#pragma once

#include "lexicon/apendix.h"
#include "lexicon/ereignishaken.h"
#include "lexicon/lexikon.h"
#include "soundgroups/ersetzbaum.h"
#include "text/stringliste.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quandel {

enum class BegrenzungsModus { Plus, Minus };
enum class Richtung { Vor, Rueck };

inline constexpr std::string_view kVokalfeldVorgabe = "a,e,i,o,u,\xE4,\xF6,\xFC";

// What a search reads from the window's controls (texts in Windows-1252).
struct SuchEinstellungen {
    std::string suchtext;
    bool akzentuirung = false;
    BegrenzungsModus begrenzung = BegrenzungsModus::Plus;
    std::string vokalfeld{kVokalfeldVorgabe};
};

enum class Ausgang {
    NichtGesucht, // no search word: the grid stays blank, no message
    KeinEintrag,  // searched, nothing found: "kein Eintrag"
    Treffer,
};

struct SuchErgebnis {
    Ausgang ausgang = Ausgang::NichtGesucht;
    std::vector<std::string> treffer; // in the order of the hit list
    bool ohneSortierung = false;      // true: lay out as found, never re-sort
    bool abgebrochen = false;
    std::string suchdauer; // "Suchdauer = ..." of the spoonerism search, else empty
};

// The state one run of the program shares between its searches: the hit lists, the search
// terms, the records of the hits and the abort flag. The main window (or the command-line
// program) owns it for the whole run; the lexicon and the sound groups it reads live at least
// as long.
class SuchKontext {
public:
    SuchKontext(const Lexikon& lexikon, const Lautersetzung& lautersetzung)
        : lexikon_(lexikon), lautersetzung_(lautersetzung) {}

    const Lexikon& lexikon() const { return lexikon_; }
    const Lautersetzung& lautersetzung() const { return lautersetzung_; }

    // Fills Suchbegriffe from the search text by the comma-text rule and lowers entry 0:
    // "Eide Kreide" -> {"eide", "Kreide"}.
    void SuchbegriffeLesen(std::string_view suchtext);

    // Empties the working lists after a search (LiedTreffer stays until the next song rhyme).
    void SuchlistenLeeren();

    ApendixListe Apendixliste;
    TrefferListe EndTreffer{Ordnung::Sortiert, Duplikate::Ignorieren};
    TrefferListe StabTreffer{Ordnung::Sortiert, Duplikate::Ignorieren};
    TrefferListe LiedTreffer{Ordnung::Sortiert, Duplikate::Ignorieren};
    TrefferListe SchuettelTreffer{Ordnung::Unsortiert};
    StringListe<> Suchbegriffe{Ordnung::Unsortiert};
    StringListe<> Suchformen{Ordnung::Sortiert, Duplikate::Ignorieren};
    TrefferListe PlusTreffer{Ordnung::Unsortiert};

    // Set by "Abbruch", by closing the window or by Ctrl+C; the spoonerism pairing stops.
    std::atomic<bool> AbbruchFlag{false};

    // Hands control to the window during long loops.
    EreignisHaken haken;

    // Reports the progress of the spoonerism pairing: pairs done, pairs in all.
    std::function<void(std::uint64_t erledigt, std::uint64_t gesamt)> fortschritt;

    // When set, the spoonerism hands each row to it as soon as it is found (Suchwort,
    // Tauschwort, EndWort, StabWort) instead of collecting it in SchuettelTreffer; false
    // stops the search like the abort flag.
    std::function<bool(const std::array<std::string_view, 4>& zeile)> SchuettelZeile;

    // Fills Suchformen with the forms of a word: its sound variants with Akzentuirung, else the
    // word alone. Too many variants raise ZuVieleLautvarianten.
    void SuchformenFuellen(std::string_view wort, bool akzentuirung);

private:
    const Lexikon& lexikon_;
    const Lautersetzung& lautersetzung_;
};

} // namespace quandel
