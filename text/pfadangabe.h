#pragma once

#include <string>
#include <string_view>

namespace quandel {

// A path as messages name it: as it stands, but in »« where it would not show, because it is
// empty or begins or ends with a blank or tab.
//   "/tmp/a.txt" -> "/tmp/a.txt";  "" -> "»«";  " a" -> "» a«"
std::string Pfadangabe(std::string_view pfad);

} // namespace quandel
