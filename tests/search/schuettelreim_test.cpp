#include "search/schuettelreim.h"
#include "tests/search/suche.h"
#include "text/kleinschreibung.h"
#include "text/kommatext.h"

#include <array>
#include <gtest/gtest.h>

namespace quandel {
namespace {

using test::cp;
using Zeile = std::array<std::string, 4>;

std::vector<Zeile> zeilen(const SuchErgebnis& ergebnis) {
    EXPECT_EQ(ergebnis.treffer.size() % 4, 0u);
    std::vector<Zeile> z;
    for (std::size_t i = 0; i + 3 < ergebnis.treffer.size(); i += 4)
        z.push_back({Utf8AusCp1252(ergebnis.treffer[i]), Utf8AusCp1252(ergebnis.treffer[i + 1]),
                     Utf8AusCp1252(ergebnis.treffer[i + 2]),
                     Utf8AusCp1252(ergebnis.treffer[i + 3])});
    return z;
}

SuchErgebnis schuettel(const std::string& text, BegrenzungsModus modus = BegrenzungsModus::Plus) {
    return test::suche(SchuettelreimSuchen, text, modus);
}

bool enthaelt(const std::vector<Zeile>& z, const Zeile& zeile) {
    return std::find(z.begin(), z.end(), zeile) != z.end();
}

// Every spoonerism by its definition, over all pairs of stock words: EndWort = front + a form
// of EndTeil, StabWort = StabTeil + rest, Tauschwort = front + rest, all four different.
std::set<Zeile> perDefinition(const std::string& suchwort, const std::string& stabTeil,
                              const std::string& endTeil) {
    const Lexikon& lex = test::EingebautesLexikon();
    const auto& klein = lex.Kleinwortliste();
    std::set<Zeile> erwartet;
    for (std::size_t e = 1; e < klein.size(); ++e) {
        if (!klein[e].ends_with(endTeil))
            continue;
        const std::string front(klein[e].substr(0, klein[e].size() - endTeil.size()));
        for (std::size_t s = 1; s < klein.size(); ++s) {
            if (!klein[s].starts_with(stabTeil))
                continue;
            const std::string rest(klein[s].substr(stabTeil.size()));
            const auto t = lex.WortNrVon(front + rest);
            if (!t)
                continue;
            const std::set<std::string_view> verschieden{
                suchwort, lex.Wortbestand()[*t], lex.Wortbestand()[e], lex.Wortbestand()[s]};
            if (verschieden.size() == 4)
                erwartet.insert({Utf8AusCp1252(suchwort), Utf8AusCp1252(lex.Wortbestand()[*t]),
                                 Utf8AusCp1252(lex.Wortbestand()[e]),
                                 Utf8AusCp1252(lex.Wortbestand()[s])});
        }
    }
    return erwartet;
}

TEST(SchuettelreimSuchen, ReimGivesRandLeimLandReim) {
    const SuchErgebnis r = schuettel("Reim");
    EXPECT_EQ(r.ausgang, Ausgang::Treffer);
    EXPECT_TRUE(r.ohneSortierung);
    const auto z = zeilen(r);
    EXPECT_TRUE(enthaelt(z, {"Reim", "Land", "Leim", "Rand"}));
    for (const Zeile& zeile : z)
        EXPECT_NE(zeile[1], zeile[2]) << "Tauschwort equal to EndWort must be dropped";
    EXPECT_EQ(r.suchdauer.rfind("Suchdauer = Std 0 - Min 0 - Sek ", 0), 0u) << r.suchdauer;
}

TEST(SchuettelreimSuchen, RowsAreExactlyTheSpoonerismsEachOnce) {
    for (const auto& [text, stab, end] :
         std::vector<std::array<std::string, 3>>{{"Reim", "r", "eim"},
                                                 {"Schw ein", "schw", "ein"},
                                                 {"st erbe", "st", "erbe"},
                                                 {"H emd", "h", "emd"},
                                                 {"Dr ucker", "dr", "ucker"},
                                                 {"Schr ank", "schr", "ank"},
                                                 {"Peter", "p", "eter"}}) {
        const auto z = zeilen(schuettel(text));
        const std::set<Zeile> gefunden(z.begin(), z.end());
        EXPECT_EQ(gefunden.size(), z.size()) << text << ": a row is listed twice";
        const auto begriffe = KommatextTeilen(cp(text));
        const std::string suchwort = begriffe.size() == 1 ? cp(text) : begriffe[0] + begriffe[1];
        EXPECT_EQ(gefunden, perDefinition(suchwort, cp(stab), cp(end))) << text;
    }
}

TEST(SchuettelreimSuchen, SoundVariantsAddRows) {
    const Lexikon& lex = test::EingebautesLexikon();
    for (const char* text : {"Reim", "Schw ein", "st erbe", "H emd", "Dr ucker", "Schr ank"}) {
        const auto ohne = zeilen(schuettel(text));
        const auto mit = zeilen(test::suche(SchuettelreimSuchen, text, BegrenzungsModus::Plus,
                                            "a,e,i,o,u,ä,ö,ü", true));
        for (const Zeile& zeile : ohne)
            EXPECT_TRUE(enthaelt(mit, zeile)) << text << ": " << zeile[1] << " lost";
        for (const Zeile& zeile : mit) {
            for (std::size_t i = 1; i < 4; ++i)
                EXPECT_TRUE(lex.WortNrVon(Klein(cp(zeile[i])))) << zeile[i];
            EXPECT_EQ(std::set<std::string>(zeile.begin(), zeile.end()).size(), 4u);
        }
    }
    const auto reim = zeilen(
        test::suche(SchuettelreimSuchen, "Reim", BegrenzungsModus::Plus, "a,e,i,o,u,ä,ö,ü", true));
    EXPECT_TRUE(enthaelt(reim, {"Reim", "beide", "beim", "Räude"}));
    EXPECT_TRUE(enthaelt(reim, {"Reim", "bete", "beim", "rette"}));
}

// Pieces of stock words are not typed text: one with too many variants keeps only itself.
TEST(SchuettelreimSuchen, PiecesWithTooManyVariantsKeepThemselves) {
    Lautgruppe riesig{"E-Laute", {"e"}};
    for (char a = 'a'; a < 'x'; ++a)
        for (char b = 'a'; b < 'c'; ++b)
            riesig.mitglieder.push_back({'e', a, b}); // 46 spellings besides "e"
    const Lautersetzung ersetzung({riesig});
    SuchKontext kontext(test::EingebautesLexikon(), ersetzung);
    SuchEinstellungen einstellungen;
    // A rest with three e, such as "ebellen" of "Rebellen", has 47 * 47 * 47 forms.
    einstellungen.suchtext = "Reim";
    einstellungen.akzentuirung = true;
    const auto mit = zeilen(SchuettelreimSuchen(kontext, einstellungen));
    for (const Zeile& zeile : zeilen(schuettel("Reim")))
        EXPECT_TRUE(enthaelt(mit, zeile)) << zeile[1];
}

TEST(SchuettelreimSuchen, WordsBeginningWithYDiaeresisAreStockWords) {
    // Words beginning with "ÿ" (0xFF) are in the lower-case list like every other word; the
    // forward tree cannot hold them, so the pairing must not ask it.
    Lexikon lex;
    EreignisHaken haken;
    lex.LexikonAufbauen({cp("Reim"), cp("Rand"), cp("ÿeim"), cp("ÿand")}, kVokalfeldVorgabe, haken);
    SuchKontext kontext(lex, test::VorgabeLautersetzung());
    SuchEinstellungen einstellungen;
    einstellungen.suchtext = "Reim";
    const auto z = zeilen(SchuettelreimSuchen(kontext, einstellungen));
    EXPECT_EQ(z, (std::vector<Zeile>{{"Reim", "ÿand", "ÿeim", "Rand"}}));
}

TEST(SchuettelreimSuchen, SearchWordAsTyped) {
    const auto schwein = zeilen(schuettel("Schw ein"));
    ASSERT_FALSE(schwein.empty());
    for (const Zeile& zeile : schwein)
        EXPECT_EQ(zeile[0], "Schwein");

    // The term is shown as typed and compared exactly; the rows themselves do not change.
    auto klein = zeilen(schuettel("reim"));
    const auto gross = zeilen(schuettel("Reim"));
    ASSERT_EQ(klein.size(), gross.size());
    for (std::size_t i = 0; i < klein.size(); ++i) {
        EXPECT_EQ(klein[i][0], "reim");
        klein[i][0] = "Reim";
        EXPECT_EQ(klein[i], gross[i]);
    }
}

TEST(SchuettelreimSuchen, NothingToSplit) {
    EXPECT_EQ(schuettel("").ausgang, Ausgang::NichtGesucht);
    EXPECT_EQ(schuettel("R").ausgang, Ausgang::KeinEintrag);
    EXPECT_EQ(schuettel(",eim").ausgang, Ausgang::KeinEintrag);
    EXPECT_EQ(schuettel("   ").ausgang, Ausgang::KeinEintrag);
    EXPECT_EQ(schuettel(" Reim").ausgang, Ausgang::KeinEintrag);
}

TEST(SchuettelreimSuchen, LimitWordsFromTheThirdTerm) {
    const auto alle = zeilen(schuettel("r eim"));
    const auto plus = zeilen(schuettel("r eim leim"));
    const auto minus = zeilen(schuettel("r eim LEIM", BegrenzungsModus::Minus));
    ASSERT_FALSE(plus.empty());
    ASSERT_FALSE(minus.empty());
    for (const Zeile& z : plus)
        EXPECT_TRUE(Klein(cp(z[2])).ends_with("leim")) << z[2];
    for (const Zeile& z : minus)
        EXPECT_FALSE(Klein(cp(z[2])).ends_with("leim")) << z[2];
    EXPECT_EQ(plus.size() + minus.size(), alle.size());
    EXPECT_EQ(schuettel("r eim xleim").ausgang, Ausgang::KeinEintrag);
}

TEST(SchuettelreimSuchen, AbortKeepsTheRowsFoundSoFar) {
    const auto alle = zeilen(schuettel("Reim"));
    SuchKontext kontext(test::EingebautesLexikon(), test::VorgabeLautersetzung());
    std::uint64_t gemeldet = 0;
    kontext.fortschritt = [&](std::uint64_t erledigt, std::uint64_t gesamt) {
        gemeldet = gesamt;
        if (erledigt > 0)
            kontext.AbbruchFlag = true; // after the first front
    };
    SuchEinstellungen einstellungen;
    einstellungen.suchtext = "Reim";
    kontext.AbbruchFlag = true; // left over from an earlier press: the search resets it
    const SuchErgebnis r = SchuettelreimSuchen(kontext, einstellungen);
    EXPECT_TRUE(r.abgebrochen);
    EXPECT_EQ(r.suchdauer, "Suchdauer = Abgebrochen");
    EXPECT_GT(gemeldet, 0u);
    const auto teil = zeilen(r);
    ASSERT_LT(teil.size(), alle.size());
    EXPECT_TRUE(std::equal(teil.begin(), teil.end(), alle.begin())) << "not a prefix of all rows";
}

TEST(SchuettelreimSuchen, RowsGoToTheSinkAsFound) {
    const auto alle = zeilen(schuettel("Reim"));
    ASSERT_GT(alle.size(), 2u);
    SuchKontext kontext(test::EingebautesLexikon(), test::VorgabeLautersetzung());
    std::vector<Zeile> gereicht;
    kontext.SchuettelZeile = [&](const std::array<std::string_view, 4>& z) {
        gereicht.push_back(
            {Utf8AusCp1252(z[0]), Utf8AusCp1252(z[1]), Utf8AusCp1252(z[2]), Utf8AusCp1252(z[3])});
        return true;
    };
    SuchEinstellungen einstellungen;
    einstellungen.suchtext = "Reim";
    const SuchErgebnis r = SchuettelreimSuchen(kontext, einstellungen);
    EXPECT_EQ(r.ausgang, Ausgang::Treffer);
    EXPECT_TRUE(r.treffer.empty()) << "the rows are not collected as well";
    EXPECT_EQ(gereicht, alle);

    // A sink that wants no more stops the search like Ctrl+C.
    gereicht.clear();
    kontext.SchuettelZeile = [&](const std::array<std::string_view, 4>&) {
        gereicht.push_back({});
        return gereicht.size() < 2;
    };
    EXPECT_TRUE(SchuettelreimSuchen(kontext, einstellungen).abgebrochen);
    EXPECT_EQ(gereicht.size(), 2u);
}

TEST(SuchdauerText, HoursMinutesSeconds) {
    EXPECT_EQ(SuchdauerText(3700.5), "Suchdauer = Std 1 - Min 1 - Sek 40");
    EXPECT_EQ(SuchdauerText(67.9), "Suchdauer = Std 0 - Min 1 - Sek 7");
    EXPECT_EQ(SuchdauerText(0.0), "Suchdauer = Std 0 - Min 0 - Sek 0");
}

} // namespace
} // namespace quandel
