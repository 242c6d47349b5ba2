#pragma once

#include "text/textgrenzen.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace quandel {

// Whole-file reading and writing for the files the user chooses. Errors raise Fehler with a
// German message naming the file and the reason.

// The bytes of a file.
std::string DateiLesen(const std::filesystem::path& datei);
// The same, checked against the limits as it is read (Textpruefung): a file too large or with a
// bad line stops at that piece, so that /dev/zero fails at once.
std::string DateiLesen(const std::filesystem::path& datei, Textgrenzen grenzen);

// Replaces the file's content atomically: the bytes go into a temporary file beside it, which
// then takes the file's place with the old file's rights (a new file gets 0666 less the umask).
// A symbolic link stays a link: the file at the end of its chain is replaced, or created if
// the link dangles. A file the user may not write, or that has no write bit at all, is refused:
// "Datei /tmp/a.grd kann nicht geschrieben werden (keine Schreibberechtigung)." When anything
// fails, the old file stays as it was.
void DateiSchreiben(const std::filesystem::path& datei, std::string_view inhalt);

} // namespace quandel
