#pragma once

#include <string>
#include <string_view>
#include <vector>

// The data compiled into the program, from the UTF-8 files beside this header, converted to
// Windows-1252 lines.
namespace quandel::daten {

// The built-in word stock, one word or fixed phrase per line, in its given order.
std::vector<std::string> Wortbestand();

// The element list: one character per line (226 lines).
std::vector<std::string> Elemente();

// The preset entries of the search box (20, three of them empty).
std::vector<std::string> Sucheintraege();

// The default sound groups as a sound-group file (UTF-8): "I-Laute: i, ie, ih", ...
std::string_view LautgruppenAkz();

// The raw UTF-8 text of the word stock file.
std::string_view WortbestandUtf8();

} // namespace quandel::daten
