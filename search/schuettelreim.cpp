#include "search/schuettelreim.h"

#include "search/abfragen.h"
#include "search/begrenzung.h"
#include "search/suchen.h"
#include "soundgroups/suchformen.h"
#include "text/kleinschreibung.h"
#include "text/kommatext.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <optional>
#include <string_view>
#include <unordered_map>

namespace quandel {

std::string SuchdauerText(double sekunden) {
    float t = static_cast<float>(sekunden);
    const auto h = static_cast<long>(t * (1.0f / 3600.0f));
    t -= 3600.0f * static_cast<float>(h);
    const auto m = static_cast<long>(t * (1.0f / 60.0f));
    t -= 60.0f * static_cast<float>(m);
    const auto s = static_cast<long>(t);
    return "Suchdauer = Std " + std::to_string(h) + " - Min " + std::to_string(m) + " - Sek " +
           std::to_string(s);
}

namespace {

// The search term in its parts: "Reim" -> r + eim, "Schw ein" -> schw + ein (Schwein).
struct Suchteile {
    std::string suchwort;
    std::string stabTeil;
    std::string endTeil;
};

Suchteile teilen(const std::string& suchtext, const std::vector<std::string>& begriffe) {
    Suchteile teile;
    if (begriffe.size() == 1) {
        teile.suchwort = suchtext;
        teile.stabTeil = suchtext.substr(0, 1);
        teile.endTeil = suchtext.size() > 1 ? suchtext.substr(1) : std::string();
    } else if (begriffe.size() >= 2) {
        teile.stabTeil = begriffe[0];
        teile.endTeil = begriffe[1];
        teile.suchwort = begriffe[0] + begriffe[1];
    }
    KleinInPlace(teile.stabTeil);
    KleinInPlace(teile.endTeil);
    return teile;
}

// Adds the sound variants of every entry that some stock word ends with; empty entries go.
// These entries are pieces of stock words, not typed text: a piece with too many variants
// keeps only itself rather than failing the search.
void variantenHinzufuegen(SuchKontext& kontext, Suchlisten& listen, TrefferListe& liste) {
    const Lexikon& lexikon = kontext.lexikon();
    TrefferListe varianten(Ordnung::Sortiert, Duplikate::Akzeptieren);
    LeereEintraegeEntfernen(liste);
    for (const auto& eintrag : liste) {
        try {
            kontext.SuchformenFuellen(listen, eintrag.text, true);
        } catch (const ZuVieleLautvarianten&) {
            // Suchformen stays empty: the piece has no variants.
        }
        for (const auto& v : listen.Suchformen)
            if (v.text != eintrag.text && EndungVorhanden(lexikon, v.text))
                varianten.Sammeln(v.text, eintrag.objekt);
        listen.Suchformen.Leeren();
        kontext.haken();
    }
    varianten.Einordnen();
    for (const auto& v : varianten)
        liste.Sammeln(v.text, v.objekt, v.schluessel);
    liste.Einordnen();
}

// Pairs every front (UniqueEnd) with every rest (UniqueStab) and keeps the rows whose four
// words are stock words and pairwise different. A stock word is an entry of the lower-case
// list. Instead of looking up front + rest for every pair, the entries that begin with a front
// are read from that list in byte order and their rests matched against the rests of
// UniqueStab; the rows come out in the same order, front by front and within a front in the
// order of UniqueStab.
class Paarung {
public:
    Paarung(SuchKontext& kontext, TrefferListe& schuettelTreffer, std::string suchwort)
        : kontext_(kontext), lexikon_(kontext.lexikon()), schuettelTreffer_(schuettelTreffer),
          suchwort_(std::move(suchwort)) {}

