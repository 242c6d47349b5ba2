#include "meaning/treffersieb.h"

#include <algorithm>

namespace quandel {

void Treffersieb::WortartenSetzen(const Wortartentabelle& tabelle, Wortarten arten) {
    tabelle_ = &tabelle;
    arten_ = arten;
}

bool Treffersieb::SinnSetzen(const Thesaurus& thesaurus, std::string_view wort) {
    std::vector<std::uint32_t> kreis = thesaurus.SinnkreisVon(wort);
    if (kreis.empty())
        return false;
    thesaurus_ = &thesaurus;
    sinnkreis_ = std::move(kreis);
    return true;
}

bool Treffersieb::Behalten(std::string_view wort) const {
    if (!arten_.Unbekannt() && !tabelle_->Von(wort).Teilt(arten_))
        return false;
    return thesaurus_ == nullptr || thesaurus_->ImSinnkreis(sinnkreis_, wort);
}

void Treffersieb::Sieben(std::vector<std::string>& treffer) const {
    if (!Aktiv())
        return;
    std::erase_if(treffer, [this](const std::string& wort) { return !Behalten(wort); });
}

} // namespace quandel
