// The word-class table: listed forms, forms derived from their base, and the nouns left out of
// the table because they are derived anyway.
#include "meaning/wortartentabelle.h"
#include "tests/testlexikon.h"

#include <gtest/gtest.h>

namespace quandel {
namespace {

using test::cp;

constexpr Wortarten N = Wortart::Nomen;
constexpr Wortarten V = Wortart::Verb;
constexpr Wortarten A = Wortart::Adjektiv;
constexpr Wortarten D = Wortart::Adverb;
constexpr Wortarten O = Wortart::Andere;

const std::vector<Wortform>& quelle() {
    static const std::vector<Wortform> formen = [] {
        const std::vector<std::pair<const char*, Wortarten>> liste{
            {"Schmerz", N},      {"Wohnung", N},     {"Kummer", N},
            {"Liebeskummer", N}, {"Suppe", N},       {"Aalsuppe", N},
            {"Aalsuppen", N},    {"Gram", N},        {"Bahnhof", N},
            {"Hof", N},          {"Eisenbahn", N},   {"Laufen", N | V},
            {"scherzen", V},     {"verscherzen", V}, {"wandern", V},
            {"lächeln", V},      {"abmachen", V},    {"aufnehmen", V},
            {"räumen", V},       {"abräumen", V},    {"reden", V},
            {"lief", V},         {"verwahren", V},   {"studieren", V},
            {"schön", A},        {"leise", A},       {"laufend", V | A | D},
            {"dein", O},         {"oder", O},        {"weg", D},
            {"Weg", N},          {"vor allem", D},   {"rasch", A | D}};
        std::vector<Wortform> ergebnis;
        for (const auto& [form, arten] : liste)
            ergebnis.push_back({cp(form), arten});
        return ergebnis;
    }();
    return formen;
}

const WortartenDaten& daten() {
    static const WortartenDaten gebaut = WortartenTabelleBauen(quelle());
    return gebaut;
}

Wortarten von(const std::string& wort) {
    return daten().Tabelle().Von(cp(wort));
}

TEST(Wortartentabelle, ListedFormsAsWritten) {
    EXPECT_EQ(von("Schmerz"), N);
    EXPECT_EQ(von("laufend"), V | A | D);
    EXPECT_EQ(von("vor allem"), D);
    EXPECT_EQ(von("Weg"), N);
    EXPECT_EQ(von("weg"), D);
    EXPECT_EQ(von("rasch"), A | D);
    EXPECT_EQ(von("Xyzzy"), Wortarten());
    EXPECT_EQ(von(""), Wortarten());
    // A capitalised word not listed is taken as its lower-case form.
    EXPECT_EQ(von("Oder"), O);
    EXPECT_EQ(von("Rasch"), A | D);
    EXPECT_EQ(von("WEG"), D);
}

TEST(Wortartentabelle, NounsFromTheirBaseOrTheirLastMember) {
    EXPECT_EQ(von("Wohnungen"), N);
    EXPECT_EQ(von("Schmerzes"), N);
    EXPECT_EQ(von("Herzschmerz"), N);
    EXPECT_EQ(von("Herzschmerzen"), N);
    EXPECT_EQ(von("Bahn-Suppe"), N);
    // The last member needs four letters and a front of two.
    EXPECT_EQ(von("Gutshof"), Wortarten());
    EXPECT_EQ(von("Xschmerz"), Wortarten());
    // Lower case is no noun.
    EXPECT_EQ(von("herzschmerz"), Wortarten());
}

TEST(Wortartentabelle, VerbFormsFromTheInfinitive) {
    for (const char* form :
         {"verscherz", "verscherze", "verscherzt", "verscherzend", "scherzest", "gescherzt",
          "wandert", "lächelst", "abgemacht", "aufzunehmen", "liefen", "liefst"})
        EXPECT_EQ(von(form), V) << form;
    // Past and declined participle in one: "die verscherzte Gunst".
    EXPECT_EQ(von("verscherzte"), V | A);
    EXPECT_EQ(von("verscherzung"), Wortarten());
}

TEST(Wortartentabelle, AdjectiveFormsAndDeclinedParticiples) {
    for (const char* form : {"schöne", "schöneren", "schönsten", "leisen", "leiseste"})
        EXPECT_EQ(von(form), A) << form;
    // Participles declined as adjectives; a past tense of a verb without ge- is both.
    EXPECT_EQ(von("redenden"), A);
    EXPECT_EQ(von("abzuräumender"), A);
    EXPECT_EQ(von("gescherzte"), A);
    EXPECT_EQ(von("studierten"), V | A);
    EXPECT_EQ(von("verwahrtem"), A);
    EXPECT_EQ(von("scherzte"), V); // "scherzt" is no participle
    EXPECT_EQ(von("deinem"), O);
}

TEST(Wortartentabelle, DerivableNounsAreLeftOutAndStillFound) {
    const WortartenDaten& d = daten();
    // Aalsuppe and Liebeskummer end with a listed noun, Aalsuppen with one and an ending.
    EXPECT_LT(d.formen, quelle().size());
    EXPECT_EQ(d.Tabelle().FormAnzahl(), d.formen);
    EXPECT_EQ(d.Tabelle().Gelistet(cp("Aalsuppe")), Wortarten());
    EXPECT_EQ(d.Tabelle().Gelistet(cp("Aalsuppen")), Wortarten());
    EXPECT_EQ(d.Tabelle().Gelistet(cp("Liebeskummer")), Wortarten());
    EXPECT_EQ(d.Tabelle().Gelistet(cp("Schmerz")), N);
    // "Laufen" is also a verb: kept.
    EXPECT_EQ(d.Tabelle().Gelistet(cp("Laufen")), N | V);
    for (const Wortform& form : quelle())
        EXPECT_EQ(d.Tabelle().Von(form.form), form.arten) << Utf8AusCp1252(form.form);
}

TEST(Wortartentabelle, FormsGivenTwiceJoinTheirClasses) {
    const WortartenDaten d =
        WortartenTabelleBauen({{"fest", A}, {"fest", D}, {"", N}, {"\x01", N}});
    EXPECT_EQ(d.formen, 1u);
    EXPECT_EQ(d.Tabelle().Von("fest"), A | D);
    EXPECT_EQ(WortartenTabelleBauen({}).Tabelle().Von("fest"), Wortarten());
}

TEST(Wortart, NamesAndLists) {
    EXPECT_EQ(WortartName(Wortart::Adjektiv), "Adjektiv");
    EXPECT_EQ(WortartKennwort(Wortart::Andere), "andere");
    EXPECT_EQ(WortartenAusKennwoertern("nomen"), N);
    EXPECT_EQ(WortartenAusKennwoertern("verb,adverb,nomen"), V | D | N);
    EXPECT_EQ(WortartenAusKennwoertern("Nomen"), std::nullopt);
    EXPECT_EQ(WortartenAusKennwoertern("nomen,"), std::nullopt);
    EXPECT_EQ(WortartenAusKennwoertern(""), std::nullopt);
}

} // namespace
} // namespace quandel
