// A word list as the programs read it (UTF-8 lines), the lexicon built from it and all four
// searches on it, also after its image went through an index file's take-over. The first line
// is the search text, the others the stock. The hits of
// the end rhyme and the alliteration, and the rows of the spoonerism, are checked against a
// plain scan of the stock.
#include "lexicon/lexikon.h"
#include "lexicon/wortliste.h"
#include "pruefen.h"
#include "search/suchen.h"
#include "soundgroups/ersetzbaum.h"
#include "soundgroups/lautgruppen.h"
#include "text/fehler.h"
#include "text/kleinschreibung.h"
#include "text/kodierung.h"
#include "text/kommatext.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace quandel;

using Zeile = std::array<std::string, 4>;
using SuchFunktion = SuchErgebnis (*)(SuchKontext&, const SuchEinstellungen&);

// The scan of the spoonerism looks at every pair of words; larger stocks skip it.
constexpr std::size_t kSchuettelScanBis = 300;

// The trees cannot hold a text that begins with byte 0xFF (ÿ, and Ÿ lowered), so a word that
// begins with it is no alliteration hit and a word that ends with it no end-rhyme hit.
bool ImBaum(std::string_view klein) {
    return !klein.empty() && static_cast<unsigned char>(klein.front()) != 0xFF;
}

std::string Umgekehrt(std::string_view text) {
    return {text.rbegin(), text.rend()};
}

std::set<std::string> Menge(const std::vector<std::string>& texte) {
    return {texte.begin(), texte.end()};
}

// The words whose lower-case form ends (or begins) with the form, by a scan.
std::set<std::string> Gescannt(const Lexikon& lexikon, const std::string& form, bool endung) {
    std::set<std::string> treffer;
    const std::string suchform = endung ? Umgekehrt(form) : form;
    if (!ImBaum(suchform))
        return treffer;
    const auto& klein = lexikon.Kleinwortliste();
    for (std::size_t i = 0; i < klein.size(); ++i) {
        const std::string wort = endung ? Umgekehrt(klein[i]) : std::string(klein[i]);
        if (ImBaum(wort) && wort.starts_with(suchform))
            treffer.insert(std::string(lexikon.Wortbestand()[i]));
    }
    return treffer;
}

// Every spoonerism by its definition: EndWort = front + EndTeil, StabWort = StabTeil + rest,
// Tauschwort = front + rest, all stock words and the four pairwise different.
std::set<Zeile> Schuettelreime(const Lexikon& lexikon, const std::string& suchwort,
                               const std::string& stabTeil, const std::string& endTeil) {
    std::set<Zeile> zeilen;
    if (stabTeil.empty() || endTeil.empty())
        return zeilen;
    const auto& klein = lexikon.Kleinwortliste();
    const auto& bestand = lexikon.Wortbestand();
    for (std::size_t e = 0; e < klein.size(); ++e) {
        if (!klein[e].ends_with(endTeil) || !ImBaum(Umgekehrt(klein[e])))
            continue;
        const std::string front(klein[e].substr(0, klein[e].size() - endTeil.size()));
        for (std::size_t s = 0; s < klein.size(); ++s) {
            if (!klein[s].starts_with(stabTeil) || !ImBaum(klein[s]))
                continue;
            const auto t = lexikon.WortNrVon(front + std::string(klein[s].substr(stabTeil.size())));
            if (!t)
                continue;
            const Zeile zeile{suchwort, std::string(bestand[static_cast<std::size_t>(*t)]),
                              std::string(bestand[e]), std::string(bestand[s])};
            if (std::set<std::string>(zeile.begin(), zeile.end()).size() == 4)
                zeilen.insert(zeile);
        }
    }
    return zeilen;
}

