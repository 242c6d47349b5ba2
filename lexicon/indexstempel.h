#pragma once

#include "lexicon/abbild.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quandel {

// The state of a regular file as fstat(2) reports it. While it stays equal, the file's bytes
// are taken as unchanged: every write moves the change time, which no program can set back.
struct DateiZustand {
    std::uint64_t geraet = 0;
    std::uint64_t knoten = 0;
    std::uint64_t laenge = 0;
    std::int64_t aenderungNs = 0; // st_mtim
    std::int64_t statusNs = 0;    // st_ctim
    bool operator==(const DateiZustand&) const = default;
};

// The state of an open file; nullopt unless it is a regular file.
std::optional<DateiZustand> ZustandVon(int fd);

// Opens a file of the index folder for reading: a regular file only, never through a symbolic
// link, and without waiting (a FIFO put there would block open(2) for ever). -1 for anything
// else, which then counts as no file.
int CachedateiOeffnen(const std::string& pfad);

// The wall-clock time in nanoseconds, as the file times count it.
std::int64_t JetztNs();

// A state may be recorded only when the file was last changed well before vorherNs, the time
// taken before its bytes were read: a later change then gets a change time of its own, even
// where the file system keeps its times coarsely.
bool LangeUnveraendert(const DateiZustand& zustand, std::int64_t vorherNs);

// What the index folder remembers of a word list file, so that a later load neither reads the
// list nor checks every byte of its index: the list's state and the identity its bytes had,
// and the state of the index file when it was last checked in full (all 0 when not yet).
struct ListenStempel {
    DateiZustand liste;
    ListenKennung kennung;
    DateiZustand index;
};

// The file name of the record of the list (its device and inode) in that encoding:
//   "liste-803-1234567-1.stempel"
std::string StempelDateiName(const DateiZustand& liste, std::uint32_t kodierung);

// The record of the list in that state, read in that encoding; nullopt when there is none,
// it is damaged, or the list's state has changed since.
std::optional<ListenStempel> StempelLesen(const std::string& ordner, const DateiZustand& liste,
                                          std::uint32_t kodierung);

// Puts the bytes into ordner/name (made if missing) through a temporary file and a rename, so
// that a reader never sees half a file and two writers never mix theirs. Any failure leaves no
// file behind and is not reported: what the folder holds only helps the next load. A symbolic
// link or a read-only file the user put in that place is left as it is; a file replaced keeps
// its permission bits.
void DateiErsetzen(const std::string& ordner, const std::string& name, std::string_view bytes);

// Replaces the record of the list (temporary file, then rename); failures are ignored, the
// record is only a help for the next load.
void StempelSchreiben(const std::string& ordner, const ListenStempel& stempel);

// Records what a load has learnt (StempelSchreiben), if the list was last changed well before
// vorherNs, the time taken before it was read, so that its state can be trusted; the index's
// state only if the same holds for it. Writes nothing when `bisher` already says the same.
void StempelVermerken(const std::string& ordner, const std::optional<ListenStempel>& bisher,
                      const ListenStempel& gelernt, std::int64_t vorherNs);

} // namespace quandel
