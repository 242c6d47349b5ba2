#include "lexicon/trie.h"

#include "lexicon/byteordnung.h"
#include "lexicon/grossspeicher.h"

#include <algorithm>

namespace quandel {

namespace {

// Byte j of a text read forwards or backwards.
unsigned char zeichen(std::string_view text, std::size_t j, bool rueckwaerts) {
    return static_cast<unsigned char>(rueckwaerts ? text[text.size() - 1 - j] : text[j]);
}

// Compares the first |praefix| bytes of the (reversed) text with praefix; a shorter text that
// matches so far is less.
int praefixVergleich(std::string_view text, std::string_view praefix, bool rueckwaerts) {
    const std::size_t n = std::min(text.size(), praefix.size());
    for (std::size_t j = 0; j < n; ++j) {
        const unsigned char a = zeichen(text, j, rueckwaerts);
        const auto b = static_cast<unsigned char>(praefix[j]);
        if (a != b)
            return a < b ? -1 : 1;
    }
    return text.size() < praefix.size() ? -1 : 0;
}

// Compares the (reversed) text a with the text b, itself reversed when bRueckwaerts.
int vergleich(std::string_view a, std::string_view b, bool rueckwaerts, bool bRueckwaerts) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t j = 0; j < n; ++j) {
        const unsigned char x = zeichen(a, j, rueckwaerts);
        const unsigned char y = zeichen(b, j, bRueckwaerts);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

} // namespace

std::vector<std::int32_t> Trie::Ordnen(const TextFeld& klein, bool rueckwaerts) {
    const std::vector<std::uint32_t> nummern = NachBytesOrdnen(klein, rueckwaerts);
    std::vector<std::int32_t> ordnung;
    GrossReservieren(ordnung, nummern.size());
    ordnung.assign(nummern.begin(), nummern.end());
    return ordnung;
}

TrieBereich Trie::Suchen(std::string_view text) const {
    if (text.empty() || static_cast<unsigned char>(text[0]) == 0xFF || !klein_)
        return {};
    const auto textVon = [&](std::int32_t nr) { return (*klein_)[static_cast<std::size_t>(nr)]; };
    const auto anfang =
        std::partition_point(ordnung_.begin(), ordnung_.end(), [&](std::int32_t nr) {
            return praefixVergleich(textVon(nr), text, rueckwaerts_) < 0;
        });
    const auto ende = std::partition_point(anfang, ordnung_.end(), [&](std::int32_t nr) {
        return praefixVergleich(textVon(nr), text, rueckwaerts_) == 0;
    });
    return {static_cast<std::size_t>(anfang - ordnung_.begin()),
            static_cast<std::size_t>(ende - ordnung_.begin())};
}

std::optional<std::int32_t> Trie::Genau(std::string_view text) const {
    if (!klein_)
        return std::nullopt;
    const auto stelle =
        std::partition_point(ordnung_.begin(), ordnung_.end(), [&](std::int32_t nr) {
            return vergleich((*klein_)[static_cast<std::size_t>(nr)], text, rueckwaerts_, false) <
                   0;
        });
    if (stelle == ordnung_.end() || *stelle < 0 ||
        static_cast<std::size_t>(*stelle) >= klein_->size() ||
        vergleich((*klein_)[static_cast<std::size_t>(*stelle)], text, rueckwaerts_, false) != 0)
        return std::nullopt;
    return *stelle;
}

} // namespace quandel
