// The image of an index file, damaged and then sealed again (every checksum made to fit), so
// that only the checks of offsets, lengths and counts stand between the damage and the
// searches: the lexicon must turn the image away or search it without reading outside it.
// The input is a list of damages (Beschaedigen).
#include "lexicon/abbild.h"
#include "lexicon/lexikon.h"
#include "pruefen.h"
#include "search/suchen.h"
#include "soundgroups/ersetzbaum.h"
#include "soundgroups/lautgruppen.h"
#include "text/kodierung.h"
#include "versiegeln.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace quandel;

std::vector<std::uint64_t> Vorlage() {
    Lexikon lexikon;
    EreignisHaken haken;
    lexikon.LexikonAufbauen({"Rand", "Leim", "Land", "Reim", Cp1252AusUtf8("Bär"), "Beere",
                             "vor allem", "Seide", "Weide", Cp1252AusUtf8("Gefäß"), "UND", "und"},
                            kVokalfeldVorgabe, haken);
    const std::string_view abbild = lexikon.Abbild();
    std::vector<std::uint64_t> worte(abbild.size() / 8);
    std::memcpy(worte.data(), abbild.data(), abbild.size());
    return worte;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    static const std::vector<std::uint64_t> vorlage = Vorlage();
    std::vector<std::uint64_t> worte = vorlage;
    Beschaedigen(worte, daten, groesse);

    Lexikon lexikon;
    EreignisHaken haken;
    if (!lexikon.AbbildUebernehmen(std::make_unique<EigenerSpeicher>(std::move(worte)), {},
                                   kVokalfeldVorgabe, haken))
        return 0;
    static const Lautersetzung lautersetzung(VorgabeLautgruppen());
    for (const char* text : {"e", "b", "ei", "Rand", "r and", "und"}) {
        for (auto suche : {EndreimSuchen, StabreimSuchen, LiedreimSuchen, SchuettelreimSuchen}) {
            SuchKontext kontext(lexikon, lautersetzung);
            SuchEinstellungen einstellungen;
            einstellungen.suchtext = text;
            const SuchErgebnis ergebnis = suche(kontext, einstellungen);
            QUANDEL_PRUEFEN((ergebnis.ausgang == Ausgang::Treffer) != ergebnis.treffer.empty());
        }
    }
    return 0;
}
