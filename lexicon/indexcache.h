#pragma once

#include "lexicon/lexikon.h"
#include "lexicon/wortliste.h"

#include <memory>
#include <string>
#include <string_view>

namespace quandel {

// The folder of the saved lexicon indexes: ${XDG_CACHE_HOME:-$HOME/.cache}/quandel-tornar;
// empty when neither variable is set.
std::string IndexOrdner();

// The file name of the index of a list: its checksum and length, and the encoding.
//   "3f2a9c0d11e4b7a8-4419124-utf8.qtidx"
std::string IndexDateiName(const ListenKennung& kennung);

enum class Herkunft { Index, Aufgebaut };

struct LadeErgebnis {
    Lexikon lexikon;
    Herkunft herkunft = Herkunft::Aufgebaut;
    // Where the list's index is kept (whether saved or not); empty without an index (no
    // folder, a pipe, mitIndex false).
    std::string indexPfad;
};

// Saves an image as the index file at pfad: a temporary file beside it, then renamed, so that
// a reader never sees half a file and two writers never mix theirs. Any failure leaves no file
// behind and is not reported: the index is only a help for the next start.
void IndexSpeichern(const std::string& pfad, std::string_view abbild);

// Maps an index file of the folder read-only, with its state; nullptr when there is none. The
// mapping outlives a later replacement of the file.
std::unique_ptr<AbbildSpeicher> IndexAbbilden(const std::string& pfad, DateiZustand& zustand);

// The lexicon of a word list file. With mitIndex, a saved index of the same bytes is mapped
// instead of building, and a build is saved for the next time (temporary file, then rename, so
// a reader never sees half a file and two builders never mix theirs); an index that is damaged,
// foreign or of another version is rebuilt, and a folder that cannot be written is no error.
// Without mitIndex nothing is read from or written to the folder. A list that changes while it
// is read is read once more from the start; a second change raises ListeVeraendert.
// Throws Fehler for an unusable list, "Nicht genug Arbeitsspeicher für die Wortliste <pfad>."
// when memory runs out, and BauAbgebrochen when the begleitung asks to stop.
LadeErgebnis WortlisteLaden(const std::string& pfad, Kodierung kodierung,
                            std::string_view vokalfeld, const Baubegleitung& begleitung,
                            bool mitIndex);

} // namespace quandel
