#pragma once

#include <string>
#include <string_view>
#include <vector>

// The built-in word stock, compiled in from data/wortbestand.txt (UTF-8).
namespace quandel::daten {

// The stock converted to Windows-1252 lines: one word or fixed phrase per line, in its given
// order.
std::vector<std::string> Wortbestand();

// The raw UTF-8 text of the word stock file.
std::string_view WortbestandUtf8();

} // namespace quandel::daten
