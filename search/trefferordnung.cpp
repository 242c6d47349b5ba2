#include "search/trefferordnung.h"

#include "lexicon/lexikon.h"
#include "text/kollation.h"

#include <algorithm>
#include <numeric>

namespace quandel {

void TrefferSortieren(std::vector<std::string>& treffer, Richtung richtung, EreignisHaken& haken) {
    const Kollator& kollator = Kollator::Deutsch();
    std::vector<std::string> schluessel;
    schluessel.reserve(treffer.size());
    std::string umgekehrt;
    for (const std::string& wort : treffer) {
        umgekehrt = wort;
        if (richtung == Richtung::Rueck)
            WortUmkehren(umgekehrt);
        schluessel.push_back(kollator.Schluessel(umgekehrt));
        haken();
    }
    std::vector<std::size_t> folge(treffer.size());
    std::iota(folge.begin(), folge.end(), std::size_t{0});
    std::stable_sort(folge.begin(), folge.end(),
                     [&](std::size_t a, std::size_t b) { return schluessel[a] < schluessel[b]; });
    std::vector<std::string> geordnet;
    geordnet.reserve(treffer.size());
    for (std::size_t i : folge)
        geordnet.push_back(std::move(treffer[i]));
    treffer = std::move(geordnet);
}

} // namespace quandel
