#include "search/klangreim.h"

#include "search/rangordnung.h"
#include "search/suchen.h"
#include "text/kleinschreibung.h"
#include "text/kommatext.h"

#include <algorithm>
#include <numeric>
#include <set>
#include <unordered_map>

namespace quandel {

namespace {

// a, e, i, o, u, y, ä, ö, ü and the accented vowels of loan words.
constexpr std::string_view kVokalbuchstaben =
    "aeiouy\xE0\xE1\xE2\xE4\xE8\xE9\xEA\xEB\xEE\xEF\xF4\xF6\xFB\xFC";

// The stock and its keys as the compound rule sees them.
class StockGlieder : public Gliedquelle {
public:
    StockGlieder(const Lexikon& lexikon, const KlangIndex& index)
        : lexikon_(lexikon), index_(index) {}

    bool IstWort(std::string_view klein) const override {
        return lexikon_.WortNrVon(klein).has_value();
    }

    std::optional<std::string_view> ReinerSchluessel(std::string_view klein) const override {
        return Wert(klein, Klangfeld::Rein);
    }

    std::optional<std::string_view> Anlaut(std::string_view klein) const override {
        return Wert(klein, Klangfeld::Anlaut);
    }

private:
    std::optional<std::string_view> Wert(std::string_view klein, Klangfeld feld) const {
        const auto nr = lexikon_.WortNrVon(klein);
        if (!nr)
            return std::nullopt;
        return index_.Wert(static_cast<std::size_t>(*nr), feld);
    }

