#include "lexicon/trie.h"

#include "lexicon/byteordnung.h"
#include "lexicon/grossspeicher.h"
#include "lexicon/halbierung.h"
#include "text/kleinschreibung.h"

#include <algorithm>

namespace quandel {

namespace {

// Byte j of a stored word, read forwards or backwards, lowered.
unsigned char kleinZeichen(std::string_view wort, std::size_t j, bool rueckwaerts) {
    return static_cast<unsigned char>(Klein(rueckwaerts ? wort[wort.size() - 1 - j] : wort[j]));
}

// Compares the first |praefix| bytes of the (reversed) lowered word with praefix; a shorter
// word that matches so far is less.
int praefixVergleich(std::string_view wort, std::string_view praefix, bool rueckwaerts) {
    const std::size_t n = std::min(wort.size(), praefix.size());
    for (std::size_t j = 0; j < n; ++j) {
        const unsigned char a = kleinZeichen(wort, j, rueckwaerts);
        const auto b = static_cast<unsigned char>(praefix[j]);
        if (a != b)
            return a < b ? -1 : 1;
    }
    return wort.size() < praefix.size() ? -1 : 0;
}

// Compares the (reversed) lowered word with the text.
int vergleich(std::string_view wort, std::string_view text, bool rueckwaerts) {
    const std::size_t n = std::min(wort.size(), text.size());
    for (std::size_t j = 0; j < n; ++j) {
        const unsigned char x = kleinZeichen(wort, j, rueckwaerts);
        const auto y = static_cast<unsigned char>(text[j]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return wort.size() < text.size() ? -1 : wort.size() > text.size() ? 1 : 0;
}

} // namespace

std::vector<std::int32_t> Trie::Ordnen(const TextFeld& klein, bool rueckwaerts) {
    const std::vector<std::uint32_t> nummern = NachBytesOrdnen(klein, rueckwaerts);
    std::vector<std::int32_t> ordnung;
    GrossReservieren(ordnung, nummern.size());
    ordnung.assign(nummern.begin(), nummern.end());
    return ordnung;
}

void Trie::TexteOrdnen(const TextFeld& worte, std::span<const std::int32_t> ordnung,
                       std::vector<std::uint32_t>& ende, std::string& pool) {
    for (const std::int32_t nr : ordnung) {
        pool.append(worte[static_cast<std::size_t>(nr)]);
        ende.push_back(static_cast<std::uint32_t>(pool.size()));
    }
}

TrieBereich Trie::Suchen(std::string_view text) const {
    if (text.empty() || static_cast<unsigned char>(text[0]) == 0xFF)
        return {};
    const auto davor = [&](std::size_t k) {
        return praefixVergleich(texte_[k], text, rueckwaerts_) < 0;
    };
    const auto darunter = [&](std::size_t k) {
        return praefixVergleich(texte_[k], text, rueckwaerts_) == 0;
    };
    const std::size_t anfang = ErsteStelle(0, size(), davor);
    // Runs are mostly short: doubling steps from the start, then halving, keep the probes
    // within a page or two of the run.
    std::size_t unten = anfang;
    std::size_t oben = anfang;
    for (std::size_t weite = 1; oben < size() && darunter(oben); weite *= 2) {
        unten = oben + 1;
        oben = anfang + weite;
    }
    return {anfang, ErsteStelle(unten, std::min(oben, size()), darunter)};
}

std::optional<std::int32_t> Trie::Genau(std::string_view text) const {
    const std::size_t stelle = ErsteStelle(
        0, size(), [&](std::size_t k) { return vergleich(texte_[k], text, rueckwaerts_) < 0; });
    if (stelle == size() || vergleich(texte_[stelle], text, rueckwaerts_) != 0)
        return std::nullopt;
    return ordnung_[stelle];
}

} // namespace quandel
