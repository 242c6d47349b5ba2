#include "app/cli_klang.h"

#include "app/cli_fortschritt.h"
#include "data/aussprache.h"
#include "data/klang_eingebaut.h"
#include "phonetics/espeak.h"
#include "search/klangreim.h"
#include "text/fehler.h"

#include <fstream>
#include <sstream>

namespace quandel::cli {

namespace {

Aussprachetabelle Korrekturen(const Aufruf& aufruf) {
    Aussprachetabelle tabelle = daten::Aussprachekorrekturen();
    if (!aufruf.aussprache)
        return tabelle;
    const std::string& pfad = *aufruf.aussprache;
    std::ifstream datei(pfad, std::ios::binary);
    if (!datei)
        throw Fehler("Datei " + pfad + " kann nicht geöffnet werden.");
    std::ostringstream inhalt;
    inhalt << datei.rdbuf();
    if (datei.bad())
        throw Fehler("Datei " + pfad + " kann nicht gelesen werden.");
    tabelle.Einlesen(inhalt.str(), pfad);
    return tabelle;
}

std::vector<std::string> Texte(const StringListe<>& liste) {
    std::vector<std::string> texte;
    texte.reserve(liste.size());
    for (const auto& eintrag : liste)
        texte.push_back(eintrag.text);
    return texte;
}

std::optional<KlangIndex> IndexBerechnen(SuchKontext& kontext, Aussprache& aussprache,
                                         bool terminal) {
    const Lexikon& lexikon = kontext.lexikon();
    Fortschrittsbalken balken(stderr);
    Berechnung berechnung;
    if (terminal)
        berechnung.fortschritt = [&balken](std::uint64_t erledigt, std::uint64_t gesamt) {
            balken.Melden(erledigt, gesamt);
        };
    berechnung.abbruch = &kontext.AbbruchFlag;
    std::optional<KlangIndex> index = KlangIndexBerechnen(
        Texte(lexikon.Wortbestand()), lexikon.Kleinwortliste(), aussprache, berechnung);
    balken.Beenden();
    return index;
}

} // namespace

SuchErgebnis KlangSuchen(const Aufruf& aufruf, SuchKontext& kontext,
                         const SuchEinstellungen& einstellungen, bool terminal) {
    const Aussprachetabelle korrekturen = Korrekturen(aufruf);
    EspeakAussprecher espeak;
    Aussprache aussprache(espeak, korrekturen);

    // The compiled keys belong to the built-in stock with the built-in corrections only.
    std::optional<KlangIndex> index;
    if (!aufruf.wortbestand && !aufruf.aussprache)
        index = daten::EingebauterKlangIndex();
    if (!index || !index->PasstZu(kontext.lexikon().Kleinwortliste()))
        index = IndexBerechnen(kontext, aussprache, terminal);
    if (!index) {
        SuchErgebnis abgebrochen;
        abgebrochen.abgebrochen = true;
        return abgebrochen;
    }
    Klangquelle quelle{aussprache, *index};
    return KlangreimSuchen(kontext, einstellungen, quelle,
                           Klangart{aufruf.unrein, aufruf.zweisilbig});
}

} // namespace quandel::cli
