#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quandel {

// The text of a file the user chose (grid file, word list), as Windows-1252. Files are written
// in Windows-1252; a file that is valid UTF-8 with letters beyond ASCII, or that begins with
// the UTF-8 byte-order mark, is read as UTF-8. Raises Fehler for a letter that Windows-1252
// cannot hold and for the five bytes it leaves unassigned.
//   "B\xE4r"          -> "B\xE4r"   (Windows-1252)
//   "B\xC3\xA4r"      -> "B\xE4r"   (UTF-8)
std::string DateiTextLesen(std::string_view bytes);

// The same for a file, read whole; a message names it:
//   "/tmp/a.grd: Das Byte 144 an Stelle 960 ist in Windows-1252 nicht belegt."
std::string TextdateiLesen(const std::filesystem::path& datei);

// True if the bytes hold at least one letter beyond ASCII and are well-formed UTF-8.
bool IstUtf8(std::string_view bytes);

} // namespace quandel
