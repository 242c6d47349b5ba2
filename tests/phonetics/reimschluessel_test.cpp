// The rhyme keys from recorded pronunciations: the stressed vowel, weak suffixes, the compound
// rule, near and two-syllable keys, and the keys of a whole list.
#include "lexicon/wortliste.h"
#include "lexicon/wortzeilen.h"
#include "phonetics/klangindex.h"
#include "phonetics/reimschluessel.h"
#include "tests/phonetics/feste_aussprache.h"
#include "text/fehler.h"
#include "text/kleinschreibung.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>

namespace quandel::test {
namespace {

// A word (UTF-8) lowered in Windows-1252.
std::string KleinCp(const std::string& utf8) {
    return Klein(Cp1252AusUtf8(utf8));
}

// The pure key of a word from its recorded phonemes, without a word list.
std::string Rein(const std::string& wort, std::string_view phoneme) {
    const Lautfolge laute = LauteAusEspeak(phoneme);
    return Namen(SchluesselAb(laute, Reimvokal(laute, KleinCp(wort))).rein);
}

TEST(Reimschluessel, FromTheLastStressedVowel) {
    EXPECT_EQ(Rein("Gehör", "g @ h 'Y: r"), "Y: r");
    EXPECT_EQ(Rein("Friseur", "f r i: z 'Y: r"), "Y: r");
    EXPECT_EQ(Rein("Rost", "r 'O s t"), "O s t");
    EXPECT_EQ(Rein("Trost", "t r 'o: s t"), "o: s t");
    EXPECT_EQ(Rein("Café", "k a f 'e:"), "e:");
    EXPECT_EQ(Rein("Kaffee", "k 'a f e:"), "a f e:");
    EXPECT_EQ(Rein("Station", "S t a ts j 'o: n"), "o: n");
    // The last member of a compound, marked by a secondary stress.
    EXPECT_EQ(Rein("Sonnenschein", "z 'O n @ n S ,aI n"), "aI n");
    EXPECT_EQ(Rein("Haustür", "h 'aU s t ,y: r"), "y: r");
    // A secondary stress before the main one does not count.
    EXPECT_EQ(Rein("Elefant", "_| ,e: l e: f 'a n t"), "a n t");
}

TEST(Reimschluessel, WeakSuffixesCarryNoRhyme) {
    EXPECT_EQ(Rein("Zeitung", "ts 'aI t _| ,U N"), "aI t U N");
    EXPECT_EQ(Rein("Wohnung", "v 'o: n U N"), "o: n U N");
    EXPECT_EQ(Rein("Einsamkeit", "_! 'aI n z ,A: m k aI t"), "aI n z a: m k aI t");
    EXPECT_EQ(Rein("Lehrerin", "l 'e: R @ R ,I n"), "e: r @ r I n");
    EXPECT_EQ(Rein("Eigentum", "_! 'aI g @ n t ,u: m"), "aI g @ n t u: m");
    // A main stress on the suffix moves to the vowel before it.
    EXPECT_EQ(Rein("Ballung", "b a l 'U N"), "a l U N");
    // The long -in of "Medizin" is no suffix, nor is the ei of "Zweig".
    EXPECT_EQ(Rein("Medizin", "m e: d i: ts 'i: n"), "i: n");
    EXPECT_EQ(Rein("Zweig", "ts v 'aI k"), "aI k");
    // A hiatus: espeak-ng's secondary stress on the o of "Radio".
    EXPECT_EQ(Rein("Radio", "r 'A d I ; ,o:"), "a d I o:");
}

TEST(Reimschluessel, UnstressedWordsAndWordsWithoutVowels) {
    EXPECT_EQ(Rein("und", "U n t"), "U n t");
    EXPECT_EQ(Rein("pst", "p s t"), "");
    const Lautfolge ohne = LauteAusEspeak("p s t");
    EXPECT_EQ(Reimvokal(ohne, "pst"), kKeinReimvokal);
    EXPECT_TRUE(SchluesselAb(ohne, kKeinReimvokal).zweisilbig.empty());
}

// The compound rule with a list of words and their pure keys.
std::string MitGliedern(const std::string& wort, std::string_view phoneme,
                        const FesteGlieder& glieder) {
    Lautfolge laute = LauteAusEspeak(phoneme);
    const Reimstelle reim = ReimstelleMitGliedern(KleinCp(wort), laute, glieder);
    return Namen(SchluesselAb(laute, reim.vokal).rein);
}

TEST(Reimschluessel, CompoundTakesItsLastMember) {
    const FesteGlieder glieder({{"hof", "o: f"},
                                {"bahn", "a: n"},
                                {"fee", "e:"},
                                {"der", "e: r"},
                                {"wie", "i:"},
                                {"rost", "O s t"},
                                {"sonne", "O n @"},
                                {"schein", "aI n"},
                                {"weg", "e: k"},
                                {"haupt", "aU p t"}});
    // espeak-ng stresses only "Bahn"; the member "Hof" decides.
    EXPECT_EQ(MitGliedern("Bahnhof", "b 'A: n h o: f", glieder), "o: f");
    // A linking n after "Sonne".
    EXPECT_EQ(MitGliedern("Sonnenschein", "z 'O n @ n S aI n", glieder), "aI n");
    // "kaf" is no word: Kaffee keeps its stress and does not rhyme with Fee.
    EXPECT_EQ(MitGliedern("Kaffee", "k 'a f e:", glieder), "a f e:");
    // "wieder" ends with "der", but its sounds do not end with those of "der".
    EXPECT_EQ(MitGliedern("wieder", "v 'i: d 3", glieder), "i: d 3");
    // Fewer than three letters in front: "Trost" is no compound of "rost".
    EXPECT_EQ(MitGliedern("Trost", "t r 'o: s t", glieder), "o: s t");
    // The front may be the stem of a word in -e/-n/-en.
    EXPECT_EQ(MitGliedern("Sonnweg", "z 'O n v e: k", glieder), "e: k");
}

// The rhyme of a compound: the key's names, the onset's names and the stress pattern.
struct Gliedklang {
    std::string rein;
    std::string anlaut;
    std::string betonung;
    bool operator==(const Gliedklang&) const = default;
};

std::ostream& operator<<(std::ostream& aus, const Gliedklang& k) {
    return aus << k.anlaut << " | " << k.rein << " " << k.betonung;
}

Gliedklang KlangMitGliedern(const std::string& wort, std::string_view phoneme,
                            const FesteGlieder& glieder) {
    Lautfolge laute = LauteAusEspeak(phoneme);
    const Reimstelle reim = ReimstelleMitGliedern(KleinCp(wort), laute, glieder);
    return {Namen(SchluesselAb(laute, reim.vokal).rein), Namen(reim.anlaut),
            Betonungsmuster(laute, reim.vokal, KleinCp(wort))};
}

TEST(Reimschluessel, LastMemberReadWithTheVocalicEr) {
    const FesteGlieder glieder({{"herz", "h | E r ts"},
                                {"scherz", "S | E r ts"},
                                {"schmerz", "S m | E r ts"},
                                {"der", "d | e: r"},
                                {"löwen", "Y: v @ n"},
                                {"april", "i: l"},
                                {"menschen", "E n S @ n"},
                                {"welt", "E l t"},
                                {"schnei", "aI"}});
    // espeak-ng reads the member with its vowel reduced, so its key is not at the end; the
    // member's own sounds take the place of the reduced ones.
    EXPECT_EQ(KlangMitGliedern("Löwenherz", "l 'Y: v E2 n h 3 ts", glieder),
              (Gliedklang{"E r ts", "h", "XxX"}));
    EXPECT_EQ(KlangMitGliedern("Menschenherz", "m 'E n S E2 n h 3 ts", glieder),
              (Gliedklang{"E r ts", "h", "XxX"}));
    EXPECT_EQ(KlangMitGliedern("Aprilscherz", "_! 'a p r I l S 3 ts", glieder),
              (Gliedklang{"E r ts", "S", "XxX"}));
    EXPECT_EQ(KlangMitGliedern("Weltschmerz", "v 'E l t S m 3 ts", glieder),
              (Gliedklang{"E r ts", "S m", "XX"}));
    // A member of three letters does not count ("der" in "Schneider"), nor one whose onset
    // differs.
    EXPECT_EQ(KlangMitGliedern("Schneider", "S n 'aI d 3", glieder),
              (Gliedklang{"aI d 3", "S n", "Xx"}));
    EXPECT_EQ(KlangMitGliedern("Menschenherz", "m 'E n S E2 n C 3 ts", glieder).rein,
              "E n S E n C 3 ts");
    // A member espeak-ng reads in full keeps the word's own sounds.
    EXPECT_EQ(KlangMitGliedern("Menschenherz", "m 'E n S E2 n h E r ts", glieder),
              (Gliedklang{"E r ts", "h", "XxX"}));
}

TEST(Reimschluessel, OnsetOfTheLastMember) {
    const FesteGlieder glieder({{"sonne", "z | O n @"},
                                {"acht", "a x t"},
                                {"arten", "a r t @ n"},
                                {"gem", "E m"},
                                {"vogel", "f | o: g @ l"},
                                {"mittag", "m | I t a: k"}});
    // espeak-ng reads "ss" as one s; the member's onset counts.
    EXPECT_EQ(KlangMitGliedern("Mittagssonne", "m 'I t a k s ,O n @", glieder),
              (Gliedklang{"O n @", "z", "XxXx"}));
    EXPECT_EQ(KlangMitGliedern("Vogelarten", "f 'o: g @ l ,a r t @ n", glieder),
              (Gliedklang{"a r t @ n", "", "XxXx"}));
    // The main stress on the member's vowel: no compound, the word's own onset.
    EXPECT_EQ(KlangMitGliedern("gemacht", "g @ m 'a x t", glieder),
              (Gliedklang{"a x t", "m", "xX"}));
}

TEST(Reimschluessel, WeakSuffixIsNoMember) {
    const FesteGlieder glieder({{"bar", "b | a: r"},
                                {"baren", "b | a: r @ n"},
                                {"samen", "z | a: m @ n"},
                                {"innen", "I n @ n"},
                                {"dimm", "d | I m"},
                                {"lang", "l | a N"},
                                {"lehrer", "l | e: r 3"}});
    // "dimm" + "baren" would rhyme with "fahren".
    EXPECT_EQ(KlangMitGliedern("dimmbaren", "d 'I m b A: R @ n", glieder).rein, "I m b a: r @ n");
    EXPECT_EQ(KlangMitGliedern("dimmbar", "d 'I m b A: r", glieder).rein, "I m b a: r");
    EXPECT_EQ(KlangMitGliedern("langsamen", "l 'a N z A: m @ n", glieder).rein, "a N z a: m @ n");
    EXPECT_EQ(KlangMitGliedern("Lehrerinnen", "l 'e: R @ R ,I n @ n", glieder).rein,
              "e: r @ r I n @ n");
}

TEST(Reimschluessel, OnsetOfTheRhymeSyllable) {
    const auto anlaut = [](const std::string& wort, std::string_view phoneme) {
        const Lautfolge laute = LauteAusEspeak(phoneme);
        return Namen(SilbenAnlaut(laute, Reimvokal(laute, KleinCp(wort))));
    };
    EXPECT_EQ(anlaut("Herz", "h 'E r ts"), "h");
    EXPECT_EQ(anlaut("Zwerg", "ts v 'E r k"), "ts v");
    EXPECT_EQ(anlaut("Heidelberg", "h 'aI d @ l b ,E r k"), "b");
    EXPECT_EQ(anlaut("Abendsonne", "_! 'A: b @ n d z ,O n @"), "z");
    EXPECT_EQ(anlaut("Gestrüpp", "g @ S t r 'y p"), "S t r");
    EXPECT_EQ(anlaut("Station", "S t a ts j 'o: n"), "ts j");
    EXPECT_EQ(anlaut("Ende", "_! 'E n d @"), "");
    EXPECT_EQ(anlaut("Radio", "r 'A d I ; ,o:"), "r");
    EXPECT_EQ(anlaut("Poet", "p o: 'e: t"), "");
    EXPECT_EQ(Namen(SilbenAnlaut(LauteAusEspeak("p s t"), kKeinReimvokal)), "");
}

TEST(Reimschluessel, StressPattern) {
    const auto muster = [](const std::string& wort, std::string_view phoneme) {
        const Lautfolge laute = LauteAusEspeak(phoneme);
        return Betonungsmuster(laute, Reimvokal(laute, KleinCp(wort)), KleinCp(wort));
    };
    EXPECT_EQ(muster("Gebäude", "g @ b 'OY d @"), "xXx");
    EXPECT_EQ(muster("Sonnenschein", "z 'O n @ n S ,aI n"), "XxX");
    EXPECT_EQ(muster("Elefant", "_| ,e: l e: f 'a n t"), "XxX");
    // Not on a weak suffix, nor after another vowel; the rhyme vowel always.
    EXPECT_EQ(muster("Zeitung", "ts 'aI t _| ,U N"), "Xx");
    EXPECT_EQ(muster("Ballung", "b a l 'U N"), "Xx");
    EXPECT_EQ(muster("Radio", "r 'A d I ; ,o:"), "Xxx");
    EXPECT_EQ(muster("werden", "v ,E r d @ n"), "Xx");
    EXPECT_EQ(muster("pst", "p s t"), "");
}

// Key, sounds and stress pattern of a word pronounced by espeak, without corrections or
// members of a list.
Gliedklang KlangOhneGlieder(Aussprecher& espeak, const std::string& wort) {
    Aussprachetabelle tabelle;
    Aussprache aussprache(espeak, tabelle);
    const FesteGlieder glieder({});
    Lautfolge laute = LauteMitGliedern(aussprache, Cp1252AusUtf8(wort), KleinCp(wort), glieder);
    const Reimstelle reim = ReimstelleMitGliedern(KleinCp(wort), laute, glieder);
    return Gliedklang{Namen(SchluesselAb(laute, reim.vokal).rein), Namen(Codes(laute)),
                      Betonungsmuster(laute, reim.vokal, KleinCp(wort))};
}

TEST(Reimschluessel, StressOfLoanWordSuffixes) {
    FesteAussprache espeak({{"Atheismus", "_! 'a t aI s m ,U s"},
                            {"Aktionismus", "_| a k ts j ,o: n 'I s m U s"},
                            {"Abszessen", "_! 'a p s ts E2 s @ n"},
                            {"Essen", "_! 'E s @ n"},
                            {"Interessen", "_| ,I n t @ R 'E s @ n"},
                            {"Abakus", "_! 'A b a k ,U s"}});
    const auto klang = [&espeak](const std::string& wort) {
        return KlangOhneGlieder(espeak, wort);
    };
    // espeak-ng reads the ei of "Eis" and stresses the a.
    EXPECT_EQ(klang("Atheismus"), (Gliedklang{"I s m U s", "a t e: I s m U s", "XxXx"}));
    EXPECT_EQ(klang("Aktionismus").rein, "I s m U s");
    EXPECT_NE(klang("Abakus").rein, "I s m U s");
    EXPECT_EQ(klang("Abszessen"), (Gliedklang{"E s @ n", "a p s ts E s @ n", "XXx"}));
    EXPECT_EQ(klang("Essen").rein, "E s @ n");
    // Read right: nothing changes.
    EXPECT_EQ(klang("Interessen"), (Gliedklang{"E s @ n", "I n t @ r E s @ n", "XxXx"}));
}

TEST(Reimschluessel, MisreadFinalEIsASchwa) {
    FesteAussprache espeak({{"zupfe", "ts u: p f 'e:"},
                            {"sechste", "z 'E k s t ,e:"},
                            {"abzupfe", "_! 'a p ts u: p f ,e:"},
                            {"bebe", "b @ b 'e:"},
                            {"beben", "b 'e: b @ n"},
                            {"Schnee", "S n 'e:"},
                            {"Café", "k a f 'e:"}});
    const auto klang = [&espeak](const std::string& wort) {
        return KlangOhneGlieder(espeak, wort);
    };
    EXPECT_EQ(klang("zupfe"), (Gliedklang{"u: p f @", "ts u: p f @", "Xx"}));
    EXPECT_EQ(klang("sechste"), (Gliedklang{"E k s t @", "z E k s t @", "Xx"}));
    // A secondary stress on the e marked the last member: it stays there.
    EXPECT_EQ(klang("abzupfe").rein, "u: p f @");
    // No full vowel before the e: the form in -en is read.
    EXPECT_EQ(klang("bebe"), (Gliedklang{"e: b @", "b e: b @", "Xx"}));
    // A stressed final e that is written so keeps its sound.
    EXPECT_EQ(klang("Schnee").rein, "e:");
    EXPECT_EQ(klang("Café").rein, "e:");
}

TEST(Reimschluessel, CorrectedMemberOfACompound) {
    FesteAussprache espeak({{"Hand", "h 'a n t"}, {"Handtuch", "h 'a n t t U x"}});
    Aussprachetabelle tabelle;
    tabelle.Einlesen("Tuch\tt 'u: x\n", "test");
    Aussprache aussprache(espeak, tabelle);
    const FesteGlieder glieder({{"hand", "a n t"}, {"tuch", "u: x"}});
    const Lautfolge laute = LauteMitGliedern(aussprache, "Handtuch", "handtuch", glieder);
    EXPECT_EQ(Namen(Codes(laute)), "h a n t t u: x");
    EXPECT_EQ(Namen(Codes(LauteMitGliedern(aussprache, "Tuch", "tuch", glieder))), "t u: x");
    // Without a word in front the word is pronounced as it stands.
    const FesteGlieder ohneHand({{"tuch", "u: x"}});
    EXPECT_EQ(Namen(Codes(LauteMitGliedern(aussprache, "Handtuch", "handtuch", ohneHand))),
              "h a n t t U x");
}

// A word list of one word, "haus" (aU s), that counts what it is asked.
class ZaehlendeGlieder : public Gliedquelle {
public:
    bool IstWort(std::string_view klein) const override {
        gefragt(klein);
        return klein == "haus";
    }
    std::optional<std::string_view> ReinerSchluessel(std::string_view klein) const override {
        gefragt(klein);
        if (klein != "haus")
            return std::nullopt;
        return std::string_view(schluessel_);
    }
    std::optional<std::string_view> Anlaut(std::string_view klein) const override {
        gefragt(klein);
        if (klein != "haus")
            return std::nullopt;
        return std::string_view(anlaut_);
    }

