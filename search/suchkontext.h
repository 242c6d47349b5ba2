#pragma once

#include "lexicon/ereignishaken.h"
#include "lexicon/lexikon.h"
#include "search/apendix.h"
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

// The working state of one search: its search terms and forms, its hit lists and the records
// of its hits. Each search makes its own and drops it when it ends, so that nothing a search
// collects outlives it: a run of thousands of searches holds no more than one of them.
struct Suchlisten {
    // Fills Suchbegriffe from the search text by the comma-text rule and lowers entry 0:
    // "Eide Kreide" -> {"eide", "Kreide"}.
    void SuchbegriffeLesen(std::string_view suchtext);

    ApendixListe Apendixliste;
    TrefferListe EndTreffer{Ordnung::Sortiert, Duplikate::Ignorieren};
    TrefferListe StabTreffer{Ordnung::Sortiert, Duplikate::Ignorieren};
    TrefferListe LiedTreffer{Ordnung::Sortiert, Duplikate::Ignorieren};
    TrefferListe SchuettelTreffer{Ordnung::Unsortiert};
    StringListe<> Suchbegriffe{Ordnung::Unsortiert};
    StringListe<> Suchformen{Ordnung::Sortiert, Duplikate::Ignorieren};
    TrefferListe PlusTreffer{Ordnung::Unsortiert};
};

// What the searches of one run share: the lexicon and sound groups they read, the abort flag
// and the hooks to the window or the terminal. The main window (or the command-line program)
// owns it for the whole run; the lexicon and the sound groups live at least as long. It holds
// nothing of a search once that search has ended (see Suchlisten).
class SuchKontext {
public:
    SuchKontext(const Lexikon& lexikon, const Lautersetzung& lautersetzung)
        : lexikon_(lexikon), lautersetzung_(lautersetzung) {}

    const Lexikon& lexikon() const { return lexikon_; }
    const Lautersetzung& lautersetzung() const { return lautersetzung_; }

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

    // Fills the search's Suchformen with the forms of a word: its sound variants with
    // Akzentuirung, else the word alone. Too many variants raise ZuVieleLautvarianten.
    void SuchformenFuellen(Suchlisten& listen, std::string_view wort, bool akzentuirung) const;

private:
    const Lexikon& lexikon_;
    const Lautersetzung& lautersetzung_;
};

} // namespace quandel
