#include "app/cli_klang.h"

#include "app/cli_fortschritt.h"
#include "data/aussprache.h"
#include "data/klang_eingebaut.h"

namespace quandel::cli {

std::unique_ptr<Klangbestand> KlangbestandAnlegen(const Aufruf& aufruf) {
    Aussprachetabelle tabelle = daten::Aussprachekorrekturen();
    if (aufruf.aussprache)
        tabelle.DateiEinlesen(*aufruf.aussprache);
    return std::make_unique<Klangbestand>(std::move(tabelle));
}

SuchErgebnis KlangSuchen(const Aufruf& aufruf, Klangbestand& klang, const std::string& indexPfad,
                         SuchKontext& kontext, const SuchEinstellungen& einstellungen,
                         bool terminal) {
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
            SuchErgebnis abgebrochen;
            abgebrochen.abgebrochen = true;
            return abgebrochen;
        }
    }
    return klang.Suchen(kontext, einstellungen, Klangart{aufruf.unrein, aufruf.zweisilbig});
}

} // namespace quandel::cli
