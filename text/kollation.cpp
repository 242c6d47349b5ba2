#include "text/kollation.h"

#include "text/kollationstabelle.h"

#include <algorithm>

namespace quandel {

namespace {

// Calls f with the weights of each collation unit of text: a byte, or a contracted pair.
template <class F>
void jeEinheit(std::string_view text, const std::array<bool, 256>& beginntPaar, F f) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (beginntPaar[c] && i + 1 < text.size()) {
            const auto d = static_cast<unsigned char>(text[i + 1]);
            const auto paar = std::find_if(
                kZusammenziehungen.begin(), kZusammenziehungen.end(),
                [c, d](const Zusammenziehung& z) { return z.erstes == c && z.zweites == d; });
            if (paar != kZusammenziehungen.end()) {
                f(paar->gewichte);
                ++i;
                continue;
            }
        }
        f(kZeichenGewichte[c]);
    }
}

} // namespace

const Kollator& Kollator::Deutsch() {
    static const Kollator kollator;
    return kollator;
}

Kollator::Kollator() {
    for (const Zusammenziehung& z : kZusammenziehungen)
        beginntPaar_[z.erstes] = true;
}

std::string Kollator::Schluessel(std::string_view text) const {
    std::string schluessel;
    SchluesselAnhaengen(text, schluessel);
    return schluessel;
}

std::size_t Kollator::SchluesselAnhaengen(std::string_view text, std::string& ziel) const {
    std::size_t laenge = 1;
    jeEinheit(text, beginntPaar_, [&laenge](const ZeichenGewichte& g) {
        laenge += g.primaerAnzahl + g.sekundaerAnzahl;
    });
    const std::size_t alt = ziel.size();
    ziel.resize(alt + laenge);
    char* z = ziel.data() + alt;
    jeEinheit(text, beginntPaar_, [&z](const ZeichenGewichte& g) {
        z = std::copy_n(reinterpret_cast<const char*>(g.primaer), g.primaerAnzahl, z);
    });
    *z++ = '\x01';
    jeEinheit(text, beginntPaar_, [&z](const ZeichenGewichte& g) {
        z = std::copy_n(reinterpret_cast<const char*>(g.sekundaer), g.sekundaerAnzahl, z);
    });
    return laenge;
}

std::array<std::uint8_t, 4> Kollator::Version() const {
    return kKollationsVersion;
}

int Kollator::Vergleichen(std::string_view a, std::string_view b) const {
    const int r = Schluessel(a).compare(Schluessel(b));
    return r < 0 ? -1 : r > 0 ? 1 : 0;
}

} // namespace quandel
