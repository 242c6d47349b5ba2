#pragma once

#include <string>
#include <string_view>
#include <vector>

// The sound-group data compiled in from data/elemente.txt and data/lautgruppen.akz (UTF-8).
namespace quandel::daten {

// The element list of the replacement tree: one character per line (226 lines), in
// Windows-1252.
std::vector<std::string> Elemente();

// The default sound groups as a sound-group file (UTF-8): "I-Laute: i, ie, ih", ...
std::string_view LautgruppenAkz();

} // namespace quandel::daten
