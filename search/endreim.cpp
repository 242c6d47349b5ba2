#include "lexicon/abfragen.h"
#include "search/begrenzung.h"
#include "search/suchen.h"

namespace quandel {

std::vector<std::string> Texte(const TrefferListe& liste) {
    std::vector<std::string> texte;
    texte.reserve(liste.size());
    for (const auto& eintrag : liste)
        texte.push_back(eintrag.text);
    return texte;
}

SuchErgebnis EndreimSuchen(SuchKontext& kontext, const SuchEinstellungen& einstellungen) {
    SuchErgebnis ergebnis;
    Lexikon& lexikon = kontext.lexikon();
    kontext.EndTreffer.Leeren();
    kontext.SuchbegriffeLesen(einstellungen.suchtext);
    if (!kontext.Suchbegriffe.empty()) {
        kontext.SuchformenFuellen(kontext.Suchbegriffe[0], einstellungen.akzentuirung);
        for (const auto& form : lexikon.Suchformen)
            EndungSuchen(lexikon, form.text, "", kontext.EndTreffer, kontext.Apendixliste);
        Begrenzung(kontext.EndTreffer, Grenzworte(kontext.Suchbegriffe), einstellungen.begrenzung,
                   Grenztest::Endet, lexikon.PlusTreffer);
        lexikon.Suchformen.Leeren();
        LeereEintraegeEntfernen(kontext.EndTreffer);
        ergebnis.treffer = Texte(kontext.EndTreffer);
        ergebnis.ausgang = ergebnis.treffer.empty() ? Ausgang::KeinEintrag : Ausgang::Treffer;
    }
    kontext.SuchlistenLeeren();
    return ergebnis;
}

} // namespace quandel
