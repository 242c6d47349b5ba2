#include "phonetics/klangindex.h"

#include "lexicon/pruefsumme.h"
#include "text/fehler.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

namespace quandel {

Schluesseltabelle::Schluesseltabelle(std::string_view zeichen, std::span<const std::uint32_t> enden)
    : zeichen_(zeichen), enden_(enden) {
    const bool stimmig = !enden_.empty() && enden_[0] == 0 &&
                         std::is_sorted(enden_.begin(), enden_.end()) &&
                         enden_.back() == zeichen_.size();
    if (!stimmig)
        throw Fehler("Die gespeicherten Klangschlüssel sind beschädigt.");
}

std::string_view Schluesseltabelle::operator[](std::uint32_t id) const {
    const std::uint32_t anfang = id == 0 ? 0 : enden_[id - 1];
    return std::string_view(zeichen_).substr(anfang, enden_[id] - anfang);
}

KlangIndex::KlangIndex(const std::array<Klangspalte, kKlangfelder>& spalten,
                       std::uint64_t pruefsumme, std::shared_ptr<const void> halter)
    : spalten_(spalten), pruefsumme_(pruefsumme), halter_(std::move(halter)) {
    const bool stimmig = std::all_of(spalten_.begin(), spalten_.end(), [&](const Klangspalte& s) {
        return s.ids.size() == Wortanzahl() &&
               std::all_of(s.ids.begin(), s.ids.end(),
                           [&](std::uint32_t id) { return id < s.werte.size(); });
    });
    if (!stimmig)
        throw Fehler("Die gespeicherten Klangschlüssel sind beschädigt.");
}

std::string_view KlangIndex::Wert(std::size_t wortNr, Klangfeld feld) const {
    const Klangspalte& spalte = Spalte(feld);
    return spalte.werte[spalte.ids[wortNr]];
}

std::vector<std::int32_t> KlangIndex::WorteMitSchluessel(std::string_view schluessel,
                                                         Klangart art) const {
    std::vector<std::int32_t> worte;
    if (schluessel.empty())
        return worte;
    const Klangspalte& spalte = Spalte(art.zweisilbig ? Klangfeld::Zweisilbig : Klangfeld::Rein);
    const Schluesseltabelle& tabelle = spalte.werte;
    const std::span<const std::uint32_t> ids = spalte.ids;
    const std::string gesucht = art.unrein ? Unrein(schluessel) : std::string(schluessel);
    std::vector<bool> passend(tabelle.size(), false);
    for (std::uint32_t id = 1; id < tabelle.size(); ++id)
        passend[id] = (art.unrein ? Unrein(tabelle[id]) : std::string(tabelle[id])) == gesucht;
    for (std::size_t nr = 0; nr < ids.size(); ++nr)
        if (passend[ids[nr]])
            worte.push_back(static_cast<std::int32_t>(nr));
    return worte;
}

bool KlangIndex::PasstZu(const TextFeld& kleinworte) const {
    return kleinworte.size() == Wortanzahl() && WortlistenPruefsumme(kleinworte) == pruefsumme_;
}

std::size_t KlangIndex::Speicherbedarf() const {
    std::size_t bytes = 0;
    for (const Klangspalte& s : spalten_)
        bytes += s.werte.Zeichen().size() + (s.werte.Enden().size() + s.ids.size()) * 4;
    return bytes;
}

std::uint64_t WortlistenPruefsumme(const TextFeld& kleinworte) {
    Pruefsumme summe;
    summe.Hinzufuegen(kleinworte.Pool());
    summe.Hinzufuegen({reinterpret_cast<const char*>(kleinworte.Enden().data()),
                       kleinworte.Enden().size_bytes()});
    return summe.Wert();
}

namespace {

// Interns keys while the index is built.
class Sammler {
public:
    std::uint32_t Id(const std::string& schluessel) {
        if (schluessel.empty())
            return 0;
        const auto [stelle, neu] =
            ids_.try_emplace(schluessel, static_cast<std::uint32_t>(enden_.size()));
        if (neu) {
            zeichen_ += schluessel;
            enden_.push_back(static_cast<std::uint32_t>(zeichen_.size()));
        }
        return stelle->second;
    }
    const std::string& Zeichen() const { return zeichen_; }
    const std::vector<std::uint32_t>& Enden() const { return enden_; }

private:
    std::string zeichen_;
    std::vector<std::uint32_t> enden_{0};
    std::unordered_map<std::string, std::uint32_t> ids_;
};

// The words of the list while their keys are computed: the pure key of a word is known once
// the words shorter than it are done.
class ListenGlieder : public Gliedquelle {
public:
    ListenGlieder(const TextFeld& kleinworte, const std::vector<Lautfolge>& laute,
                  const std::vector<Reimstelle>& reime)
        : laute_(laute), reime_(reime) {
        nummern_.reserve(kleinworte.size());
        for (std::size_t i = 0; i < kleinworte.size(); ++i)
            nummern_.emplace(kleinworte[i], i);
    }

