#include "lexicon/vokalfolge.h"
#include "search/suchen.h"

namespace quandel {

SuchErgebnis LiedreimSuchen(SuchKontext& kontext, const SuchEinstellungen& einstellungen) {
    SuchErgebnis ergebnis;
    Suchlisten listen;
    const Lexikon& lexikon = kontext.lexikon();
    const Vokale vokale(VokallisteAus(einstellungen.vokalfeld));
    listen.SuchbegriffeLesen(einstellungen.suchtext);
    if (!listen.Suchbegriffe.empty()) {
        kontext.SuchformenFuellen(listen, vokale.Vokalfolge(listen.Suchbegriffe[0]),
                                  einstellungen.akzentuirung);
        const auto& wortbestand = lexikon.Wortbestand();
        for (const auto& form : listen.Suchformen) {
            for (const std::int32_t nr : lexikon.LiedWorte(form.text)) {
                const auto i = static_cast<std::size_t>(nr);
                listen.LiedTreffer.Sammeln(std::string(wortbestand[i]), nullptr,
                                           wortbestand.Schluessel(i));
            }
        }
        listen.LiedTreffer.Einordnen();
        ergebnis = TrefferAbschliessen(listen, listen.LiedTreffer, einstellungen, Grenztest::Endet);
    }
    return ergebnis;
}

} // namespace quandel
