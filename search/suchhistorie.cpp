#include "search/suchhistorie.h"

#include <algorithm>

namespace quandel {

bool Suchhistorie::TrefferHistorieMerken(const std::vector<std::string>& treffer, std::string text,
                                         const HistorienEintrag& eintrag) {
    if (treffer.empty() || eintrag.modus == Suchmodus::Stab)
        return false;
    HistorienListen.push_back(treffer);
    HistorienWorte.emplace_back(std::move(text), eintrag);
    return true;
}

std::optional<std::size_t> Suchhistorie::Zeigen(int stelle) const {
    if (stelle < 0 || static_cast<std::size_t>(stelle) >= Anzahl())
        return std::nullopt;
    return static_cast<std::size_t>(stelle);
}

int Suchhistorie::PfeilMaximum() const {
    return Leer() ? 0 : PfeilStelle(Anzahl() - 1);
}

int Suchhistorie::PfeilStelle(std::size_t k) {
    return static_cast<int>(std::min<std::size_t>(k, kHoechsteStelle));
}

} // namespace quandel
