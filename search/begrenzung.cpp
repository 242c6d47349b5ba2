#include "search/begrenzung.h"

#include "text/kleinschreibung.h"

namespace quandel {

namespace {

bool besteht(const std::string& klein, const std::string& wort, Grenztest test) {
    if (wort.size() > klein.size())
        return false;
    return test == Grenztest::Endet ? klein.ends_with(wort) : klein.starts_with(wort);
}

} // namespace

std::vector<std::string> Grenzworte(const StringListe<>& suchbegriffe, std::size_t ab) {
    std::vector<std::string> worte;
    for (std::size_t i = ab; i < suchbegriffe.size(); ++i)
        worte.push_back(suchbegriffe[i]);
    return worte;
}

void Begrenzung(TrefferListe& treffer, const std::vector<std::string>& grenzworte,
                BegrenzungsModus modus, Grenztest test, TrefferListe& plusTreffer,
                bool grenzwortKlein) {
    if (grenzworte.empty())
        return;
    std::vector<std::string> worte = grenzworte;
    if (grenzwortKlein)
        for (std::string& w : worte)
            KleinInPlace(w);

    const bool plus = modus == BegrenzungsModus::Plus;
    treffer.Behalten([&](const TrefferListe::Eintrag& eintrag) {
        const std::string klein = Klein(eintrag.text);
        for (const std::string& w : worte) {
            if (!besteht(klein, w, test))
                continue;
            if (plus)
                plusTreffer.Sammeln(eintrag.text, eintrag.objekt, eintrag.schluessel);
            return false;
        }
        return true;
    });
    if (!plus)
        return;
    plusTreffer.Einordnen();
    treffer.Leeren();
    for (const auto& eintrag : plusTreffer)
        treffer.Sammeln(eintrag.text, eintrag.objekt, eintrag.schluessel);
    treffer.Einordnen();
}

} // namespace quandel