    // Returns false when aborted.
    bool paaren(TrefferListe& uniqueEnd, const TrefferListe& uniqueStab) {
        const std::size_t stabAnzahl = uniqueStab.size();
        const std::uint64_t gesamt = static_cast<std::uint64_t>(uniqueEnd.size()) * stabAnzahl;
        std::uint64_t erledigt = 0;
        melden(0, gesamt);

        // StabWort depends on the rest alone, EndWort on the front alone.
        std::vector<std::optional<std::string_view>> stabWorte;
        std::vector<std::string> restKlein;
        std::unordered_map<std::string, std::vector<std::size_t>> restStellen;
        for (std::size_t s = 0; s < stabAnzahl; ++s) {
            const Apendix& r = *uniqueStab.ObjektVon(s);
            stabWorte.push_back(gespeichert(r.Suchform + r.Zusatz));
            restKlein.push_back(Klein(uniqueStab[s]));
            restStellen[restKlein.back()].push_back(s);
        }
        nachBytesOrdnen();

        std::vector<std::pair<std::size_t, std::int32_t>> passend; // rest index, Tauschwort
        for (std::size_t e = 0; e < uniqueEnd.size(); ++e) {
            if (kontext_.AbbruchFlag)
                break;
            if (uniqueEnd[e] == kLeermarke)
                uniqueEnd.TextSetzen(e, std::string());
            const std::string& front = uniqueEnd[e];
            const Apendix& endRecord = *uniqueEnd.ObjektVon(e);
            const std::optional<std::string_view> endWort =
                gespeichert(endRecord.Zusatz + endRecord.Suchform);
            passend.clear();
            if (endWort && !tauschwoerterSuchen(front, restKlein, restStellen, passend))
                break;
            std::sort(passend.begin(), passend.end());
            for (const auto& [s, nr] : passend) {
                if (!behalten({suchwort_, lexikon_.Wortbestand()[static_cast<std::size_t>(nr)],
                               endWort, stabWorte[s]})) {
                    kontext_.AbbruchFlag = true;
                    break;
                }
            }
            erledigt += stabAnzahl;
            melden(erledigt, gesamt);
            kontext_.haken();
        }
        return !kontext_.AbbruchFlag;
    }

    std::size_t zeilen() const { return zeilen_; }

private:
    // The numbers of the lower-case list ordered by the bytes of their entries, so that the
    // entries beginning with a text stand together.
    void nachBytesOrdnen() {
        const auto& klein = lexikon_.Kleinwortliste();
        nachBytes_.resize(klein.size());
        for (std::size_t i = 0; i < klein.size(); ++i)
            nachBytes_[i] = static_cast<std::int32_t>(i);
        std::sort(nachBytes_.begin(), nachBytes_.end(), [&klein](std::int32_t a, std::int32_t b) {
            return klein[static_cast<std::size_t>(a)] < klein[static_cast<std::size_t>(b)];
        });
    }

    // Every rest r with front + r a stock word, as (rest index, word number). False on abort.
    bool
    tauschwoerterSuchen(const std::string& front, const std::vector<std::string>& restKlein,
                        const std::unordered_map<std::string, std::vector<std::size_t>>& stellen,
                        std::vector<std::pair<std::size_t, std::int32_t>>& passend) {
        if (front.empty()) {
            for (std::size_t s = 0; s < restKlein.size(); ++s) {
                if (const auto nr = lexikon_.WortNrVon(restKlein[s]))
                    passend.emplace_back(s, *nr);
                kontext_.haken();
                if (kontext_.AbbruchFlag)
                    return false;
            }
            return true;
        }
        const auto& klein = lexikon_.Kleinwortliste();
        auto nr = std::lower_bound(nachBytes_.begin(), nachBytes_.end(), front,
                                   [&klein](std::int32_t n, const std::string& text) {
                                       return klein[static_cast<std::size_t>(n)] < text;
                                   });
        for (; nr != nachBytes_.end(); ++nr) {
            const std::string_view wort = klein[static_cast<std::size_t>(*nr)];
            if (!wort.starts_with(front))
                break;
            const auto gefunden = stellen.find(std::string(wort.substr(front.size())));
            if (gefunden != stellen.end())
                for (std::size_t s : gefunden->second)
                    passend.emplace_back(s, *nr);
        }
        return true;
    }

