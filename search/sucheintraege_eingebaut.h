#pragma once

#include <string>
#include <vector>

namespace quandel::daten {

// The preset entries of the search box (20, three of them empty), compiled in from
// data/sucheintraege.txt and converted to Windows-1252.
std::vector<std::string> Sucheintraege();

} // namespace quandel::daten
