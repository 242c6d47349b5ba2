#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quandel::cli {

enum class Modus { End, Lied, Stab, Schuettel, Klang };
enum class Kodierung { Utf8, Cp1252 };
enum class Format { Zeilen, Tsv, Csv, Json, Raster };

// What the command line asks for, its texts still in UTF-8 as typed.
//   quandel-cli end eide kreide --minus
//     -> modus End, suchtext "eide kreide", minus
struct Aufruf {
    Modus modus = Modus::End;
    std::string suchtext; // the TEXT arguments joined by single blanks
    bool minus = false;
    bool rueck = false;
    bool akzent = false;                    // implied by lautgruppen
    bool unrein = false;                    // klang: near rhymes
    bool zweisilbig = false;                // klang: two-syllable rhymes
    std::optional<std::string> lautgruppen; // a sound-group file instead of the default groups
    std::optional<std::string> aussprache;  // klang: a user's correction file
    std::optional<std::string> vokale;      // the vowel field, if not the default one
    std::optional<std::string> wortbestand;
    Kodierung kodierung = Kodierung::Utf8;
    Format format = Format::Zeilen;
    bool hilfe = false;
    bool version = false;
};

// Bad usage: unknown mode or option, a missing value, no mode or no text.
class Aufruffehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the arguments after the program name. Options may stand anywhere; "--" makes every
// further argument the mode or a text. With -h or --version nothing else is required.
Aufruf AufrufLesen(const std::vector<std::string_view>& argumente);

std::string_view Hilfetext();

} // namespace quandel::cli
