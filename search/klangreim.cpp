#include "search/klangreim.h"

#include "search/suchen.h"
#include "text/kleinschreibung.h"
#include "text/kommatext.h"

namespace quandel {

namespace {

// The stock and its keys as the compound rule sees them.
class StockGlieder : public Gliedquelle {
public:
    StockGlieder(const Lexikon& lexikon, const KlangIndex& index)
        : lexikon_(lexikon), index_(index) {}

    bool IstWort(std::string_view klein) const override {
        return lexikon_.WortNrVon(klein).has_value();
    }

    std::optional<std::string_view> ReinerSchluessel(std::string_view klein) const override {
        const auto nr = lexikon_.WortNrVon(klein);
        if (!nr)
            return std::nullopt;
        return index_.Schluessel(static_cast<std::size_t>(*nr), false);
    }

private:
    const Lexikon& lexikon_;
    const KlangIndex& index_;
};

// The key of the search word: klein is the word lowered, wieGetippt the word as typed (its capitals
// tell espeak-ng the noun "Weg" from the adverb "weg").
std::string SchluesselVon(const std::string& klein, const std::string& wieGetippt,
                          const Lexikon& lexikon, Klangquelle& quelle, bool zweisilbig) {
    const auto nr = lexikon.WortNrVon(klein);
    if (nr && lexikon.Wortbestand()[static_cast<std::size_t>(*nr)] == wieGetippt)
        return std::string(quelle.index.Schluessel(static_cast<std::size_t>(*nr), zweisilbig));
    const StockGlieder glieder(lexikon, quelle.index);
    const Lautfolge laute = LauteMitGliedern(quelle.aussprache, wieGetippt, klein, glieder);
    const Klangschluessel schluessel =
        SchluesselAb(laute, ReimvokalMitGliedern(klein, laute, glieder));
    return zweisilbig ? schluessel.zweisilbig : schluessel.rein;
}

} // namespace

std::string KlangSchluessel(const Lexikon& lexikon, Klangquelle& quelle, std::string_view wort,
                            Klangart art) {
    const std::string schluessel =
        SchluesselVon(Klein(wort), std::string(wort), lexikon, quelle, art.zweisilbig);
    return art.unrein ? Unrein(schluessel) : schluessel;
}

SuchErgebnis KlangreimSuchen(SuchKontext& kontext, const SuchEinstellungen& einstellungen,
                             Klangquelle& quelle, Klangart art) {
    SuchErgebnis ergebnis;
    Suchlisten listen;
    const Lexikon& lexikon = kontext.lexikon();
    TrefferListe treffer{Ordnung::Sortiert, Duplikate::Ignorieren};
    listen.SuchbegriffeLesen(einstellungen.suchtext);
    if (!listen.Suchbegriffe.empty()) {
        const std::string wort = listen.Suchbegriffe[0]; // lower case
        const std::string schluessel = SchluesselVon(
            wort, KommatextTeilen(einstellungen.suchtext)[0], lexikon, quelle, art.zweisilbig);
        if (kontext.AbbruchFlag) {
            ergebnis.abgebrochen = true;
            return ergebnis;
        }
        const auto& wortbestand = lexikon.Wortbestand();
        const auto& kleinworte = lexikon.Kleinwortliste();
        for (const std::int32_t nr : quelle.index.WorteMitSchluessel(schluessel, art)) {
            const auto i = static_cast<std::size_t>(nr);
            if (kleinworte[i] == wort)
                continue;
            treffer.Sammeln(std::string(wortbestand[i]), nullptr, wortbestand.Schluessel(i));
            kontext.haken();
        }
        treffer.Einordnen();
        ergebnis = TrefferAbschliessen(listen, treffer, einstellungen, Grenztest::Endet);
    }
    return ergebnis;
}

Wortklang WortklangVon(const Lexikon& lexikon, Klangquelle& quelle, std::string_view wort) {
    const StockGlieder glieder(lexikon, quelle.index);
    const Lautfolge laute = LauteMitGliedern(quelle.aussprache, wort, Klein(wort), glieder);
    return {Lautschrift(laute), Silbenzahl(laute)};
}

} // namespace quandel