    bool IstWort(std::string_view klein) const override { return nummern_.contains(klein); }

    std::optional<std::string_view> ReinerSchluessel(std::string_view klein) const override {
        const auto gefunden = nummern_.find(klein);
        if (gefunden == nummern_.end())
            return std::nullopt;
        const std::size_t nr = gefunden->second;
        if (reime_[nr].vokal == kKeinReimvokal)
            return std::string_view();
        schluessel_ = Codes(laute_[nr], reime_[nr].vokal);
        return std::string_view(schluessel_);
    }

    std::optional<std::string_view> Anlaut(std::string_view klein) const override {
        const auto gefunden = nummern_.find(klein);
        if (gefunden == nummern_.end())
            return std::nullopt;
        return std::string_view(reime_[gefunden->second].anlaut);
    }

private:
    const std::vector<Lautfolge>& laute_;
    const std::vector<Reimstelle>& reime_;
    std::unordered_map<std::string_view, std::size_t> nummern_;
    mutable std::string schluessel_;
};

} // namespace

std::optional<KlangIndex> KlangIndexBerechnen(const TextFeld& worte, const TextFeld& kleinworte,
                                              Aussprache& aussprache, Berechnung berechnung) {
    const std::size_t anzahl = worte.size();
    const auto abgebrochen = [&] { return berechnung.abbruch && berechnung.abbruch->load(); };
    // Pronouncing is nearly all of the work; the other steps count as one more tenth.
    const std::uint64_t gesamt = anzahl + anzahl / 10;
    const auto melden = [&](std::uint64_t erledigt) {
        if (berechnung.fortschritt)
            berechnung.fortschritt(erledigt, gesamt);
        if (berechnung.haken)
            (*berechnung.haken)();
    };

    std::vector<Lautfolge> laute(anzahl);
    std::vector<Reimstelle> reime(anzahl);
    const ListenGlieder glieder(kleinworte, laute, reime);
    for (std::size_t i = 0; i < anzahl; ++i) {
        laute[i] = LauteMitGliedern(aussprache, worte[i], kleinworte[i], glieder);
        if ((i & 255u) == 0) {
            melden(i);
            if (abgebrochen())
                return std::nullopt;
        }
    }

    // Shorter words first, so that a compound's last member has its final rhyme vowel and onset.
    std::vector<std::size_t> folge(anzahl);
    std::iota(folge.begin(), folge.end(), std::size_t{0});
    std::stable_sort(folge.begin(), folge.end(), [&](std::size_t a, std::size_t b) {
        return kleinworte[a].size() < kleinworte[b].size();
    });
    for (std::size_t j = 0; j < anzahl; ++j) {
        const std::size_t i = folge[j];
        reime[i] = ReimstelleMitGliedern(kleinworte[i], laute[i], glieder);
        if ((j & 4095u) == 0)
            melden(anzahl + j / 20);
    }

    // The arrays the index points into.
    struct Speicher {
        std::array<Sammler, kKlangfelder> werte;
        std::array<std::vector<std::uint32_t>, kKlangfelder> ids;
    };
    auto speicher = std::make_shared<Speicher>();
    for (auto& ids : speicher->ids)
        ids.resize(anzahl);
    for (std::size_t i = 0; i < anzahl; ++i) {
        const Klangschluessel schluessel = SchluesselAb(laute[i], reime[i].vokal);
        const std::array<std::string, kKlangfelder> werte{
            schluessel.rein, schluessel.zweisilbig, reime[i].anlaut,
            Betonungsmuster(laute[i], reime[i].vokal, kleinworte[i])};
        for (std::size_t f = 0; f < kKlangfelder; ++f)
            speicher->ids[f][i] = speicher->werte[f].Id(werte[f]);
        if ((i & 4095u) == 0)
            melden(anzahl + anzahl / 20 + i / 20);
    }
    melden(gesamt);
    std::array<Klangspalte, kKlangfelder> spalten;
    for (std::size_t f = 0; f < kKlangfelder; ++f)
        spalten[f] = {{speicher->werte[f].Zeichen(), speicher->werte[f].Enden()}, speicher->ids[f]};
    return KlangIndex(spalten, WortlistenPruefsumme(kleinworte), std::move(speicher));
}

} // namespace quandel
