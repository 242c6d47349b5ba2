#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quandel {

// Splits a text into lines; CR LF, CR alone and LF alone each end a line, and a line break at
// the very end opens no further line. "a\r\nb\rc\n" -> {"a", "b", "c"}.
std::vector<std::string> ZeilenTeilen(std::string_view text);

// Lines of a UTF-8 text, each converted to Windows-1252. A line that cannot be converted
// raises Fehler naming the source and the line number: "<quelle>, Zeile 12: ...".
std::vector<std::string> ZeilenAusUtf8(std::string_view utf8, std::string_view quelle);

} // namespace quandel
