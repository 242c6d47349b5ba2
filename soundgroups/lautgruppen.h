#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quandel {

// A sound group: spellings that sound alike, in the order the user gave them. Texts are
// Windows-1252; the name is for display only.
struct Lautgruppe {
    std::string name;
    std::vector<std::string> mitglieder;

    bool operator==(const Lautgruppe&) const = default;
};
using Lautgruppen = std::vector<Lautgruppe>;

// The groups every run starts with: I-Laute (i, ie, ih), Ei-Laute (ei, äu, eu), T-Laute
// (t, tt), B-P-Laute (b, p).
Lautgruppen VorgabeLautgruppen();

// Sound-group files (".akz") are UTF-8 text, one group per line: the name, a colon, then the
// members split by the comma-text rule of the search box. Blank lines and lines beginning
// with "#" are ignored; a leading UTF-8 byte-order mark is skipped. A name holding a colon or
// a double quote is written in double quotes.
//   "I-Laute: i, ie, ih"       -> {"I-Laute", {"i", "ie", "ih"}}
//   "Leer: \"\", \"a b\""      -> {"Leer", {"", "a b"}}
// A line without a colon or with a character that Windows-1252 cannot hold raises Fehler
// naming the source and the line: "<quelle>, Zeile 3: ...".
Lautgruppen LautgruppenLesen(std::string_view utf8, std::string_view quelle);
std::string LautgruppenText(const Lautgruppen& gruppen);

// Reading and writing such files. Saving replaces the file atomically: when it fails, the old
// file stays as it was. Errors raise Fehler naming the file.
Lautgruppen LautgruppenLaden(const std::filesystem::path& datei);
void LautgruppenSpeichern(const std::filesystem::path& datei, const Lautgruppen& gruppen);

} // namespace quandel