    mutable std::size_t fragen = 0;
    mutable std::size_t laengste = 0;

private:
    void gefragt(std::string_view klein) const {
        ++fragen;
        laengste = std::max(laengste, klein.size());
    }
    std::string schluessel_ = Codes(LauteAusTabelle("aU s"));
    std::string anlaut_ = Codes(LauteAusTabelle("h"));
};

TEST(Reimschluessel, ALongWordCostsNoMoreThanTheLongestWordOfAList) {
    // A search text of a megabyte: the compound rule asks the list only about members and
    // fronts a list can hold, and looks for corrections only as long as a corrected word.
    // Before, every one of its ends was asked for and hashed, which took minutes.
    const std::string wort = std::string(1 << 20, 'a') + "haus";
    FesteAussprache espeak({{wort, "'a: h aU s"}});
    Aussprachetabelle tabelle;
    tabelle.Einlesen("Tuch\tt 'u: x\n", "test");
    EXPECT_EQ(tabelle.LaengstesWort(), 4u);
    Aussprache aussprache(espeak, tabelle);
    const ZaehlendeGlieder glieder;

    Lautfolge laute = LauteMitGliedern(aussprache, wort, wort, glieder);
    const std::size_t reimvokal = ReimstelleMitGliedern(wort, laute, glieder).vokal;

    EXPECT_EQ(Namen(Codes(laute)), "a: h aU s");
    EXPECT_EQ(reimvokal, 0u) << "a front of a megabyte is no word";
    EXPECT_LE(glieder.fragen, kLaengsteZeile);
    EXPECT_LE(glieder.laengste, kLaengsteZeile);
}

Klangschluessel Schluessel(std::string_view phoneme, const std::string& wort) {
    const Lautfolge laute = LauteAusEspeak(phoneme);
    return SchluesselAb(laute, Reimvokal(laute, KleinCp(wort)));
}

TEST(Reimschluessel, NearRhymes) {
    const auto glueck = Schluessel("g l 'y k", "Glück").rein;
    const auto blick = Schluessel("b l 'I k", "Blick").rein;
    EXPECT_NE(glueck, blick);
    EXPECT_EQ(Unrein(glueck), Unrein(blick));
    const auto freude = Schluessel("f r 'OY d @", "Freude").rein;
    const auto kreide = Schluessel("k r 'aI d @", "Kreide").rein;
    EXPECT_EQ(Namen(Unrein(freude)), "aI d @");
    EXPECT_EQ(Unrein(freude), Unrein(kreide));
    EXPECT_NE(Unrein(freude), Unrein(Schluessel("z 'aI t @", "Seite").rein));
    EXPECT_EQ(Unrein(Schluessel("b 'E: r", "Bär").rein),
              Unrein(Schluessel("z 'e: r", "sehr").rein));
    // Voiced and voiceless fall together at the end only (a word read as English: "Job").
    EXPECT_EQ(Unrein(Schluessel("(en) dZ '0 b (de)", "Job").rein),
              Unrein(Schluessel("S 'O p", "Shop").rein));
    EXPECT_NE(Unrein(Schluessel("r 'o: z @", "Rose").rein),
              Unrein(Schluessel("z 'o: s @", "Soße").rein));
    // Different vowels stay apart.
    EXPECT_NE(Unrein(Schluessel("r 'O s t", "Rost").rein),
              Unrein(Schluessel("t r 'o: s t", "Trost").rein));
}

TEST(Reimschluessel, TwoSyllableKey) {
    const auto sonne = Schluessel("z 'O n @ n S ,aI n", "Sonnenschein").zweisilbig;
    const auto mond = Schluessel("m 'O n d @ n S ,aI n", "Mondenschein").zweisilbig;
    EXPECT_EQ(Namen(sonne), "O @ | aI n");
    EXPECT_EQ(sonne, mond);
    EXPECT_NE(sonne, Schluessel("S t 'aI n", "Stein").zweisilbig);
    // Without an earlier stress the vowel before the rhyme vowel starts it.
    EXPECT_EQ(Namen(Schluessel("g @ d 'I C t @", "Gedichte").zweisilbig), "@ | I C t @");
    EXPECT_TRUE(Schluessel("S t 'aI n", "Stein").zweisilbig.empty());
}

std::vector<std::string> Cp(const std::vector<std::string>& utf8) {
    std::vector<std::string> texte;
    for (const std::string& t : utf8)
        texte.push_back(Cp1252AusUtf8(t));
    return texte;
}

TEST(KlangIndex, KeysOfAListWithItsCompounds) {
    const std::vector<std::string> worte =
        Cp({"Bahn", "Bahnhof", "Hof", "Kaffee", "Fee", "Glück", "Blick", "Sonne", "Sonnenschein",
            "Mondenschein", "Schein"});
    std::vector<std::string> klein;
    for (const std::string& w : worte)
        klein.push_back(Klein(w));
    FesteAussprache espeak({{"Bahn", "b 'A: n"},
                            {"Bahnhof", "b 'A: n h o: f"},
                            {"Hof", "h 'o: f"},
                            {"Kaffee", "k 'a f e:"},
                            {"Fee", "f 'e:"},
                            {"Glück", "g l 'y k"},
                            {"Blick", "b l 'I k"},
                            {"Sonne", "z 'O n @"},
                            {"Sonnenschein", "z 'O n @ n S ,aI n"},
                            {"Mondenschein", "m 'O n d @ n S ,aI n"},
                            {"Schein", "S 'aI n"}});
    Aussprachetabelle tabelle;
    Aussprache aussprache(espeak, tabelle);
    std::uint64_t zuletzt = 0;
    std::uint64_t gesamt = 0;
    Berechnung berechnung;
    berechnung.fortschritt = [&](std::uint64_t erledigt, std::uint64_t alle) {
        EXPECT_GE(erledigt, zuletzt);
        zuletzt = erledigt;
        gesamt = alle;
    };
    const Wortzeilen wortzeilen(worte);
    const Wortzeilen kleinzeilen(klein);
    const auto index =
        KlangIndexBerechnen(wortzeilen.Feld(), kleinzeilen.Feld(), aussprache, berechnung);
    ASSERT_TRUE(index);
    EXPECT_EQ(zuletzt, gesamt);
    EXPECT_EQ(espeak.aufrufe, 11);
    EXPECT_TRUE(index->PasstZu(kleinzeilen.Feld()));
    const Wortzeilen ohneLetztes(std::vector<std::string>(klein.begin(), klein.end() - 1));
    EXPECT_FALSE(index->PasstZu(ohneLetztes.Feld()));

    using Nummern = std::vector<std::int32_t>;
    EXPECT_EQ(index->WorteMitSchluessel(index->Schluessel(2, false), {}), (Nummern{1, 2}));
    EXPECT_EQ(index->WorteMitSchluessel(index->Schluessel(4, false), {}), (Nummern{4}));
    EXPECT_EQ(index->WorteMitSchluessel(index->Schluessel(5, false), {}), (Nummern{5}));
    EXPECT_EQ(index->WorteMitSchluessel(index->Schluessel(5, false), {true, false}),
              (Nummern{5, 6}));
    EXPECT_EQ(index->WorteMitSchluessel(index->Schluessel(8, false), {}), (Nummern{8, 9, 10}));
    EXPECT_EQ(index->WorteMitSchluessel(index->Schluessel(8, true), {false, true}),
              (Nummern{8, 9}));
    EXPECT_TRUE(index->WorteMitSchluessel("", {}).empty());

    // The same keys through the stored parts.
    const KlangIndex kopie({index->Spalte(Klangfeld::Rein), index->Spalte(Klangfeld::Zweisilbig),
                            index->Spalte(Klangfeld::Anlaut), index->Spalte(Klangfeld::Betonung)},
                           index->Pruefsumme());
    for (std::size_t i = 0; i < worte.size(); ++i)
        for (const Klangfeld feld :
             {Klangfeld::Rein, Klangfeld::Zweisilbig, Klangfeld::Anlaut, Klangfeld::Betonung})
            EXPECT_EQ(kopie.Wert(i, feld), index->Wert(i, feld));
}

TEST(KlangIndex, AbortStopsTheComputing) {
    const std::vector<std::string> worte(1000, "Hof");
    FesteAussprache espeak({{"Hof", "h 'o: f"}});
    Aussprachetabelle tabelle;
    Aussprache aussprache(espeak, tabelle);
    std::atomic<bool> abbruch{true};
    Berechnung berechnung;
    berechnung.abbruch = &abbruch;
    const Wortzeilen zeilen(worte);
    EXPECT_FALSE(KlangIndexBerechnen(zeilen.Feld(), zeilen.Feld(), aussprache, berechnung));
    EXPECT_LT(espeak.aufrufe, 1000);
}

TEST(KlangIndex, DamagedStoredPartsAreRefused) {
    const std::uint32_t enden[] = {0, 2};
    EXPECT_THROW(Schluesseltabelle("abc", enden), Fehler);
    const std::uint32_t ids[] = {0, 2};
    const std::uint32_t leer[] = {0, 0};
    const Klangspalte gut{Schluesseltabelle(), leer};
    EXPECT_THROW(KlangIndex({Klangspalte{Schluesseltabelle("ab", enden), ids}, gut, gut, gut}, 0),
                 Fehler);
    const std::uint32_t kurz[] = {0};
    EXPECT_THROW(KlangIndex({gut, gut, gut, Klangspalte{Schluesseltabelle(), kurz}}, 0), Fehler);
}

} // namespace
} // namespace quandel::test
