#include "lexicon/abfragen.h"
#include "search/begrenzung.h"
#include "search/suchen.h"

namespace quandel {

namespace {

using Abfrage = void (*)(const Lexikon&, std::string_view, std::string_view, TrefferListe&,
                         ApendixListe&);

// End rhyme and alliteration differ only in the tree they ask and in the limit test.
SuchErgebnis TrieSuchen(SuchKontext& kontext, const SuchEinstellungen& einstellungen,
                        TrefferListe& treffer, Abfrage abfrage, Grenztest test) {
    SuchErgebnis ergebnis;
    const Lexikon& lexikon = kontext.lexikon();
    treffer.Leeren();
    kontext.SuchbegriffeLesen(einstellungen.suchtext);
    if (!kontext.Suchbegriffe.empty()) {
        kontext.SuchformenFuellen(kontext.Suchbegriffe[0], einstellungen.akzentuirung);
        for (const auto& form : kontext.Suchformen)
            abfrage(lexikon, form.text, "", treffer, kontext.Apendixliste);
        ergebnis = TrefferAbschliessen(kontext, treffer, einstellungen, test);
    }
    kontext.SuchlistenLeeren();
    return ergebnis;
}

} // namespace

std::vector<std::string> Texte(const TrefferListe& liste) {
    std::vector<std::string> texte;
    texte.reserve(liste.size());
    for (const auto& eintrag : liste)
        texte.push_back(eintrag.text);
    return texte;
}

SuchErgebnis TrefferAbschliessen(SuchKontext& kontext, TrefferListe& treffer,
                                 const SuchEinstellungen& einstellungen, Grenztest test) {
    Begrenzung(treffer, Grenzworte(kontext.Suchbegriffe), einstellungen.begrenzung, test,
               kontext.PlusTreffer);
    kontext.Suchformen.Leeren();
    LeereEintraegeEntfernen(treffer);
    SuchErgebnis ergebnis;
    ergebnis.treffer = Texte(treffer);
    ergebnis.ausgang = ergebnis.treffer.empty() ? Ausgang::KeinEintrag : Ausgang::Treffer;
    return ergebnis;
}

SuchErgebnis EndreimSuchen(SuchKontext& kontext, const SuchEinstellungen& einstellungen) {
    return TrieSuchen(kontext, einstellungen, kontext.EndTreffer, EndungSuchen, Grenztest::Endet);
}

SuchErgebnis StabreimSuchen(SuchKontext& kontext, const SuchEinstellungen& einstellungen) {
    return TrieSuchen(kontext, einstellungen, kontext.StabTreffer, AnfangSuchen,
                      Grenztest::Beginnt);
}

} // namespace quandel
