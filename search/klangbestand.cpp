#include "search/klangbestand.h"

#include "text/fehler.h"

namespace quandel {

bool Klangbestand::Bereit(const Lexikon& lexikon) const {
    return index_ && index_->PasstZu(lexikon.Kleinwortliste());
}

bool Klangbestand::Vorbereiten(const Lexikon& lexikon, std::optional<KlangIndex> gespeichert,
                               Berechnung berechnung) {
    if (Bereit(lexikon))
        return true;
    if (gespeichert && gespeichert->PasstZu(lexikon.Kleinwortliste())) {
        index_ = std::move(gespeichert);
        return true;
    }
    index_.reset();
    index_ = KlangIndexBerechnen(lexikon.Wortbestand().Worte(), lexikon.Kleinwortliste(),
                                 aussprache_, std::move(berechnung));
    return index_.has_value();
}

SuchErgebnis Klangbestand::Suchen(SuchKontext& kontext, const SuchEinstellungen& einstellungen,
                                  Klangart art) {
    if (!Bereit(kontext.lexikon()))
        throw Fehler("Die Klangschlüssel des Wortbestands fehlen.");
    Klangquelle quelle = Quelle();
    return KlangreimSuchen(kontext, einstellungen, quelle, art);
}

Wortklang Klangbestand::Klang(const Lexikon& lexikon, std::string_view wort) {
    if (!Bereit(lexikon))
        throw Fehler("Die Klangschlüssel des Wortbestands fehlen.");
    Klangquelle quelle = Quelle();
    return WortklangVon(lexikon, quelle, wort);
}

} // namespace quandel
