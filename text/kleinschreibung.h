#pragma once

#include <string>
#include <string_view>

namespace quandel {

// Lower-casing of Windows-1252 text: A-Z, the capitals 0xC0-0xDE except the multiplication
// sign 0xD7, and Š (0x8A), Œ (0x8C), Ž (0x8E), Ÿ (0x9F). Every other byte stays.
// This one table is used wherever the program lowers text.
char Klein(char zeichen);

// "ÄRGER" (cp1252) -> "ärger"
std::string Klein(std::string_view text);

void KleinInPlace(std::string& text);

} // namespace quandel