    // The stored form of a stock word (found by its lower-case form), or nullopt.
    std::optional<std::string_view> gespeichert(const std::string& wort) const {
        const auto nr = lexikon_.WortNrVon(Klein(wort));
        if (!nr)
            return std::nullopt;
        return lexikon_.Wortbestand()[static_cast<std::size_t>(*nr)];
    }

    // A row stays when all four words are stock words and pairwise different (exactly). It
    // goes to the row sink when there is one, else to SchuettelTreffer; false when the sink
    // wants no more.
    bool behalten(const std::array<std::optional<std::string_view>, 4>& zeile) {
        for (std::size_t i = 0; i < 4; ++i) {
            if (!zeile[i] || *zeile[i] == " ")
                return true;
            for (std::size_t j = 0; j < i; ++j)
                if (*zeile[i] == *zeile[j])
                    return true;
        }
        ++zeilen_;
        if (kontext_.SchuettelZeile)
            return kontext_.SchuettelZeile({*zeile[0], *zeile[1], *zeile[2], *zeile[3]});
        for (const auto& wort : zeile)
            schuettelTreffer_.Sammeln(std::string(*wort));
        return true;
    }

    void melden(std::uint64_t erledigt, std::uint64_t gesamt) {
        if (kontext_.fortschritt)
            kontext_.fortschritt(erledigt, gesamt);
    }

