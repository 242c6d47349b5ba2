#pragma once

#include "lexicon/grossspeicher.h"
#include "lexicon/textfeld.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quandel {

// The lines of a word stock (Windows-1252) in their order, kept in one pool: a few bytes per
// line beyond the text itself, where a vector of strings would spend forty.
class Wortzeilen {
public:
    Wortzeilen() : ende_{0} {}
    explicit Wortzeilen(const std::vector<std::string>& zeilen) : Wortzeilen() {
        for (const std::string& zeile : zeilen)
            Anhaengen(zeile);
    }

    // Throws Fehler when the pool would pass 4 GB, which the offsets cannot address.
    void Anhaengen(std::string_view zeile);
    // Room for that many bytes of text, so that a large list is not copied as it grows.
    void Reservieren(std::size_t bytes) {
        GrossReservieren(pool_, bytes);
        GrossReservieren(ende_, bytes / 8 + 1);
    }

    std::size_t size() const { return ende_.size() - 1; }
    std::size_t Bytes() const { return pool_.size(); }
    std::string_view operator[](std::size_t i) const { return Feld()[i]; }
    TextFeld Feld() const { return {ende_, pool_}; }

private:
    std::vector<std::uint32_t> ende_;
    std::string pool_;
};

} // namespace quandel
