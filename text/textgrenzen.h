#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quandel {

// The limits of a small text file that the user hands the program (sound groups, pronunciation
// corrections), so that a wrong file (a device without end, a binary file) stops at once
// instead of filling the memory. Sizes in bytes; the file's limit is a whole number of MB.
struct Textgrenzen {
    std::size_t datei;
    std::size_t zeile; // without the line end
};

// Checks a text piece by piece as it is read: lines end with CR LF, CR or LF as in
// ZeilenTeilen. Raises Fehler naming the source and the line for a line longer than the limit
// or one holding a NUL byte, and naming the source for a text longer than its limit:
//   "/tmp/a.akz, Zeile 3: Die Zeile enthält ein Nullbyte."
//   "/tmp/a.akz, Zeile 1: Die Zeile ist länger als 65536 Bytes."
//   "Datei /tmp/a.akz kann nicht gelesen werden: sie ist größer als 1 MB."
class Textpruefung {
public:
    Textpruefung(std::string_view quelle, Textgrenzen grenzen)
        : quelle_(quelle), grenzen_(grenzen) {}

    void Stueck(std::string_view bytes);

private:
    [[noreturn]] void zeilenfehler(const std::string& text) const;

    std::string quelle_;
    Textgrenzen grenzen_;
    std::size_t gesamt_ = 0;
    std::size_t zeile_ = 0; // bytes of the current line so far
    std::size_t nummer_ = 1;
    bool nachCr_ = false;
};

// The whole text at once.
void TextgrenzenPruefen(std::string_view text, std::string_view quelle, Textgrenzen grenzen);

} // namespace quandel
