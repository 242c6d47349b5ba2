#include "app/cli_klang.h"

#include "app/cli_fortschritt.h"
#include "phonetics/aussprache_eingebaut.h"
#include "phonetics/klang_eingebaut.h"

namespace quandel::cli {

std::unique_ptr<Klangbestand> KlangbestandAnlegen(const Aufruf& aufruf) {
    Aussprachetabelle tabelle = daten::Aussprachekorrekturen();
    if (aufruf.aussprache)
        tabelle.DateiEinlesen(*aufruf.aussprache);
    return std::make_unique<Klangbestand>(std::move(tabelle));
}

KlangErgebnis KlangSuchen(const Aufruf& aufruf, Klangbestand& klang, const Haeufigkeit& haeufigkeit,
                          const std::string& indexPfad, SuchKontext& kontext,
                          const SuchEinstellungen& einstellungen, bool terminal) {
    if (!klang.Bereit(kontext.lexikon())) {
        // The compiled keys belong to the built-in stock with the built-in corrections only.
        std::optional<KlangIndex> eingebaut;
        if (!aufruf.wortbestand && !aufruf.aussprache)
            eingebaut = daten::EingebauterKlangIndex();
        Fortschrittsbalken balken(stderr);
        Berechnung berechnung;
        if (terminal)
            berechnung.fortschritt = [&balken](std::uint64_t erledigt, std::uint64_t gesamt) {
                balken.Melden(erledigt, gesamt);
            };
        berechnung.abbruch = &kontext.AbbruchFlag;
        const bool bereit =
            klang.Vorbereiten(kontext.lexikon(), std::move(eingebaut), berechnung, indexPfad);
        balken.Beenden();
        if (!bereit) {
            KlangErgebnis abgebrochen;
            abgebrochen.ergebnis.abgebrochen = true;
            return abgebrochen;
        }
    }
    Klangwahl wahl;
    wahl.art = {aufruf.unrein, aufruf.zweisilbig};
    wahl.ordnung =
        Folge(aufruf) == Trefferfolge::Rang ? Klangordnung::Rang : Klangordnung::Alphabet;
    wahl.abkuerzungen = aufruf.abkuerzungen;
    wahl.silbenVon = aufruf.silbenVon;
    wahl.silbenBis = aufruf.silbenBis;
    wahl.betonung = aufruf.betonung.value_or("");
    return klang.Suchen(kontext, einstellungen, wahl, haeufigkeit);
}

} // namespace quandel::cli