    SuchKontext& kontext_;
    const Lexikon& lexikon_;
    TrefferListe& schuettelTreffer_;
    std::string suchwort_;
    std::vector<std::int32_t> nachBytes_;
    std::size_t zeilen_ = 0;
};

} // namespace

namespace {

// The stock words beginning with the forms of StabTeil and ending with those of EndTeil, the
// latter limited by the words after the search word.
void teileSuchen(SuchKontext& kontext, const SuchEinstellungen& einstellungen,
                 const Suchteile& teile, Suchlisten& listen) {
    const Lexikon& lexikon = kontext.lexikon();
    const bool varianten = einstellungen.akzentuirung;
    kontext.SuchformenFuellen(listen, teile.stabTeil, varianten);
    for (const auto& form : listen.Suchformen)
        AnfangSuchen(lexikon, form.text, teile.stabTeil, listen.StabTreffer, listen.Apendixliste);
    listen.Suchformen.Leeren();

    kontext.SuchformenFuellen(listen, teile.endTeil, varianten);
    for (const auto& form : listen.Suchformen)
        EndungSuchen(lexikon, form.text, teile.endTeil, listen.EndTreffer, listen.Apendixliste);
    listen.Suchformen.Leeren();

    if (!listen.EndTreffer.empty())
        Begrenzung(listen.EndTreffer, Grenzworte(listen.Suchbegriffe, 2), einstellungen.begrenzung,
                   Grenztest::Endet, listen.PlusTreffer, true);
}

// The fronts of the end hits (the word before its ending) and the rests of the alliteration
// hits (the word after its beginning), each with a record of its own.
void frontenUndResteSammeln(Suchlisten& listen, TrefferListe& uniqueEnd, TrefferListe& uniqueStab) {
    for (const auto& eintrag : listen.EndTreffer) {
        const Apendix& r = *eintrag.objekt;
        const std::size_t frontLaenge = eintrag.text.size() - static_cast<std::size_t>(r.Laenge);
        listen.Apendixliste.push_back(r);
        uniqueEnd.Sammeln(Klein(eintrag.text.substr(0, frontLaenge)), &listen.Apendixliste.back());
    }
    uniqueEnd.Einordnen();
    for (const auto& eintrag : listen.StabTreffer) {
        const Apendix& r = *eintrag.objekt;
        std::string rest = eintrag.text.substr(static_cast<std::size_t>(r.Laenge));
        Apendix& neu = listen.Apendixliste.emplace_back(Apendix{r.Suchform, rest, r.Laenge});
        uniqueStab.Sammeln(std::move(rest), &neu);
    }
    uniqueStab.Einordnen();
}

// Readies the fronts and rests for the pairing: the fronts carry themselves as Zusatz, the
// sound variants join with Akzent, and every form of EndTeil that is a word of its own comes
// in as a Leermarke entry.
void fuerPaarungVorbereiten(SuchKontext& kontext, Suchlisten& listen, bool varianten,
                            TrefferListe& uniqueEnd, TrefferListe& uniqueStab) {
    const Lexikon& lexikon = kontext.lexikon();
    // Taken before the empty fronts go, so that a form found only as itself keeps its rows.
    StringListe<> endformWoerter(Ordnung::Sortiert, Duplikate::Ignorieren);
    for (const auto& eintrag : uniqueEnd)
        if (const auto nr = lexikon.WortNrVon(Klein(eintrag.objekt->Suchform)))
            endformWoerter.Sammeln(
                std::string(lexikon.Wortbestand()[static_cast<std::size_t>(*nr)]));
    endformWoerter.Einordnen();

    // An empty front gives the same rows as the Leermarke entry of its form, so it goes.
    for (const auto& eintrag : uniqueEnd)
        eintrag.objekt->Zusatz = eintrag.text;
    if (varianten) {
        variantenHinzufuegen(kontext, listen, uniqueStab);
        variantenHinzufuegen(kontext, listen, uniqueEnd);
    } else {
        LeereEintraegeEntfernen(uniqueEnd);
    }

    for (const auto& x : endformWoerter) {
        Apendix& leer = listen.Apendixliste.emplace_back(
            Apendix{Klein(x.text), "", static_cast<std::int32_t>(x.text.size())});
        uniqueEnd.Sammeln(kLeermarke, &leer);
    }
    uniqueEnd.Einordnen();
}

} // namespace

SuchErgebnis SchuettelreimSuchen(SuchKontext& kontext, const SuchEinstellungen& einstellungen) {
    const auto beginn = std::chrono::steady_clock::now();
    SuchErgebnis ergebnis;
    ergebnis.ohneSortierung = true;
    kontext.AbbruchFlag = false;
    if (einstellungen.suchtext.empty())
        return ergebnis;

    Suchlisten listen;
    const std::vector<std::string> begriffe = KommatextTeilen(einstellungen.suchtext);
    for (const std::string& begriff : begriffe)
        listen.Suchbegriffe.Hinzufuegen(begriff);
    const Suchteile teile = teilen(einstellungen.suchtext, begriffe);
    teileSuchen(kontext, einstellungen, teile, listen);

    ergebnis.ausgang = Ausgang::KeinEintrag;
    if (listen.StabTreffer.empty() || listen.EndTreffer.empty())
        return ergebnis;

    TrefferListe uniqueEnd(Ordnung::Sortiert, Duplikate::Akzeptieren);
    TrefferListe uniqueStab(Ordnung::Sortiert, Duplikate::Akzeptieren);
    frontenUndResteSammeln(listen, uniqueEnd, uniqueStab);
    fuerPaarungVorbereiten(kontext, listen, einstellungen.akzentuirung, uniqueEnd, uniqueStab);

    Paarung paarung(kontext, listen.SchuettelTreffer, teile.suchwort);
    ergebnis.abgebrochen = !paarung.paaren(uniqueEnd, uniqueStab);
    ergebnis.treffer = Texte(listen.SchuettelTreffer);
    ergebnis.ausgang = paarung.zeilen() == 0 ? Ausgang::KeinEintrag : Ausgang::Treffer;
    const std::chrono::duration<double> dauer = std::chrono::steady_clock::now() - beginn;
    ergebnis.suchdauer =
        ergebnis.abgebrochen ? "Suchdauer = Abgebrochen" : SuchdauerText(dauer.count());
    return ergebnis;
}

} // namespace quandel
