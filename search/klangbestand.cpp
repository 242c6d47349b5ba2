#include "search/klangbestand.h"

#include "lexicon/indexcache.h"
#include "lexicon/pruefsumme.h"
#include "phonetics/klangabschnitt.h"
#include "text/fehler.h"

namespace quandel {

bool Klangbestand::Bereit(const Lexikon& lexikon) const {
    if (!index_ || !index_->PasstZu(lexikon.Kleinwortliste()))
        return false;
    try {
        if (abbild_)
            abbild_->Pruefen();
    } catch (const IndexVeraendert&) {
        return false;
    }
    return true;
}

bool Klangbestand::Vorbereiten(const Lexikon& lexikon, std::optional<KlangIndex> gespeichert,
                               Berechnung berechnung, const std::string& indexPfad) {
    if (Bereit(lexikon))
        return true;
    abbild_ = nullptr;
    if (gespeichert && gespeichert->PasstZu(lexikon.Kleinwortliste())) {
        index_ = std::move(gespeichert);
        return true;
    }
    const std::optional<std::string_view> abschnitt =
        lexikon.Zusatzabschnitt(kKlangAbschnitt, kKlangAbschnittVersion);
    if (abschnitt) {
        abbild_ = lexikon.AbbildHalter();
        index_ = KlangAbschnittLesen(*abschnitt, ausspracheKennung(), abbild_);
        if (Bereit(lexikon))
            return true;
        abbild_ = nullptr;
    }
    index_ = KlangIndexBerechnen(lexikon.Wortbestand().Worte(), lexikon.Kleinwortliste(),
                                 aussprache_, std::move(berechnung));
    if (index_ && !indexPfad.empty()) {
        const auto abbild =
            lexikon.AbbildMitAbschnitt(KlangAbschnittEntwerfen(*index_, ausspracheKennung()));
        IndexSpeichern(indexPfad, abbild->Bytes());
    }
    return index_.has_value();
}

std::uint64_t Klangbestand::ausspracheKennung() {
    return Pruefsumme64(espeak_.Version()) ^ korrekturen_.Pruefsumme();
}

KlangErgebnis Klangbestand::Suchen(SuchKontext& kontext, const SuchEinstellungen& einstellungen,
                                   const Klangwahl& wahl, const Haeufigkeit& haeufigkeit) {
    if (!Bereit(kontext.lexikon()))
        throw Fehler("Die Klangschlüssel des Wortbestands fehlen.");
    // The abort flag reaches espeak-ng for this search only: a search word of megabytes ends
    // soon after Ctrl+C.
    struct Beachten {
        EspeakAussprecher& espeak;
        ~Beachten() { espeak.AbbruchBeachten(nullptr); }
    } beachten{espeak_};
    espeak_.AbbruchBeachten(&kontext.AbbruchFlag);
    Klangquelle quelle = Quelle();
    return KlangreimSuchen(kontext, einstellungen, quelle, wahl, haeufigkeit);
}

Wortklang Klangbestand::Klang(const Lexikon& lexikon, std::string_view wort) {
    if (!Bereit(lexikon))
        throw Fehler("Die Klangschlüssel des Wortbestands fehlen.");
    Klangquelle quelle = Quelle();
    return WortklangVon(lexikon, quelle, wort);
}

} // namespace quandel
