#pragma once

#include <string>
#include <string_view>

namespace quandel {

// Conversion between the program's 8-bit Windows-1252 text and UTF-8 at the edges (screen,
// files, terminal). A character that Windows-1252 cannot hold, or a malformed UTF-8 sequence,
// raises Fehler; nothing is replaced silently.
//   Cp1252AusUtf8("Bär")  -> "B\xE4r"
//   Utf8AusCp1252("B\xE4r") -> "Bär"
std::string Cp1252AusUtf8(std::string_view utf8);
std::string Utf8AusCp1252(std::string_view cp1252);

// The Unicode code point of one Windows-1252 byte; 0xFFFF for the five unassigned bytes
// (0x81, 0x8D, 0x8F, 0x90, 0x9D).
char16_t UnicodeVon(char zeichen);

} // namespace quandel
