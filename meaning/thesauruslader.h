#pragma once

#include "meaning/thesaurus.h"

#include <string>

namespace quandel {

// The thesaurus of a file in OpenThesaurus's text format (Debian's at kThesaurusVorgabe, or one
// the user names). With mitIndex its image is kept as an index in the folder of the saved
// indexes (IndexOrdner: "3f2a9c0d11e4b7a8-2359283-thesaurus.qtidx") under the same rules as a
// word list's: made at the first use, saved through a temporary file and a rename, mapped
// read-only, guarded and checked (in full, or in its header only while the file states
// recorded after a full check still hold), rebuilt when damaged, foreign or of another program
// version, and replaced when the thesaurus changes, in place or by another file put in its
// place. A folder that cannot be written is no error. Without mitIndex nothing is read from or
// written to the folder.
// Throws Fehler when the file is missing:
//   "Der Thesaurus /usr/share/openthesaurus-de/thesaurus.txt fehlt; OpenThesaurus kommt mit dem
//    Paket openthesaurus-de-text (apt-get install openthesaurus-de-text)."
// when it cannot be read ("Datei … kann nicht gelesen werden (…)."), is larger than 64 MB or
// has a line longer than 64 KB or with a NUL byte (see Textpruefung), and for a line that is
// not UTF-8 ("<pfad>, Zeile 12: Ungültige UTF-8-Bytefolge an Byte 7.").
Thesaurus ThesaurusLaden(const std::string& pfad, bool mitIndex);

// The file name of the index of a thesaurus of that identity.
std::string ThesaurusIndexName(const ListenKennung& kennung);

} // namespace quandel
