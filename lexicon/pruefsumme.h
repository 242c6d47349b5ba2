#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace quandel {

// A fast 64-bit hash of a byte stream, the same whatever pieces the bytes arrive in. It names
// the index of a word list and guards the sections of an index file against damage; it is no
// protection against deliberate forgery (an index file is only ever read, never executed).
//   Pruefsumme p; p.Hinzufuegen("ab"); p.Hinzufuegen("c");  p.Wert() == Pruefsumme64("abc")
class Pruefsumme {
public:
    void Hinzufuegen(std::string_view bytes);
    std::uint64_t Wert() const;

private:
    void block(const unsigned char* daten);

    std::uint64_t spur_[4] = {0x9E3779B97F4A7C15ull, 0xC2B2AE3D27D4EB4Full, 0x165667B19E3779F9ull,
                              0x27D4EB2F165667C5ull};
    unsigned char rest_[32] = {};
    std::size_t restLaenge_ = 0;
    std::uint64_t gesamt_ = 0;
};

std::uint64_t Pruefsumme64(std::string_view bytes);

// A lighter checksum for the large sections of an index, at the speed of memory: the sum and
// the exclusive or of the 64-bit words (a tail of fewer than eight bytes counts as one word).
// Any one damaged byte, and any damage confined to one word, changes it.
std::uint64_t Abschnittssumme(std::string_view bytes);

} // namespace quandel
