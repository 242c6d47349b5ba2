#include "meaning/wortartentabelle.h"

#include "meaning/wortableitung.h"

#include <algorithm>
#include <bit>
#include <map>
#include <unordered_map>

namespace quandel {

std::uint32_t WortartenStreuwert(std::string_view form) {
    std::uint32_t wert = 2166136261u;
    for (const char c : form) {
        wert ^= static_cast<unsigned char>(c);
        wert *= 16777619u;
    }
    return wert;
}

Wortarten Wortartentabelle::Gelistet(std::string_view form) const {
    if (plaetze_.empty())
        return {};
    const std::size_t maske = plaetze_.size() - 1;
    for (std::size_t platz = WortartenStreuwert(form) & maske;; platz = (platz + 1) & maske) {
        const std::uint32_t eintrag = plaetze_[platz];
        if (eintrag == 0 || eintrag > zeichen_.size())
            return {};
        const std::string_view rest = zeichen_.substr(eintrag - 1);
        if (rest.size() > form.size() && rest.starts_with(form) &&
            static_cast<unsigned char>(rest[form.size()]) < 0x20)
            return Wortarten::AusBits(static_cast<std::uint8_t>(rest[form.size()]));
    }
}

Wortarten Wortartentabelle::Von(std::string_view wort) const {
    return ableitung::Wortartenvon(wort, [this](std::string_view form) { return Gelistet(form); });
}

std::size_t Wortartentabelle::FormAnzahl() const {
    return static_cast<std::size_t>(std::count_if(zeichen_.begin(), zeichen_.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20;
    }));
}

WortartenDaten WortartenTabelleBauen(const std::vector<Wortform>& formen) {
    std::map<std::string, Wortarten> verbunden;
    for (const Wortform& wortform : formen)
        if (!wortform.form.empty() && !wortform.arten.Unbekannt() &&
            std::none_of(wortform.form.begin(), wortform.form.end(),
                         [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
            verbunden[wortform.form] |= wortform.arten;

    // Shortest first: whether a noun is derived depends only on shorter forms, all of which
    // are settled before it.
    std::vector<const std::pair<const std::string, Wortarten>*> ordnung;
    for (const auto& eintrag : verbunden)
        ordnung.push_back(&eintrag);
    std::stable_sort(ordnung.begin(), ordnung.end(), [](const auto* a, const auto* b) {
        return a->first.size() < b->first.size();
    });
    std::unordered_map<std::string_view, Wortarten> behalten;
    const auto gelistet = [&behalten](std::string_view form) {
        const auto gefunden = behalten.find(form);
        return gefunden == behalten.end() ? Wortarten() : gefunden->second;
    };
    for (const auto* eintrag : ordnung) {
        if (eintrag->second == Wortarten(Wortart::Nomen) &&
            ableitung::IstNomenform(eintrag->first, gelistet))
            continue;
        behalten.emplace(eintrag->first, eintrag->second);
    }

    WortartenDaten daten;
    daten.formen = behalten.size();
    daten.plaetze.assign(std::bit_ceil(std::max<std::size_t>(behalten.size() * 2, 8)), 0);
    const std::size_t maske = daten.plaetze.size() - 1;
    // In the order of the forms, so that the same source always gives the same table.
    for (const auto& [form, arten] : verbunden) {
        if (!behalten.contains(form))
            continue;
        std::size_t platz = WortartenStreuwert(form) & maske;
        while (daten.plaetze[platz] != 0)
            platz = (platz + 1) & maske;
        daten.plaetze[platz] = static_cast<std::uint32_t>(daten.zeichen.size() + 1);
        daten.zeichen += form;
        daten.zeichen += static_cast<char>(arten.Bits());
    }
    return daten;
}

} // namespace quandel
