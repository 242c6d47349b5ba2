#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quandel {

// The German collation of every sorted list: ICU's "de" collator at secondary strength, so
// case is ignored and accents are not ("Bär" = "BÄR", "Bar" < "Bär" < "Bart").
// Texts are Windows-1252; comparing two sort keys byte by byte gives the collation order.
// The keys are made from a table of the code page taken from ICU at build time, so sorting
// needs neither ICU's libraries nor a collator at run time:
//   Schluessel("Bär") -> the primary ranks of b, a, r, then 0x01, then the secondary ranks of
//                        b, a with diaeresis, r
class Kollator {
public:
    // The one shared instance.
    static const Kollator& Deutsch();

    std::string Schluessel(std::string_view text) const;
    // Appends the key of text to ziel and returns its length; for keys in bulk.
    std::size_t SchluesselAnhaengen(std::string_view text, std::string& ziel) const;
    int Vergleichen(std::string_view a, std::string_view b) const;

    // ICU's version of the collation rules: keys made under another version are not comparable.
    std::array<std::uint8_t, 4> Version() const;

private:
    Kollator();
    std::array<bool, 256> beginntPaar_{}; // bytes that start a contracted pair
};

} // namespace quandel