SuchErgebnis Suchen(SuchFunktion funktion, const Lexikon& lexikon, const std::string& suchtext,
                    bool akzentuirung = false) {
    static const Lautersetzung vorgabe(VorgabeLautgruppen());
    SuchKontext kontext(lexikon, vorgabe);
    SuchEinstellungen einstellungen;
    einstellungen.suchtext = suchtext;
    einstellungen.akzentuirung = akzentuirung;
    return funktion(kontext, einstellungen);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    const std::size_t zeilenende = std::min(text.find_first_of("\r\n"), text.size());
    std::string suchtext;
    Wortzeilen zeilen;
    try {
        suchtext = Cp1252AusUtf8(text.substr(0, zeilenende));
        zeilen = WortlisteAusText(text.substr(zeilenende), Kodierung::Utf8, "fuzz");
    } catch (const Fehler&) {
        return 0;
    }

    Lexikon lexikon;
    lexikon.LexikonAufbauen(std::move(zeilen), kVokalfeldVorgabe, {});
    const auto& klein = lexikon.Kleinwortliste();
    QUANDEL_PRUEFEN(klein.size() == lexikon.Wortbestand().size());
    for (std::size_t i = 0; i < klein.size(); ++i) {
        QUANDEL_PRUEFEN(klein[i] == Klein(lexikon.Wortbestand()[i]));
        QUANDEL_PRUEFEN(lexikon.WortNrVon(klein[i]) == static_cast<std::int32_t>(i));
    }

    const SuchErgebnis end = Suchen(EndreimSuchen, lexikon, suchtext);
    const SuchErgebnis stab = Suchen(StabreimSuchen, lexikon, suchtext);
    const SuchErgebnis lied = Suchen(LiedreimSuchen, lexikon, suchtext);
    const SuchErgebnis schuettel = Suchen(SchuettelreimSuchen, lexikon, suchtext);
    QUANDEL_PRUEFEN(schuettel.treffer.size() % 4 == 0);

    // The lexicon's image, taken over as from an index file, gives the same hits.
    const std::string_view abbild = lexikon.Abbild();
    std::vector<std::uint64_t> kopie(abbild.size() / 8);
    std::memcpy(kopie.data(), abbild.data(), abbild.size());
    Lexikon wiedergeladen;
    EreignisHaken haken;
    QUANDEL_PRUEFEN(wiedergeladen.AbbildUebernehmen(
        std::make_unique<EigenerSpeicher>(std::move(kopie)), {}, kVokalfeldVorgabe, haken));
    QUANDEL_PRUEFEN(Suchen(EndreimSuchen, wiedergeladen, suchtext).treffer == end.treffer);
    QUANDEL_PRUEFEN(Suchen(StabreimSuchen, wiedergeladen, suchtext).treffer == stab.treffer);
    QUANDEL_PRUEFEN(Suchen(LiedreimSuchen, wiedergeladen, suchtext).treffer == lied.treffer);
    QUANDEL_PRUEFEN(Suchen(SchuettelreimSuchen, wiedergeladen, suchtext).treffer ==
                    schuettel.treffer);
    for (const SuchErgebnis* ergebnis : {&end, &stab, &lied, &schuettel})
        QUANDEL_PRUEFEN((ergebnis->ausgang == Ausgang::Treffer) != ergebnis->treffer.empty());

    // With the default sound groups every search still runs through (a word with too many
    // sound variants is refused with Fehler).
    for (SuchFunktion funktion :
         {EndreimSuchen, StabreimSuchen, LiedreimSuchen, SchuettelreimSuchen}) {
        try {
            const SuchErgebnis ergebnis = Suchen(funktion, lexikon, suchtext, true);
            QUANDEL_PRUEFEN((ergebnis.ausgang == Ausgang::Treffer) != ergebnis.treffer.empty());
        } catch (const Fehler&) {
        }
    }

    // Without limit words the hits are exactly the words of the scan, each once.
    const std::vector<std::string> begriffe = KommatextTeilen(suchtext);
    if (begriffe.size() == 1) {
        const std::string form = Klein(begriffe[0]);
        QUANDEL_PRUEFEN(Menge(end.treffer).size() == end.treffer.size());
        QUANDEL_PRUEFEN(Menge(end.treffer) == Gescannt(lexikon, form, true));
        QUANDEL_PRUEFEN(Menge(stab.treffer).size() == stab.treffer.size());
        QUANDEL_PRUEFEN(Menge(stab.treffer) == Gescannt(lexikon, form, false));
    }

    // The spoonerism of one or two terms (without limit words). A front spelled like the
    // marker of empty fronts stands for the empty front, so such stocks are left out.
    bool marke = false;
    for (const std::string_view wort : klein)
        marke = marke || wort.find("xyz321") != std::string::npos;
    if (!marke && klein.size() <= kSchuettelScanBis &&
        (begriffe.size() == 1 || begriffe.size() == 2)) {
        const bool eins = begriffe.size() == 1;
        const std::string suchwort = eins ? suchtext : begriffe[0] + begriffe[1];
        const std::string stabTeil = Klein(eins ? suchtext.substr(0, 1) : begriffe[0]);
        const std::string endTeil =
            Klein(eins ? (suchtext.size() > 1 ? suchtext.substr(1) : "") : begriffe[1]);
        std::set<Zeile> gefunden;
        for (std::size_t i = 0; i + 3 < schuettel.treffer.size(); i += 4)
            gefunden.insert({schuettel.treffer[i], schuettel.treffer[i + 1],
                             schuettel.treffer[i + 2], schuettel.treffer[i + 3]});
        QUANDEL_PRUEFEN(gefunden == Schuettelreime(lexikon, suchwort, stabTeil, endTeil));
    }
    return 0;
}
