#include "app/cli_suche.h"

#include "app/cli_fortschritt.h"
#include "app/cli_klang.h"
#include "search/suchen.h"

#include <cstdio>

namespace quandel::cli {

namespace {

SuchErgebnis SchuettelnMitBalken(SuchKontext& kontext, const SuchEinstellungen& einstellungen,
                                 bool terminal) {
    Fortschrittsbalken balken(stderr);
    if (terminal)
        kontext.fortschritt = [&balken](std::uint64_t erledigt, std::uint64_t gesamt) {
            balken.Melden(erledigt, gesamt);
        };
    SuchErgebnis ergebnis = SchuettelreimSuchen(kontext, einstellungen);
    kontext.fortschritt = nullptr;
    balken.Beenden();
    return ergebnis;
}

} // namespace

KlangErgebnis Suchen(const Aufruf& aufruf, Klangbestand* klang, const Haeufigkeit& haeufigkeit,
                     const std::string& indexPfad, SuchKontext& kontext,
                     const SuchEinstellungen& einstellungen, bool terminal) {
    switch (aufruf.modus) {
    case Modus::End:
        return {EndreimSuchen(kontext, einstellungen), {}};
    case Modus::Lied:
        return {LiedreimSuchen(kontext, einstellungen), {}};
    case Modus::Stab:
        return {StabreimSuchen(kontext, einstellungen), {}};
    case Modus::Schuettel:
        return {SchuettelnMitBalken(kontext, einstellungen, terminal), {}};
    case Modus::Klang:
        return KlangSuchen(aufruf, *klang, haeufigkeit, indexPfad, kontext, einstellungen,
                           terminal);
    case Modus::Synonym: // answered from the thesaurus, not by a search of the stock
        break;
    }
    return {};
}

} // namespace quandel::cli
