#pragma once

#include "lexicon/abbild.h"
#include "lexicon/ereignishaken.h"
#include "lexicon/indexstempel.h"
#include "lexicon/wortzeilen.h"
#include "text/fehler.h"

#include <cstdint>
#include <optional>
#include <string>

namespace quandel {

enum class Kodierung : std::uint32_t { Utf8 = 1, Cp1252 = 2 };

// The longest line a word list may have, in bytes of Windows-1252 (as the program keeps it),
// whatever the encoding of the file: 255 times "ä" is 510 bytes in UTF-8.
inline constexpr std::size_t kLaengsteZeile = 255;

// The encoding of a word list in a regular file: UTF-8 unless it has more lines that are no
// UTF-8 than lines with UTF-8's multi-byte characters (pure ASCII is UTF-8), else
// Windows-1252. So a UTF-8 list with a stray Latin-1 line is read as UTF-8, and the reader
// then names that line, rather than every umlaut turning into "Ã¤"; a Windows-1252 list with
// a few byte pairs that happen to form UTF-8 stays Windows-1252. Reading stops at the first
// NUL byte, which the reader refuses anyway; pipes and devices are taken as UTF-8 without
// being read.
Kodierung KodierungErkennen(const std::string& pfad);

// The identity of the list in a regular file (checksum and length of its bytes, and the
// encoding), read once without keeping the bytes; nullopt for pipes and devices, which can be
// read only once and so are never indexed. Throws Fehler when the file cannot be read.
std::optional<ListenKennung> ListenKennungVon(const std::string& pfad, Kodierung kodierung);

// A list file that changed while it was read (cut short, written to, or replaced by another
// file): the lines read are no list to use.
//   "Die Wortliste /tmp/x.txt wurde beim Lesen verändert."
class ListeVeraendert : public Fehler {
public:
    using Fehler::Fehler;
};

// A word list file, opened once: its state (for the saved index), then its lines in one pass.
class Wortlistendatei {
public:
    // Throws Fehler when the file cannot be opened or is a folder.
    explicit Wortlistendatei(const std::string& pfad);
    ~Wortlistendatei();
    Wortlistendatei(const Wortlistendatei&) = delete;
    Wortlistendatei& operator=(const Wortlistendatei&) = delete;

    // The state when opened; nullopt for pipes and devices, which can be read only once and so
    // are never indexed.
    const std::optional<DateiZustand>& Zustand() const { return zustand_; }

    // The lines as WortlisteLesen gives them; gelesen receives the identity of the bytes read.
    // The haken runs after every piece read. A regular file that no longer has the state it
    // was opened in, or whose path names another file by now, raises ListeVeraendert.
    Wortzeilen Lesen(Kodierung kodierung, ListenKennung* gelesen, EreignisHaken* haken = nullptr);

private:
    // Whether the file is still as opened, with all its bytes read, and still at its path.
    bool unveraendert(std::uint64_t gelesen) const;

    std::string pfad_;
    int fd_;
    std::optional<DateiZustand> zustand_;
};

// The lines of a word list file in Windows-1252, read piece by piece: CR LF, CR and LF end a
// line, a UTF-8 file may start with a byte order mark, and blanks and tabs at both ends of a
// line are dropped (inner blanks stay: "vor allem"). Throws Fehler naming the file and line for
// a line longer than kLaengsteZeile, a NUL byte, invalid UTF-8, a character Windows-1252
// cannot hold or a byte it leaves unassigned:
//   "/tmp/x.txt, Zeile 3: Die Zeile enthält ein Nullbyte."
// and naming the file for a list without a line that is not blank, which leaves nothing to
// search: "Die Wortliste /tmp/x.txt enthält kein Wort."
// When gelesen is given it receives the identity of the bytes actually read. A file changed
// while it is read is read once more; a second change raises ListeVeraendert.
Wortzeilen WortlisteLesen(const std::string& pfad, Kodierung kodierung,
                          ListenKennung* gelesen = nullptr);

// The same for the bytes of a list at hand; quelle names it in messages.
Wortzeilen WortlisteAusText(std::string_view bytes, Kodierung kodierung, const std::string& quelle);

} // namespace quandel
