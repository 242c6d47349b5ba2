#include "search/abfragen.h"
#include "search/begrenzung.h"
#include "search/suchen.h"

namespace quandel {

namespace {

using Abfrage = void (*)(const Lexikon&, std::string_view, std::string_view, TrefferListe&,
                         ApendixListe&);

// End rhyme and alliteration differ only in the tree they ask and in the limit test.
SuchErgebnis TrieSuchen(SuchKontext& kontext, const SuchEinstellungen& einstellungen,
                        TrefferListe Suchlisten::*trefferliste, Abfrage abfrage, Grenztest test) {
    SuchErgebnis ergebnis;
    Suchlisten listen;
    TrefferListe& treffer = listen.*trefferliste;
    listen.SuchbegriffeLesen(einstellungen.suchtext);
    if (!listen.Suchbegriffe.empty()) {
        kontext.SuchformenFuellen(listen, listen.Suchbegriffe[0], einstellungen.akzentuirung);
        for (const auto& form : listen.Suchformen)
            abfrage(kontext.lexikon(), form.text, "", treffer, listen.Apendixliste);
        ergebnis = TrefferAbschliessen(listen, treffer, einstellungen, test);
    }
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

SuchErgebnis TrefferAbschliessen(Suchlisten& listen, TrefferListe& treffer,
                                 const SuchEinstellungen& einstellungen, Grenztest test) {
    Begrenzung(treffer, Grenzworte(listen.Suchbegriffe), einstellungen.begrenzung, test,
               listen.PlusTreffer);
    LeereEintraegeEntfernen(treffer);
    SuchErgebnis ergebnis;
    ergebnis.treffer = Texte(treffer);
    ergebnis.ausgang = ergebnis.treffer.empty() ? Ausgang::KeinEintrag : Ausgang::Treffer;
    return ergebnis;
}

SuchErgebnis EndreimSuchen(SuchKontext& kontext, const SuchEinstellungen& einstellungen) {
    return TrieSuchen(kontext, einstellungen, &Suchlisten::EndTreffer, EndungSuchen,
                      Grenztest::Endet);
}

SuchErgebnis StabreimSuchen(SuchKontext& kontext, const SuchEinstellungen& einstellungen) {
    return TrieSuchen(kontext, einstellungen, &Suchlisten::StabTreffer, AnfangSuchen,
                      Grenztest::Beginnt);
}

} // namespace quandel
