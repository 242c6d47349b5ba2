#pragma once

#include "app/cli_aufruf.h"
#include "meaning/wortart.h"
#include "search/klangreim.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quandel::cli {

// The hits (Windows-1252) as UTF-8 text, one line per row of `spalten` hits joined by tabs:
//   {"B\xE4r", "sehr"}, 1                  -> "Bär\nsehr\n"
//   {"Reim", "Land", "Leim", "Rand"}, 4    -> "Reim\tLand\tLeim\tRand\n"
std::string AusgabeText(const std::vector<std::string>& treffer, std::size_t spalten);

// The hits in the chosen format; rows of 4 (spalten 4) are spoonerisms, whose words are named
// suchwort, tauschwort, endwort, stabwort in the header of tsv and csv and in the json objects.
//   Csv, {"B\xE4r"}, 1  -> "wort\r\nBär\r\n"
//   Json, {"B\xE4r"}, 1 -> "[\"Bär\"]\n"
//   Raster              -> the grid file of the window, the hits laid out over 4 columns
std::string AusgabeText(const std::vector<std::string>& treffer, std::size_t spalten,
                        Format format);

// The hits of an end, song or alliteration search as json objects, each with its word classes
// (an empty list when unknown), for a call that asks for them (--wortart, --sinn); otherwise
// AusgabeText gives an array of the words:
//   {"Kreide"}, {Nomen} -> "[\n  {\"wort\": \"Kreide\", \"wortart\": [\"nomen\"]}\n]\n"
std::string WortartJsonText(const std::vector<std::string>& treffer,
                            const std::vector<Wortarten>& arten);

// The hits of a sound search as json, each with its pronunciation (IPA, from klaenge, in the same
// order), syllable count, stress pattern, kind of rhyme ("rein", "unrein", "ruehrend"), rank
// class (1 to 3, or null; see Rangklasse) and, where arten gives them in the same order (it is
// empty when they are not asked for), its word classes:
//   -> "[\n  {\"wort\": \"Friseur\", \"lautschrift\": \"fʁiˈzøːɐ̯\", \"silben\": 2,
//   \"betonung\": \"xX\", \"reim\": \"rein\", \"rang\": 3, \"wortart\": [\"nomen\"]}\n]\n"
std::string KlangJsonText(const std::vector<Klangtreffer>& treffer,
                          const std::vector<Wortklang>& klaenge,
                          const std::vector<Wortarten>& arten);

// Synonym sets (Windows-1252) as json, one array per set:
//   {{"Trauer", "Gram"}, {"Sorge"}} -> "[\n  [\"Trauer\", \"Gram\"],\n  [\"Sorge\"]\n]\n"
std::string GruppenJsonText(const std::vector<std::vector<std::string>>& gruppen);

// One spoonerism row (Windows-1252) as a UTF-8 line, its words joined by tabs.
std::string ZeilenText(const std::array<std::string_view, 4>& zeile);

// Standard output, written in whole pieces: a piece is what one Schreiben hands over (a
// spoonerism row, an answer). Pieces are gathered up to a few kilobytes, on a terminal each goes
// out at once. The first failed write is kept with its reason; nothing is written after it.
// A write broken off by a signal (Ctrl+C, SIGTERM) still completes the piece it had begun and
// drops the rest, kept as EINTR: the output always ends with a whole piece.
class Ausgabe {
public:
    explicit Ausgabe(int fd);

    bool Schreiben(std::string_view text);
    // Hands on what is gathered, at the end of an answer and of the program.
    bool Leeren();

    int Fehlernummer() const { return fehler_; }
    // "Die Ausgabe kann nicht geschrieben werden: No space left on device"
    std::string Fehlermeldung() const;

private:
    // Writes the pieces ending at enden.
    bool ausgeben(std::string_view daten, std::span<const std::size_t> enden);

    int fd_;
    bool terminal_;
    std::string puffer_;
    std::vector<std::size_t> enden_; // where the pieces in puffer_ end
    int fehler_ = 0;
};

} // namespace quandel::cli
