#include "meaning/wortart.h"

namespace quandel {

namespace {

struct Namen {
    Wortart art;
    std::string_view name;
    std::string_view kennwort;
};

constexpr std::array<Namen, 5> kNamen{{
    {Wortart::Nomen, "Nomen", "nomen"},
    {Wortart::Verb, "Verb", "verb"},
    {Wortart::Adjektiv, "Adjektiv", "adjektiv"},
    {Wortart::Adverb, "Adverb", "adverb"},
    {Wortart::Andere, "andere", "andere"},
}};

const Namen& namenVon(Wortart art) {
    for (const Namen& namen : kNamen)
        if (namen.art == art)
            return namen;
    return kNamen.back();
}

} // namespace

std::string_view WortartName(Wortart art) {
    return namenVon(art).name;
}

std::string_view WortartKennwort(Wortart art) {
    return namenVon(art).kennwort;
}

std::optional<Wortarten> WortartenAusKennwoertern(std::string_view liste) {
    Wortarten arten;
    while (true) {
        const std::size_t komma = liste.find(',');
        const std::string_view name = liste.substr(0, komma);
        const Namen* gefunden = nullptr;
        for (const Namen& namen : kNamen)
            if (namen.kennwort == name)
                gefunden = &namen;
        if (!gefunden)
            return std::nullopt;
        arten |= gefunden->art;
        if (komma == std::string_view::npos)
            return arten;
        liste.remove_prefix(komma + 1);
    }
}

} // namespace quandel
