#include "soundgroups/ersetzbaum.h"

#include "soundgroups/lautgruppen_eingebaut.h"
#include "text/kleinschreibung.h"
#include "text/kollation.h"

#include <algorithm>
#include <numeric>
#include <unordered_set>

namespace quandel {

ErsetzBaum::ErsetzBaum(const Lautgruppen& gruppen, const std::vector<std::string>& elementliste) {
    for (const std::string& element : elementliste)
        Eintragen(element, &listen_.emplace_back(Mitgliederliste{false, {element}}));
    for (const Lautgruppe& gruppe : gruppen) {
        const Mitgliederliste& liste =
            listen_.emplace_back(Mitgliederliste{true, gruppe.mitglieder});
        for (const std::string& mitglied : gruppe.mitglieder)
            Eintragen(mitglied, &liste);
    }

    // Collation order, ignoring case; equal ones (such as "a" and "ª") by their lowered bytes.
    const Kollator& kollator = Kollator::Deutsch();
    std::vector<std::pair<std::string, std::string>> ordnung; // collation key, lowered spelling
    for (const Schluessel& s : schluessel_)
        ordnung.emplace_back(kollator.Schluessel(s.text), Klein(s.text));
    std::vector<std::size_t> folge(schluessel_.size());
    std::iota(folge.begin(), folge.end(), std::size_t{0});
    std::sort(folge.begin(), folge.end(),
              [&](std::size_t a, std::size_t b) { return ordnung[a] < ordnung[b]; });
    std::vector<Schluessel> geordnet;
    geordnet.reserve(folge.size());
    for (std::size_t i : folge) {
        nachKlein_[ordnung[i].second] = geordnet.size();
        geordnet.push_back(std::move(schluessel_[i]));
    }
    schluessel_ = std::move(geordnet);
}

void ErsetzBaum::Eintragen(const std::string& text, const Mitgliederliste* liste) {
    const auto [stelle, neu] = nachKlein_.try_emplace(Klein(text), schluessel_.size());
    if (neu)
        schluessel_.push_back({text, liste});
    else
        schluessel_[stelle->second].liste = liste; // the spelling stays, the group changes
}

const ErsetzBaum::Mitgliederliste* ErsetzBaum::Liste(std::string_view schluessel) const {
    const auto gefunden = nachKlein_.find(Klein(schluessel));
    const Mitgliederliste* liste =
        gefunden == nachKlein_.end() ? nullptr : schluessel_[gefunden->second].liste;
    return liste && liste->gruppe ? liste : nullptr;
}

void ErsetzBaum::Alternativen(std::string_view schluessel, std::vector<std::string>& ziel) const {
    if (const Mitgliederliste* liste = Liste(schluessel))
        ziel.insert(ziel.end(), liste->mitglieder.begin(), liste->mitglieder.end());
    else
        ziel.emplace_back(schluessel);
}

std::size_t ErsetzBaum::AnzahlAlternativen(std::string_view schluessel) const {
    const Mitgliederliste* liste = Liste(schluessel);
    return liste ? liste->mitglieder.size() : 1;
}

void ErsetzBaum::EintraegeAuflisten(std::vector<std::string>& ziel) const {
    // A text listed again would change no cut of a word: its first pass has blanked every
    // match. A group's members are all listed after its first key.
    std::unordered_set<std::string_view> gelistet;
    std::unordered_set<const Mitgliederliste*> gruppen;
    const auto auflisten = [&](const std::string& text) {
        if (gelistet.insert(text).second)
            ziel.push_back(text);
    };
    for (const Schluessel& s : schluessel_) {
        auflisten(s.text);
        if (gruppen.insert(s.liste).second)
            for (const std::string& mitglied : s.liste->mitglieder)
                auflisten(mitglied);
    }
}

int LaengeAbsteigend(std::string_view a, std::string_view b) {
    if (a.size() == b.size())
        return 0;
    return a.size() > b.size() ? -1 : 1;
}

Lautersetzung::Lautersetzung(const Lautgruppen& gruppen, std::string herkunft)
    : elementliste_(daten::Elemente()), herkunft_(std::move(herkunft)) {
    ErsetzBaumAufbauen(gruppen);
}

Lautersetzung Lautersetzung::Ohne() {
    Lautersetzung ohne;
    ohne.ErsetzBaumAufbauen({});
    return ohne;
}

void Lautersetzung::ErsetzBaumErneuern(const Lautgruppen& gruppen) {
    mergeList_.clear();
    baum_.reset();
    ErsetzBaumAufbauen(gruppen);
}

void Lautersetzung::ErsetzBaumAufbauen(const Lautgruppen& gruppen) {
    baum_ = std::make_unique<ErsetzBaum>(gruppen, elementliste_);
    baum_->EintraegeAuflisten(mergeList_);
    std::stable_sort(
        mergeList_.begin(), mergeList_.end(),
        [](const std::string& a, const std::string& b) { return LaengeAbsteigend(a, b) < 0; });
}

} // namespace quandel
