#pragma once

#include <string>
#include <string_view>

namespace quandel::cli {

// A text as it may be shown on a terminal: control characters (C0, DEL, C1) and bytes that
// are not UTF-8 are written as \xNN, everything else stays.
//   Druckbar("x\x1B[2J")   -> "x\\x1B[2J"
//   Druckbar("B\xE4r")     -> "B\\xE4r"   (Windows-1252, not UTF-8)
//   Druckbar("Bär")        -> "Bär"
std::string Druckbar(std::string_view utf8);

// Writes "quandel-cli: " and the message, made printable, as one line to stderr.
void Melden(std::string_view meldung);

// The system's description of an error number (errno), in the language of the locale.
std::string Grund(int fehlernummer);

} // namespace quandel::cli
