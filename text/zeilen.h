#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quandel {

// Splits a text into lines; CR LF, CR alone and LF alone each end a line, and a line break at
// the very end opens no further line. "a\r\nb\rc\n" -> {"a", "b", "c"}.
std::vector<std::string> ZeilenTeilen(std::string_view text);

// The text without the given characters at its start and end:
// OhneRand("\t Herz \r", " \t\r") -> "Herz".
inline std::string_view OhneRand(std::string_view text, std::string_view zeichen) {
    const std::size_t anfang = text.find_first_not_of(zeichen);
    if (anfang == std::string_view::npos)
        return {};
    return text.substr(anfang, text.find_last_not_of(zeichen) - anfang + 1);
}

// Lines of a UTF-8 text, each converted to Windows-1252. A line that cannot be converted
// raises Fehler naming the source and the line number: "<quelle>, Zeile 12: ...".
std::vector<std::string> ZeilenAusUtf8(std::string_view utf8, std::string_view quelle);

} // namespace quandel
