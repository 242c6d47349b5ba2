#include "search/rangordnung.h"

#include "text/kleinschreibung.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace quandel {

Rangschluessel RangschluesselVon(std::optional<std::uint32_t> rang, std::string_view wort) {
    Rangschluessel schluessel;
    if (rang)
        schluessel.rang = *rang;
    schluessel.laenge = wort.size();
    return schluessel;
}

Rangschluessel RangschluesselVon(std::string_view wort, const Haeufigkeit& haeufigkeit) {
    return RangschluesselVon(haeufigkeit.Rang(Klein(wort)), wort);
}

void NachRangOrdnen(std::vector<std::string>& treffer, std::size_t spalten,
                    const Haeufigkeit& haeufigkeit) {
    const std::size_t zeilen = treffer.size() / spalten;
    // Per row its words' keys, the least common first; one word is a row of its own.
    std::vector<std::array<Rangschluessel, 3>> schluessel(zeilen);
    const std::size_t erste = spalten > 1 ? 1 : 0;
    const std::size_t anzahl = std::min<std::size_t>(spalten - erste, 3);
    for (std::size_t z = 0; z < zeilen; ++z) {
        for (std::size_t s = 0; s < anzahl; ++s)
            schluessel[z][s] = RangschluesselVon(treffer[z * spalten + erste + s], haeufigkeit);
        std::sort(schluessel[z].begin(),
                  schluessel[z].begin() + static_cast<std::ptrdiff_t>(anzahl), std::greater<>());
    }
    std::vector<std::size_t> folge(zeilen);
    std::iota(folge.begin(), folge.end(), std::size_t{0});
    std::stable_sort(folge.begin(), folge.end(),
                     [&](std::size_t a, std::size_t b) { return schluessel[a] < schluessel[b]; });
    std::vector<std::string> geordnet;
    geordnet.reserve(treffer.size());
    for (const std::size_t z : folge)
        for (std::size_t s = 0; s < spalten; ++s)
            geordnet.push_back(std::move(treffer[z * spalten + s]));
    for (std::size_t i = zeilen * spalten; i < treffer.size(); ++i)
        geordnet.push_back(std::move(treffer[i])); // an incomplete row stays last
    treffer = std::move(geordnet);
}

} // namespace quandel
