#include "app/cli_klang.h"

#include "app/cli_fortschritt.h"
#include "data/aussprache.h"
#include "data/klang_eingebaut.h"
#include "search/klangbestand.h"
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

} // namespace

SuchErgebnis KlangSuchen(const Aufruf& aufruf, SuchKontext& kontext,
                         const SuchEinstellungen& einstellungen, bool terminal) {
    Klangbestand klang(Korrekturen(aufruf));

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
    const bool bereit = klang.Vorbereiten(kontext.lexikon(), std::move(eingebaut), berechnung);
    balken.Beenden();
    if (!bereit) {
        SuchErgebnis abgebrochen;
        abgebrochen.abgebrochen = true;
        return abgebrochen;
    }
    return klang.Suchen(kontext, einstellungen, Klangart{aufruf.unrein, aufruf.zweisilbig});
}

} // namespace quandel::cli
