// Lines in the format of Ding's German-English dictionary, made up for the test, read into word
// forms and classes.
#include "meaning/ding.h"
#include "text/kodierung.h"

#include <gtest/gtest.h>

namespace quandel {
namespace {

// The forms of a line as "form:classes" in UTF-8, the classes as N(omen), V(erb), A(djektiv),
// (Adver)b, o(ther).
std::vector<std::string> formen(const std::string& zeile) {
    std::vector<std::string> ergebnis;
    for (const Wortform& f : DingFormen(zeile)) {
        std::string text = Utf8AusCp1252(f.form) + ":";
        for (std::size_t i = 0; i < kWortarten.size(); ++i)
            if (f.arten.Hat(kWortarten[i]))
                text += "NVAbo"[i];
        ergebnis.push_back(text);
    }
    return ergebnis;
}

TEST(Ding, MarksBelongToTheirTermAndTheUnmarkedOnesBefore) {
    EXPECT_EQ(formen("A {n}; Ais {n} [mus.] | A-Dur {n} :: A; A sharp | A major"),
              (std::vector<std::string>{"A:N", "Ais:N", "A-Dur:N"}));
    EXPECT_EQ(formen("scherzhaft; witzig {adj} :: jocular"),
              (std::vector<std::string>{"scherzhaft:A", "witzig:A"}));
    // Brackets, abbreviations (with a semicolon in them) and text after the mark are dropped.
    EXPECT_EQ(formen("Zeitung {f} /Ztg./; Blatt {n} (Presse) <Blat> :: newspaper"),
              (std::vector<std::string>{"Zeitung:N", "Blatt:N"}));
    EXPECT_EQ(formen("oder {conj} /o.; od./ | oder auch :: or | or perhaps"),
              (std::vector<std::string>{"oder:o"}));
    EXPECT_EQ(formen("Opfer {n} eines Streichs :: victim"), (std::vector<std::string>{"Opfer:N"}));
    EXPECT_EQ(formen("wegen {prp; +Gen.} :: because of"), (std::vector<std::string>{"wegen:o"}));
    EXPECT_EQ(formen("Aachener {m}; Aachenerin {f} | Aachener {adj} :: resident"),
              (std::vector<std::string>{"Aachener:NA", "Aachenerin:N"}));
}

TEST(Ding, PhrasesAndTheInfinitiveOfVerbPhrases) {
    EXPECT_EQ(formen("in böser Absicht; böswillig {adv} :: maliciously"),
              (std::vector<std::string>{"in böser Absicht:b", "böswillig:b"}));
    // A verb phrase gives its last word; one of more than three words only that.
    EXPECT_EQ(formen("es sich mit jdm. verscherzen {v} :: to fall out with sb."),
              (std::vector<std::string>{"verscherzen:V"}));
    EXPECT_EQ(formen("Aa machen; käckern {vi} :: to poo"),
              (std::vector<std::string>{"Aa machen:V", "machen:V", "käckern:V"}));
    EXPECT_EQ(formen("die Zähne zeigen / fletschen {vi} :: to bare one's teeth"),
              (std::vector<std::string>{"fletschen:V"}));
}

TEST(Ding, InflectedFormsOfTheLaterPartsTakeTheEntrysClass) {
    EXPECT_EQ(
        formen("laufen {vi} | laufend | gelaufen | er/sie läuft | ich/er/sie lief | er/sie "
               "ist/war gelaufen | zum Bus laufen | Er lief schnell. :: to run | running"),
        (std::vector<std::string>{"laufen:V", "laufend:V", "gelaufen:V", "läuft:V", "lief:V"}));
    EXPECT_EQ(formen("schön {adj} | schöner | am schönsten | sehr schön | Schönheit :: beautiful"),
              (std::vector<std::string>{"schön:A", "schöner:A", "schönsten:A"}));
    EXPECT_EQ(formen("Herz {n} [anat.] | Herzen {pl} | Herzchen | von Herzen :: heart"),
              (std::vector<std::string>{"Herz:N", "Herzen:N", "Herzchen:N"}));
    // An entry of two classes passes none on.
    EXPECT_EQ(formen("fest {adj} {adv} | fester :: firm | firmer"),
              (std::vector<std::string>{"fest:Ab"}));
}

TEST(Ding, LinesThatGiveNothing) {
    EXPECT_TRUE(DingFormen("# Version :: devel").empty());
    EXPECT_TRUE(DingFormen("Haus {n}").empty());      // no English side
    EXPECT_TRUE(DingFormen("Haus :: house").empty()); // no mark
    EXPECT_TRUE(DingFormen("Haus {xyz} :: house").empty());
    // Forms that Windows-1252 cannot hold are not taken.
    EXPECT_EQ(DingFormen("\xCE\xB1-Strahlung {f}; Alphastrahlung {f} :: alpha radiation"),
              (std::vector<Wortform>{{"Alphastrahlung", Wortart::Nomen}}));
}

} // namespace
} // namespace quandel
