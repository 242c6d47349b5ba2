#include "lexicon/vokalfolge.h"
#include "search/suchen.h"

namespace quandel {

SuchErgebnis LiedreimSuchen(SuchKontext& kontext, const SuchEinstellungen& einstellungen) {
    SuchErgebnis ergebnis;
    const Lexikon& lexikon = kontext.lexikon();
    const Vokale vokale(VokallisteAus(einstellungen.vokalfeld));
    kontext.LiedTreffer.Leeren();
    kontext.Suchformen.Leeren();
    kontext.SuchbegriffeLesen(einstellungen.suchtext);
    if (!kontext.Suchbegriffe.empty()) {
        kontext.SuchformenFuellen(vokale.Vokalfolge(kontext.Suchbegriffe[0]),
                                  einstellungen.akzentuirung);
        const auto& wortbestand = lexikon.Wortbestand();
        for (const auto& form : kontext.Suchformen) {
            for (const std::int32_t nr : lexikon.LiedWorte(form.text)) {
                const auto i = static_cast<std::size_t>(nr);
                kontext.LiedTreffer.Sammeln(std::string(wortbestand[i]), nullptr,
                                            wortbestand.Schluessel(i));
            }
        }
        kontext.LiedTreffer.Einordnen();
        ergebnis =
            TrefferAbschliessen(kontext, kontext.LiedTreffer, einstellungen, Grenztest::Endet);
    }
    kontext.SuchlistenLeeren();
    return ergebnis;
}

} // namespace quandel
