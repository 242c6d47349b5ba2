#include "text/kodierung.h"
#include "text/stringliste.h"

#include <gtest/gtest.h>

namespace quandel {
namespace {

std::vector<std::string> texte(const StringListe<int>& liste) {
    std::vector<std::string> t;
    for (const auto& e : liste)
        t.push_back(Utf8AusCp1252(e.text));
    return t;
}

TEST(Kollation, GermanOrderIgnoringCase) {
    const Kollator& k = Kollator::Deutsch();
    EXPECT_EQ(k.Vergleichen("UND", "und"), 0);
    EXPECT_EQ(k.Vergleichen(Cp1252AusUtf8("BÄR"), Cp1252AusUtf8("bär")), 0);
    EXPECT_LT(k.Vergleichen("Bar", Cp1252AusUtf8("Bär")), 0);
    EXPECT_LT(k.Vergleichen(Cp1252AusUtf8("Bär"), "Bart"), 0);
    EXPECT_LT(k.Vergleichen("", "a"), 0);
    EXPECT_NE(k.Vergleichen(Cp1252AusUtf8("daß"), "dass"), 0);
}

TEST(StringListe, VowelFieldDefaultSortsAsGermanAlphabet) {
    StringListe<int> liste(Ordnung::Sortiert, Duplikate::Akzeptieren);
    for (const char* v : {"a", "e", "i", "o", "u", "ä", "ö", "ü"})
        liste.Hinzufuegen(Cp1252AusUtf8(v));
    EXPECT_EQ(texte(liste), (std::vector<std::string>{"a", "ä", "e", "i", "o", "ö", "u", "ü"}));
}

TEST(StringListe, DuplicatesIgnoredYieldThePresentIndex) {
    StringListe<int> liste(Ordnung::Sortiert, Duplikate::Ignorieren);
    int eins = 1, zwei = 2;
    EXPECT_EQ(liste.Hinzufuegen("UND", &eins), 0u);
    EXPECT_EQ(liste.Hinzufuegen("die"), 0u);
    EXPECT_EQ(liste.Hinzufuegen("und", &zwei), 1u); // "die" < "UND"
    EXPECT_EQ(liste.size(), 2u);
    EXPECT_EQ(liste[1], "UND");
    EXPECT_EQ(liste.ObjektVon(1), &eins); // the caller decides whether to replace it
    EXPECT_EQ(liste.IndexVon("Und"), 1u);
    EXPECT_FALSE(liste.IndexVon("das").has_value());
}

TEST(StringListe, DuplicatesAcceptedGoBeforeTheEqualOnes) {
    StringListe<int> liste(Ordnung::Sortiert, Duplikate::Akzeptieren);
    int a = 1, b = 2, c = 3;
    liste.Hinzufuegen("eim", &a);
    liste.Hinzufuegen("and", &b);
    liste.Hinzufuegen("EIM", &c);
    ASSERT_EQ(liste.size(), 3u);
    EXPECT_EQ(liste.ObjektVon(0), &b);
    EXPECT_EQ(liste.ObjektVon(1), &c);
    EXPECT_EQ(liste.ObjektVon(2), &a);
}

// Collecting in bulk must give exactly what adding one by one gives.
TEST(StringListe, SammelnEqualsAddingOneByOne) {
    const std::vector<std::string> worte{"Reim", "leim", "Land", "REIM",
                                         "",     "land", "Rand", "reim"};
    for (Duplikate d : {Duplikate::Ignorieren, Duplikate::Akzeptieren}) {
        std::vector<int> objekte(worte.size());
        StringListe<int> einzeln(Ordnung::Sortiert, d);
        StringListe<int> gesammelt(Ordnung::Sortiert, d);
        einzeln.Hinzufuegen("Lein");
        gesammelt.Hinzufuegen("Lein");
        for (std::size_t i = 0; i < worte.size(); ++i) {
            const std::size_t stelle = einzeln.Hinzufuegen(worte[i], &objekte[i]);
            if (d == Duplikate::Ignorieren)
                einzeln.ObjektSetzen(stelle, &objekte[i]);
            gesammelt.Sammeln(worte[i], &objekte[i]);
        }
        gesammelt.Einordnen();
        ASSERT_EQ(einzeln.size(), gesammelt.size());
        for (std::size_t i = 0; i < einzeln.size(); ++i) {
            EXPECT_EQ(einzeln[i], gesammelt[i]) << i;
            EXPECT_EQ(einzeln.ObjektVon(i), gesammelt.ObjektVon(i)) << i;
        }
    }
}

TEST(StringListe, UnsortedKeepsOrderAndDuplicates) {
    StringListe<int> liste;
    liste.Hinzufuegen("b");
    liste.Hinzufuegen("a");
    liste.Sammeln("b");
    EXPECT_EQ(texte(liste), (std::vector<std::string>{"b", "a", "b"}));
    EXPECT_EQ(liste.IndexVon("A"), 1u);
    liste.Loeschen(0);
    EXPECT_EQ(texte(liste), (std::vector<std::string>{"a", "b"}));
}

} // namespace
} // namespace quandel
