#include "tests/search/suche.h"
#include "text/kleinschreibung.h"

#include <gtest/gtest.h>

namespace quandel {
namespace {

using test::cp;
using test::menge;

std::set<std::string> beginnend(const std::string& anfang) {
    const Lexikon& lex = test::EingebautesLexikon();
    std::vector<std::string> treffer;
    for (std::size_t i = 1; i < lex.Wortbestand().size(); ++i)
        if (lex.Kleinwortliste()[i].starts_with(cp(anfang)))
            treffer.emplace_back(lex.Wortbestand()[i]);
    return menge(treffer);
}

SuchErgebnis stab(const std::string& text, BegrenzungsModus modus = BegrenzungsModus::Plus) {
    return test::suche(StabreimSuchen, text, modus);
}

TEST(StabreimSuchen, Beginnings) {
    const auto sch = beginnend("sch");
    for (const char* w : {"Schlange", "schlichtet", "Schuppe"})
        EXPECT_EQ(sch.count(w), 1u) << w;
    EXPECT_EQ(menge(stab("sch").treffer), sch);
    EXPECT_EQ(menge(stab("SCH").treffer), sch);
    EXPECT_EQ(menge(stab("Schlange").treffer), (std::set<std::string>{"Schlange", "Schlangen"}));
    EXPECT_EQ(menge(stab("Ärger").treffer).count("Ärger"), 1u);
}

TEST(StabreimSuchen, SoundVariantsAreBeginningsToo) {
    std::set<std::string> erwartet = beginnend("b");
    for (const std::string& w : beginnend("p"))
        erwartet.insert(w);
    const SuchErgebnis r =
        test::suche(StabreimSuchen, "b", BegrenzungsModus::Plus, "a,e,i,o,u,ä,ö,ü", true);
    EXPECT_EQ(menge(r.treffer), erwartet);
}

TEST(StabreimSuchen, LimitWordsTestTheBeginning) {
    EXPECT_EQ(menge(stab("sch,schl").treffer), beginnend("schl"));
    std::set<std::string> ohne = beginnend("sch");
    for (const std::string& w : beginnend("schl"))
        ohne.erase(w);
    EXPECT_EQ(menge(stab("sch,schl", BegrenzungsModus::Minus).treffer), ohne);
    EXPECT_EQ(stab("sch,e").ausgang, Ausgang::KeinEintrag);
    EXPECT_EQ(stab(",").ausgang, Ausgang::KeinEintrag);
    EXPECT_EQ(stab("  ").ausgang, Ausgang::NichtGesucht);
}

} // namespace
} // namespace quandel
