#pragma once

#include "lexicon/wortliste.h"
#include "meaning/wortart.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quandel::cli {

enum class Modus { End, Lied, Stab, Schuettel, Klang, Synonym };
using quandel::Kodierung;
enum class Format { Zeilen, Tsv, Csv, Json, Raster };
// The order of the hits: common words first (the default of klang), alphabetical (klang, as
// every other search), the list's own order (the other modes' default).
enum class Trefferfolge { Rang, Alphabet, Liste };

// What the command line asks for, its texts still in UTF-8 as typed.
//   quandel-cli end eide kreide --minus
//     -> modus End, suchtext "eide kreide", minus
struct Aufruf {
    Modus modus = Modus::End;
    std::string suchtext;    // the TEXT arguments joined by single blanks
    bool ausEingabe = false; // TEXT "-", or none while stdin is no terminal: one per line
    bool minus = false;
    bool rueck = false;
    bool akzent = false;                    // implied by lautgruppen
    bool unrein = false;                    // klang: near rhymes
    bool zweisilbig = false;                // klang: two-syllable rhymes
    std::optional<std::string> lautgruppen; // a sound-group file instead of the default groups
    std::optional<std::string> aussprache;  // klang: a user's correction file
    std::optional<Trefferfolge> ordnung;    // --ordnung; else the mode's default, see Folge
    bool abkuerzungen = false;              // klang: also words read letter by letter
    std::size_t silbenVon = 0;              // klang --silben N or N-M: 0 any, else at least
    std::size_t silbenBis = 0;              // at most; 0 no limit ("N-")
    std::optional<std::string> betonung;    // klang: the stress pattern of x and X
    std::optional<std::string> vokale;      // the vowel field, if not the default one
    std::optional<std::string> wortbestand;
    std::optional<std::string> thesaurus; // synonym, --sinn: another thesaurus file
    Wortarten wortarten;                  // --wortart: keep hits of these classes only
    std::optional<std::string> sinn;      // --sinn: keep synonyms of it and of its synonyms
    Kodierung kodierung = Kodierung::Utf8;
    Format format = Format::Zeilen;
    bool keinCache = false; // --kein-cache: build in memory, save no index
    bool hilfe = false;
    bool version = false;
};

// Bad usage: unknown mode or option, a missing or bad value, an option the mode does not take,
// no mode or no text.
class Aufruffehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The order the call asks for: --ordnung, else for klang rang (alphabet with --rueck), else
// liste.
Trefferfolge Folge(const Aufruf& aufruf);

// Reads the arguments after the program name. Options may stand anywhere; "--" makes every
// further argument the mode or a text. With -h or --version nothing else is required. The
// search texts come from stdin when TEXT is "-", or when there is no TEXT and stdin is not a
// terminal.
Aufruf AufrufLesen(const std::vector<std::string_view>& argumente, bool eingabeIstTerminal);

std::string_view Hilfetext();

// An argument's text in Windows-1252; Fehler naming it when it cannot be:
//   "Suchtext \"łódź\": Das Zeichen \"ł\" (U+0142) ist in Windows-1252 nicht darstellbar."
std::string ArgumentAusUtf8(std::string_view name, std::string_view utf8);

} // namespace quandel::cli