    const Lexikon& lexikon_;
    const KlangIndex& index_;
};

// The sounds of a word with the compound rule applied and where its rhyme starts.
struct Wortlaut {
    Lautfolge laute;
    Reimstelle reim;
};

Wortlaut WortlautVon(const Lexikon& lexikon, Klangquelle& quelle, std::string_view wort,
                     std::string_view klein) {
    const StockGlieder glieder(lexikon, quelle.index);
    Wortlaut wortlaut{LauteMitGliedern(quelle.aussprache, wort, klein, glieder), {}};
    wortlaut.reim = ReimstelleMitGliedern(klein, wortlaut.laute, glieder);
    return wortlaut;
}

// The keys of the search word: klein is the word lowered, wieGetippt the word as typed (its
// capitals tell espeak-ng the noun "Weg" from the adverb "weg").
struct Suchklang {
    std::string rein;
    std::string zweisilbig;
    std::string anlaut;
};

Suchklang SuchklangVon(const std::string& klein, const std::string& wieGetippt,
                       const Lexikon& lexikon, Klangquelle& quelle) {
    const auto nr = lexikon.WortNrVon(klein);
    if (nr && lexikon.Wortbestand()[static_cast<std::size_t>(*nr)] == wieGetippt) {
        const auto i = static_cast<std::size_t>(*nr);
        return {std::string(quelle.index.Wert(i, Klangfeld::Rein)),
                std::string(quelle.index.Wert(i, Klangfeld::Zweisilbig)),
                std::string(quelle.index.Wert(i, Klangfeld::Anlaut))};
    }
    const Wortlaut wortlaut = WortlautVon(lexikon, quelle, wieGetippt, klein);
    Klangschluessel schluessel = SchluesselAb(wortlaut.laute, wortlaut.reim.vokal);
    return {std::move(schluessel.rein), std::move(schluessel.zweisilbig), wortlaut.reim.anlaut};
}

bool PasstZurWahl(std::string_view wort, std::string_view betonung, const Klangwahl& wahl) {
    if (!wahl.abkuerzungen && IstAbkuerzung(wort))
        return false;
    if (betonung.size() < wahl.silbenVon ||
        (wahl.silbenBis > 0 && betonung.size() > wahl.silbenBis))
        return false;
    return wahl.betonung.empty() || betonung == wahl.betonung;
}

Reimart ReimartVon(const KlangIndex& index, std::size_t nr, const Suchklang& such, Klangart art) {
    const std::string_view schluessel = art.zweisilbig ? such.zweisilbig : such.rein;
    if (index.Schluessel(nr, art.zweisilbig) != schluessel)
        return Reimart::Unrein;
    const bool gleicherAnlaut = index.Wert(nr, Klangfeld::Anlaut) == such.anlaut &&
                                index.Wert(nr, Klangfeld::Rein) == such.rein;
    return gleicherAnlaut ? Reimart::Ruehrend : Reimart::Rein;
}

// Puts the hits in the order of Klangordnung::Rang: by kind; inside a kind first the most common
// word of each onset (anlaute, by hit), then the rest, each part by Rangschluessel. The hits
// come in collation order, which stays among hits alike in all that.
void NachRangUndArtOrdnen(KlangErgebnis& klang, const std::vector<std::string_view>& anlaute) {
    const std::size_t anzahl = klang.treffer.size();
    std::vector<std::size_t> folge(anzahl);
    std::iota(folge.begin(), folge.end(), std::size_t{0});
    const auto nachRang = [&](std::size_t a, std::size_t b) {
        const Klangtreffer& x = klang.treffer[a];
        const Klangtreffer& y = klang.treffer[b];
        return std::pair(x.art, RangschluesselVon(x.rang, x.wort)) <
               std::pair(y.art, RangschluesselVon(y.rang, y.wort));
    };
    std::stable_sort(folge.begin(), folge.end(), nachRang);
    std::vector<bool> weiterer(anzahl); // not the first of its kind and onset
    std::set<std::pair<Reimart, std::string_view>> gesehen;
    for (const std::size_t i : folge)
        weiterer[i] = !gesehen.emplace(klang.treffer[i].art, anlaute[i]).second;
    std::stable_sort(folge.begin(), folge.end(), [&](std::size_t a, std::size_t b) {
        return std::pair(klang.treffer[a].art, weiterer[a]) <
               std::pair(klang.treffer[b].art, weiterer[b]);
    });
    KlangErgebnis geordnet;
    geordnet.ergebnis = std::move(klang.ergebnis);
    geordnet.ergebnis.treffer.clear();
    for (const std::size_t i : folge) {
        geordnet.ergebnis.treffer.push_back(klang.treffer[i].wort);
        geordnet.treffer.push_back(std::move(klang.treffer[i]));
    }
    geordnet.ergebnis.ohneSortierung = true;
    klang = std::move(geordnet);
}

} // namespace

bool IstAbkuerzung(std::string_view wort) {
    const std::size_t trenner = wort.find_last_of(" -");
    const std::string_view teil =
        trenner == std::string_view::npos ? wort : wort.substr(trenner + 1);
    const auto grosse =
        std::count_if(teil.begin(), teil.end(), [](char c) { return Klein(c) != c; });
    const bool ohneVokal = Klein(teil).find_first_of(kVokalbuchstaben) == std::string::npos;
    return teil.size() == 1 || grosse >= 2 || ohneVokal;
}

std::string KlangSchluessel(const Lexikon& lexikon, Klangquelle& quelle, std::string_view wort,
                            Klangart art) {
    const Suchklang such = SuchklangVon(Klein(wort), std::string(wort), lexikon, quelle);
    const std::string& schluessel = art.zweisilbig ? such.zweisilbig : such.rein;
    return art.unrein ? Unrein(schluessel) : schluessel;
}

KlangErgebnis KlangreimSuchen(SuchKontext& kontext, const SuchEinstellungen& einstellungen,
                              Klangquelle& quelle, const Klangwahl& wahl,
                              const Haeufigkeit& haeufigkeit) {
    KlangErgebnis klang;
    Suchlisten listen;
    const Lexikon& lexikon = kontext.lexikon();
    TrefferListe treffer{Ordnung::Sortiert, Duplikate::Ignorieren};
    listen.SuchbegriffeLesen(einstellungen.suchtext);
    if (!listen.Suchbegriffe.empty()) {
        const std::string wort = listen.Suchbegriffe[0]; // lower case
        const Suchklang such =
            SuchklangVon(wort, KommatextTeilen(einstellungen.suchtext)[0], lexikon, quelle);
        if (kontext.AbbruchFlag) {
            klang.ergebnis.abgebrochen = true;
            return klang;
        }
        const auto& wortbestand = lexikon.Wortbestand();
        const auto& kleinworte = lexikon.Kleinwortliste();
        const KlangIndex& index = quelle.index;
        std::unordered_map<std::string_view, std::size_t> nummern; // hit -> word number
        for (const std::int32_t nr : index.WorteMitSchluessel(
                 wahl.art.zweisilbig ? such.zweisilbig : such.rein, wahl.art)) {
            const auto i = static_cast<std::size_t>(nr);
            if (kleinworte[i] == wort ||
                !PasstZurWahl(wortbestand[i], index.Wert(i, Klangfeld::Betonung), wahl))
                continue;
            nummern.emplace(wortbestand[i], i);
            treffer.Sammeln(std::string(wortbestand[i]), nullptr, wortbestand.Schluessel(i));
            kontext.haken();
        }
        treffer.Einordnen();
        klang.ergebnis = TrefferAbschliessen(listen, treffer, einstellungen, Grenztest::Endet);
        std::vector<std::string_view> anlaute;
        for (const std::string& text : klang.ergebnis.treffer) {
            const std::size_t i = nummern.at(text);
            anlaute.push_back(index.Wert(i, Klangfeld::Anlaut));
            klang.treffer.push_back({text, ReimartVon(index, i, such, wahl.art),
                                     haeufigkeit.Rang(kleinworte[i]),
                                     std::string(index.Wert(i, Klangfeld::Betonung))});
        }
        if (wahl.ordnung == Klangordnung::Rang)
            NachRangUndArtOrdnen(klang, anlaute);
    }
    return klang;
}

Wortklang WortklangVon(const Lexikon& lexikon, Klangquelle& quelle, std::string_view wort) {
    const std::string klein = Klein(wort);
    const Wortlaut wortlaut = WortlautVon(lexikon, quelle, wort, klein);
    return {Lautschrift(wortlaut.laute), Silbenzahl(wortlaut.laute),
            Betonungsmuster(wortlaut.laute, wortlaut.reim.vokal, klein)};
}

} // namespace quandel
