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

// Sound-group files (".akz") hold one group per line: the name, a colon, then the members
// split by the comma-text rule of the search box. Blank lines and lines beginning with "#" are
// ignored. A name or member that is empty, or that holds a colon (names) or a double quote, is
// written in double quotes, a double quote inside doubled:
//   "I-Laute: i, ie, ih"       -> {"I-Laute", {"i", "ie", "ih"}}
//   "Leer: \"\", \"a b\""      -> {"Leer", {"", "a b"}}
// Files are written in UTF-8 and read in UTF-8 (a leading byte-order mark is skipped) or in
// Windows-1252: UTF-8 as soon as one line that is no comment is UTF-8 beyond ASCII. Every bad
// line raises Fehler naming the source and the line ("<quelle>, Zeile 3: ..."): no colon, an
// empty name or member not written in quotes, a quote that does not close or stands inside a
// member, a character the file's encoding or Windows-1252 cannot hold, a NUL byte, a line
// longer than 64 KB; so does a file larger than 1 MB.
Lautgruppen LautgruppenLesen(std::string_view bytes, std::string_view quelle);
std::string LautgruppenText(const Lautgruppen& gruppen);

// Reading and writing such files. A file without a single group is refused ("Datei ... enthält
// keine Lautgruppe."), so that a wrong file never takes every group away. Saving replaces the
// file atomically: when it fails, the old file stays as it was. Errors raise Fehler naming the
// file.
Lautgruppen LautgruppenLaden(const std::filesystem::path& datei);
void LautgruppenSpeichern(const std::filesystem::path& datei, const Lautgruppen& gruppen);

} // namespace quandel
