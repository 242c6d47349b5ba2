#include "search/begrenzung.h"
#include "search/trefferordnung.h"
#include "tests/testlexikon.h"

#include <gtest/gtest.h>

namespace quandel {
namespace {

using test::cp;
using test::utf8;
using Worte = std::vector<std::string>;

Worte geordnet(Worte worte, Richtung richtung) {
    for (auto& w : worte)
        w = cp(w);
    EreignisHaken haken;
    TrefferSortieren(worte, richtung, haken);
    return utf8(worte);
}

TEST(TrefferSortieren, ForwardAndByEndings) {
    EXPECT_EQ(geordnet({"Plane", "Kanne", "Lawine"}, Richtung::Vor),
              (Worte{"Kanne", "Lawine", "Plane"}));
    EXPECT_EQ(geordnet({"Kanne", "Lawine", "Plane"}, Richtung::Rueck),
              (Worte{"Plane", "Lawine", "Kanne"}));
    EXPECT_EQ(geordnet({"sehr", "Bär"}, Richtung::Rueck), (Worte{"Bär", "sehr"}));
    EXPECT_EQ(geordnet({"Weide", "beide", "Kreide"}, Richtung::Vor),
              (Worte{"beide", "Kreide", "Weide"}));
}

TEST(Begrenzung, PlusMinusAndRecords) {
    Apendix a{"x", "", 1}, b{"y", "", 1};
    TrefferListe treffer(Ordnung::Sortiert, Duplikate::Ignorieren);
    treffer.Hinzufuegen("Erbe", &a);
    treffer.Hinzufuegen(cp("härbe"), &b);
    treffer.Hinzufuegen("Kreide");
    TrefferListe plus;
    Begrenzung(treffer, {"rbe"}, BegrenzungsModus::Plus, Grenztest::Endet, plus);
    ASSERT_EQ(treffer.size(), 2u);
    EXPECT_EQ(treffer[0], "Erbe");
    EXPECT_EQ(treffer.ObjektVon(0), &a);
    EXPECT_EQ(treffer.ObjektVon(1), &b);

    TrefferListe minus(Ordnung::Sortiert, Duplikate::Ignorieren), leer;
    minus.Hinzufuegen("Erbe");
    minus.Hinzufuegen("Kreide");
    Begrenzung(minus, {"ERBE"}, BegrenzungsModus::Minus, Grenztest::Endet, leer, true);
    ASSERT_EQ(minus.size(), 1u);
    EXPECT_EQ(minus[0], "Kreide");

    TrefferListe anfang(Ordnung::Sortiert, Duplikate::Ignorieren), plus2;
    anfang.Hinzufuegen("Erbe");
    Begrenzung(anfang, {"Er"}, BegrenzungsModus::Plus, Grenztest::Beginnt, plus2);
    EXPECT_TRUE(anfang.empty()) << "limit words keep their capitals";
}

} // namespace
} // namespace quandel
