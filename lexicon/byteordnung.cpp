#include "lexicon/byteordnung.h"

#include "lexicon/grossspeicher.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <span>

namespace quandel {

namespace {

struct Satz {
    std::uint64_t stueck; // eight bytes of the text from the depth reached, as a number
    std::uint32_t nr;
    std::uint32_t rang; // the length of a text that ends within the piece, else the largest
};

constexpr std::uint32_t kWeiter = std::numeric_limits<std::uint32_t>::max();

// Bytes ab .. ab + 7 of the (reversed) text as a number that sorts like them; missing bytes
// count as 0.
std::uint64_t stueck(std::string_view text, std::size_t ab, bool rueckwaerts) {
    const std::size_t n = text.size();
    if (ab >= n)
        return 0;
    const std::size_t rest = std::min<std::size_t>(n - ab, 8);
    unsigned char b[8] = {};
    if (rueckwaerts) {
        for (std::size_t j = 0; j < rest; ++j)
            b[j] = static_cast<unsigned char>(text[n - 1 - ab - j]);
    } else {
        std::memcpy(b, text.data() + ab, rest);
    }
    std::uint64_t k = 0;
    for (const unsigned char c : b)
        k = (k << 8) | c;
    return k;
}

void ordnen(std::span<Satz> saetze, const TextFeld& texte, std::size_t tiefe, bool rueckwaerts) {
    for (Satz& s : saetze) {
        const std::string_view text = texte[s.nr];
        s.stueck = stueck(text, tiefe, rueckwaerts);
        // A text that ends here comes before the longer ones equal so far; two that end here
        // with equal pieces differ only in trailing zero bytes, the shorter first.
        s.rang = text.size() <= tiefe + 8 ? static_cast<std::uint32_t>(text.size()) : kWeiter;
    }
    std::sort(saetze.begin(), saetze.end(), [](const Satz& a, const Satz& b) {
        if (a.stueck != b.stueck)
            return a.stueck < b.stueck;
        if (a.rang != b.rang)
            return a.rang < b.rang;
        return a.nr < b.nr;
    });
    for (std::size_t i = 0; i < saetze.size();) {
        std::size_t j = i + 1;
        while (j < saetze.size() && saetze[j].stueck == saetze[i].stueck)
            ++j;
        std::size_t weiter = i;
        while (weiter < j && saetze[weiter].rang != kWeiter)
            ++weiter;
        if (j - weiter > 1)
            ordnen(saetze.subspan(weiter, j - weiter), texte, tiefe + 8, rueckwaerts);
        i = j;
    }
}

} // namespace

std::vector<std::uint32_t> NachBytesOrdnen(const TextFeld& texte, bool rueckwaerts) {
    std::vector<Satz> saetze;
    GrossReservieren(saetze, texte.size());
    for (std::size_t i = 0; i < texte.size(); ++i)
        saetze.push_back({0, static_cast<std::uint32_t>(i), 0});
    ordnen(saetze, texte, 0, rueckwaerts);
    std::vector<std::uint32_t> ordnung;
    GrossReservieren(ordnung, saetze.size());
    for (const Satz& satz : saetze)
        ordnung.push_back(satz.nr);
    return ordnung;
}

} // namespace quandel
