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

KlangIndex::KlangIndex(Schluesseltabelle rein, std::span<const std::uint32_t> reinIds,
                       Schluesseltabelle zweisilbig, std::span<const std::uint32_t> zweisilbigIds,
                       std::uint64_t pruefsumme, std::shared_ptr<const void> halter)
    : rein_(rein), zweisilbig_(zweisilbig), reinIds_(reinIds), zweisilbigIds_(zweisilbigIds),
      pruefsumme_(pruefsumme), halter_(std::move(halter)) {
    const auto passt = [](std::span<const std::uint32_t> ids, const Schluesseltabelle& t) {
        return std::all_of(ids.begin(), ids.end(), [&](std::uint32_t id) { return id < t.size(); });
    };
    if (reinIds_.size() != zweisilbigIds_.size() || !passt(reinIds_, rein_) ||
        !passt(zweisilbigIds_, zweisilbig_))
        throw Fehler("Die gespeicherten Klangschlüssel sind beschädigt.");
}

std::string_view KlangIndex::Schluessel(std::size_t wortNr, bool zweisilbig) const {
    return zweisilbig ? zweisilbig_[zweisilbigIds_[wortNr]] : rein_[reinIds_[wortNr]];
}

std::vector<std::int32_t> KlangIndex::WorteMitSchluessel(std::string_view schluessel,
                                                         Klangart art) const {
    std::vector<std::int32_t> worte;
    if (schluessel.empty())
        return worte;
    const Schluesseltabelle& tabelle = art.zweisilbig ? zweisilbig_ : rein_;
    const std::span<const std::uint32_t> ids = art.zweisilbig ? zweisilbigIds_ : reinIds_;
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
    const auto tabelle = [](const Schluesseltabelle& t) {
        return t.Zeichen().size() + t.Enden().size() * sizeof(std::uint32_t);
    };
    return tabelle(rein_) + tabelle(zweisilbig_) +
           (reinIds_.size() + zweisilbigIds_.size()) * sizeof(std::uint32_t);
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
                  const std::vector<std::size_t>& reimvokale)
        : laute_(laute), reimvokale_(reimvokale) {
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
        if (reimvokale_[nr] == kKeinReimvokal)
            return std::string_view();
        schluessel_ = Codes(laute_[nr], reimvokale_[nr]);
        return std::string_view(schluessel_);
    }

private:
    const std::vector<Lautfolge>& laute_;
    const std::vector<std::size_t>& reimvokale_;
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
    std::vector<std::size_t> reimvokale(anzahl, kKeinReimvokal);
    const ListenGlieder glieder(kleinworte, laute, reimvokale);
    for (std::size_t i = 0; i < anzahl; ++i) {
        laute[i] = LauteMitGliedern(aussprache, worte[i], kleinworte[i], glieder);
        if ((i & 255u) == 0) {
            melden(i);
            if (abgebrochen())
                return std::nullopt;
        }
    }

    // Shorter words first, so that a compound's last member has its final rhyme vowel.
    std::vector<std::size_t> folge(anzahl);
    std::iota(folge.begin(), folge.end(), std::size_t{0});
    std::stable_sort(folge.begin(), folge.end(), [&](std::size_t a, std::size_t b) {
        return kleinworte[a].size() < kleinworte[b].size();
    });
    for (std::size_t j = 0; j < anzahl; ++j) {
        const std::size_t i = folge[j];
        reimvokale[i] = ReimvokalMitGliedern(kleinworte[i], laute[i], glieder);
        if ((j & 4095u) == 0)
            melden(anzahl + j / 20);
    }

    // The arrays the index points into.
    struct Speicher {
        Sammler rein;
        Sammler zweisilbig;
        std::vector<std::uint32_t> reinIds;
        std::vector<std::uint32_t> zweisilbigIds;
    };
    auto speicher = std::make_shared<Speicher>();
    speicher->reinIds.resize(anzahl);
    speicher->zweisilbigIds.resize(anzahl);
    for (std::size_t i = 0; i < anzahl; ++i) {
        const Klangschluessel schluessel = SchluesselAb(laute[i], reimvokale[i]);
        speicher->reinIds[i] = speicher->rein.Id(schluessel.rein);
        speicher->zweisilbigIds[i] = speicher->zweisilbig.Id(schluessel.zweisilbig);
        if ((i & 4095u) == 0)
            melden(anzahl + anzahl / 20 + i / 20);
    }
    melden(gesamt);
    const Speicher& s = *speicher;
    return KlangIndex({s.rein.Zeichen(), s.rein.Enden()}, s.reinIds,
                      {s.zweisilbig.Zeichen(), s.zweisilbig.Enden()}, s.zweisilbigIds,
                      WortlistenPruefsumme(kleinworte), std::move(speicher));
}

} // namespace quandel
