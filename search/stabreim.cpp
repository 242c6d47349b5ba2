#include "lexicon/abfragen.h"
#include "search/begrenzung.h"
#include "search/suchen.h"

namespace quandel {

SuchErgebnis StabreimSuchen(SuchKontext& kontext, const SuchEinstellungen& einstellungen) {
    SuchErgebnis ergebnis;
    Lexikon& lexikon = kontext.lexikon();
    kontext.StabTreffer.Leeren();
    kontext.SuchbegriffeLesen(einstellungen.suchtext);
    if (!kontext.Suchbegriffe.empty()) {
        kontext.SuchformenFuellen(kontext.Suchbegriffe[0], einstellungen.akzentuirung);
        for (const auto& form : lexikon.Suchformen)
            AnfangSuchen(lexikon, form.text, "", kontext.StabTreffer, kontext.Apendixliste);
        Begrenzung(kontext.StabTreffer, Grenzworte(kontext.Suchbegriffe), einstellungen.begrenzung,
                   Grenztest::Beginnt, lexikon.PlusTreffer);
        lexikon.Suchformen.Leeren();
        LeereEintraegeEntfernen(kontext.StabTreffer);
        ergebnis.treffer = Texte(kontext.StabTreffer);
        ergebnis.ausgang = ergebnis.treffer.empty() ? Ausgang::KeinEintrag : Ausgang::Treffer;
    }
    kontext.SuchlistenLeeren();
    return ergebnis;
}

} // namespace quandel
