#include "phonetics/reimschluessel.h"

#include "lexicon/wortliste.h"

#include <algorithm>
#include <array>
#include <vector>

namespace quandel {

namespace {

constexpr char kTrenner = '\x7F';

bool IstSchwa(std::uint8_t code) {
    const std::string_view name = LautName(code);
    return name == "@" || name == "3";
}

// The code of a sound by its name.
char Code(std::string_view name) {
    return Codes(LauteAusTabelle(name))[0];
}

bool IstVokalbuchstabe(char zeichen) {
    switch (static_cast<unsigned char>(zeichen)) {
    case 'a':
    case 'e':
    case 'i':
    case 'o':
    case 'u':
    case 'y':
    case 0xE4:
    case 0xF6:
    case 0xFC: // ä ö ü
        return true;
    default:
        return false;
    }
}

// Syllables of a suffix by its letters: groups of vowel letters.
std::size_t Vokalgruppen(std::string_view text) {
    std::size_t gruppen = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (IstVokalbuchstabe(text[i]) && (i == 0 || !IstVokalbuchstabe(text[i - 1])))
            ++gruppen;
    return gruppen;
}

struct Suffix {
    std::string_view buchstaben;
    std::string_view vokal; // the sound its vowel has when it is weak
};

constexpr std::array<Suffix, 18> kSchwacheSuffixe{{
    {"ung", "U"},
    {"heit", "aI"},
    {"keit", "aI"},
    {"schaft", "a"},
    {"tum", "u:"},
    {"t\xFCm", "y:"},
    {"nis", "I"},
    {"lich", "I"},
    {"ig", "I"},
    {"isch", "I"},
    {"chen", "@"},
    {"lein", "aI"},
    {"ling", "I"},
    {"sam", "a:"},
    {"sam", "a"},
    {"bar", "a:"},
    {"haft", "a"},
    {"in", "I"},
}};

constexpr std::array<std::string_view, 13> kEndungen{"",  "e",   "en",  "er", "es",  "em", "s",
                                                     "n", "nen", "ern", "se", "sen", "ses"};

// The position in laute of the first vowel of the weak suffixes the word ends with (several
// in a row: "einsamkeit" -> the a: of -sam), or kKeinReimvokal.
std::size_t SchwacherTeil(const Lautfolge& laute, std::string_view klein) {
    std::vector<std::size_t> vokale;
    for (std::size_t i = 0; i < laute.size(); ++i)
        if (IstVokal(laute[i].code))
            vokale.push_back(i);

    std::size_t anfang = kKeinReimvokal;
    std::size_t silbenHinten = 0; // syllables of the suffixes found so far
    std::string_view rest = klein;
    for (bool erstes = true;; erstes = false) {
        bool gefunden = false;
        for (const Suffix& suffix : kSchwacheSuffixe) {
            for (const std::string_view endung : kEndungen) {
                if (!erstes && !endung.empty())
                    break; // an inner suffix carries no ending
                const std::size_t laenge = suffix.buchstaben.size() + endung.size();
                if (rest.size() < laenge + 3 ||
                    !rest.substr(rest.size() - endung.size()).starts_with(endung))
                    continue;
                const std::string_view teil = rest.substr(rest.size() - laenge);
                if (!teil.starts_with(suffix.buchstaben))
                    continue;
                const std::size_t silben = silbenHinten + Vokalgruppen(teil);
                if (silben > vokale.size() || silben == 0)
                    continue;
                const std::size_t vokal = vokale[vokale.size() - silben];
                if (LautName(laute[vokal].code) != suffix.vokal)
                    continue;
                anfang = vokal;
                silbenHinten = silben;
                rest.remove_suffix(laenge);
                gefunden = true;
                break;
            }
            if (gefunden)
                break;
        }
        if (!gefunden)
            return anfang;
    }
}

// Whether a word is one of the weak suffixes with or without an ending ("bar", "baren",
// "innen"), which never carries a compound's rhyme.
bool IstSchwacheEndung(std::string_view wort) {
    for (const Suffix& suffix : kSchwacheSuffixe)
        if (wort.starts_with(suffix.buchstaben))
            for (const std::string_view endung : kEndungen)
                if (wort.size() == suffix.buchstaben.size() + endung.size() &&
                    wort.ends_with(endung))
                    return true;
    return false;
}

// A front longer than a word of a list can be is none, not even without a linking "ens": so a
// long search word costs no more than a short one.
bool VorderteilIstWort(std::string_view vorne, const Gliedquelle& quelle) {
    if (vorne.size() > kLaengsteZeile + 3)
        return false;
    if (quelle.IstWort(vorne))
        return true;
    for (const std::string_view fuge : {"s", "es", "n", "en", "er", "e", "ns", "ens"})
        if (vorne.size() >= fuge.size() + 3 && vorne.ends_with(fuge) &&
            quelle.IstWort(vorne.substr(0, vorne.size() - fuge.size())))
            return true;
    std::string stamm(vorne);
    for (const std::string_view endung : {"e", "n", "en"})
        if (quelle.IstWort(stamm + std::string(endung)))
            return true;
    return false;
}

// German onsets of two or three consonants (espeak-ng's names); a consonant before j (the i of
// "Nation") makes one too.
constexpr std::array<std::string_view, 34> kAnlautgruppen{
    "p r",  "p l",  "b r", "b l", "t r", "d r",   "k r",   "k l",   "g r",   "g l",  "f r", "f l",
    "v r",  "S p",  "S t", "S m", "S n", "S l",   "S v",   "S r",   "k n",   "g n",  "k v", "ts v",
    "pF l", "pF r", "s k", "s p", "s t", "S p r", "S t r", "S p l", "s k r", "s t r"};

// Whether the consonants laute[von, bis) make one onset.
bool IstAnlautgruppe(const Lautfolge& laute, std::size_t von, std::size_t bis) {
    if (LautName(laute[bis - 1].code) == "j")
        return bis - von == 2;
    std::string namen;
    for (std::size_t i = von; i < bis; ++i) {
        if (i > von)
            namen += ' ';
        namen += LautName(laute[i].code);
    }
    return std::find(kAnlautgruppen.begin(), kAnlautgruppen.end(), namen) != kAnlautgruppen.end();
}

// Where codes end with a member's onset and pure key, except that espeak-ng read the member's
// rhyme vowel with the r after it as the vocalic -er ("Löwenherz" ... h 3 ts for "Herz"
// h E r ts): the position that tail starts at, or npos.
std::size_t ReduziertesGlied(std::string_view codes, std::string_view anlaut,
                             std::string_view schluessel) {
    static const char kEr = Code("3");
    static const char kR = Code("r");
    const std::string glied = std::string(anlaut) + std::string(schluessel);
    std::size_t i = codes.size();
    std::size_t j = glied.size();
    bool reduziert = false;
    while (j > 0) {
        if (i == 0)
            return std::string::npos;
        if (codes[i - 1] == glied[j - 1]) {
            --i;
            --j;
        } else if (codes[i - 1] == kEr && j == anlaut.size() + 2 && glied[j - 1] == kR) {
            --i;
            j -= 2;
            reduziert = true;
        } else {
            return std::string::npos;
        }
    }
    return reduziert ? i : std::string::npos;
}

// Loan-word suffixes whose stress espeak-ng misses: the word's sounds end with `gelesen` (or,
// where that is empty, with the sounds of `richtig` stressed elsewhere) and are corrected to
// `richtig`.
struct Lehnsuffix {
    std::string_view buchstaben;
    std::string_view gelesen;
    std::string_view richtig;
};

constexpr std::array<Lehnsuffix, 10> kLehnsuffixe{{
    {"eismus", "aI s m U s", "e: 'I s m U s"}, // Atheismus, read with the diphthong of "Eis"
    {"aismus", "aI s m U s", "a: 'I s m U s"}, // Judaismus
    {"eismen", "aI s m @ n", "e: 'I s m @ n"},
    {"aismen", "aI s m @ n", "a: 'I s m @ n"},
    {"ismus", "", "'I s m U s"},
    {"ismen", "", "'I s m @ n"},
    {"ess", "", "'E s"}, // Abszess, Exzess
    {"esse", "", "'E s @"},
    {"essen", "", "'E s @ n"}, // Abszessen, Zypressen, Mätressen
    {"esses", "", "'E s @ s"},
}};

void LehnsuffixBetonen(Lautfolge& laute, std::string_view klein) {
    const std::string codes = Codes(laute);
    for (const Lehnsuffix& suffix : kLehnsuffixe) {
        if (klein.size() <= suffix.buchstaben.size() || !klein.ends_with(suffix.buchstaben))
            continue;
        const Lautfolge richtig = LauteAusTabelle(suffix.richtig);
        const std::string gelesen =
            Codes(suffix.gelesen.empty() ? richtig : LauteAusTabelle(suffix.gelesen));
        if (!codes.ends_with(gelesen))
            continue;
        const auto anfang = static_cast<std::ptrdiff_t>(laute.size() - gelesen.size());
        if (std::any_of(laute.begin() + anfang, laute.end(),
                        [](const Laut& laut) { return laut.betonung == Betonung::Haupt; }))
            return; // read right
        laute.erase(laute.begin() + anfang, laute.end());
        for (Laut& laut : laute)
            if (laut.betonung == Betonung::Haupt)
                laut.betonung = Betonung::Neben;
        laute.insert(laute.end(), richtig.begin(), richtig.end());
        return;
    }
}

bool IstKonsonantenbuchstabe(char zeichen) {
    const auto c = static_cast<unsigned char>(zeichen);
    return ((c >= 'a' && c <= 'z') || c == 0xDF) && !IstVokalbuchstabe(zeichen); // ß
}

// espeak-ng reads some words that end in a consonant and a single e with a stressed final e:
// ("zupfe" ts u: p f 'e:, "sechste" z 'E k s t ,e:), so that they rhyme with "Schnee". The e
// is a schwa; its stress goes to the last full vowel before it. Where there is none
// ("bebe" b @ b 'e:), the word's form in -en is read instead, whose ending espeak-ng knows.
void SchlussESchwaechen(Aussprache& aussprache, std::string_view wort, std::string_view klein,
                        Lautfolge& laute) {
    if (klein.size() < 3 || !klein.ends_with('e') ||
        !IstKonsonantenbuchstabe(klein[klein.size() - 2]) || Vokalgruppen(klein) < 2 ||
        laute.empty() || LautName(laute.back().code) != "e:" ||
        laute.back().betonung == Betonung::Keine)
        return;
    const Betonung betonung = laute.back().betonung;
    laute.back() = {static_cast<std::uint8_t>(Code("@")), Betonung::Keine};
    for (std::size_t i = laute.size() - 1; i-- > 0;)
        if (IstVokal(laute[i].code) && !IstSchwa(laute[i].code)) {
            if (laute[i].betonung == Betonung::Keine || betonung == Betonung::Haupt)
                laute[i].betonung = betonung;
            return;
        }
    Lautfolge mitN = aussprache.Laute(std::string(wort) + 'n');
    if (mitN.size() >= 2 && LautName(mitN.back().code) == "n" &&
        IstSchwa(mitN[mitN.size() - 2].code)) {
        mitN.pop_back();
        laute = std::move(mitN);
    }
}

} // namespace

std::size_t Reimvokal(const Lautfolge& laute, std::string_view klein) {
    std::size_t haupt = kKeinReimvokal;
    std::size_t neben = kKeinReimvokal;
    std::size_t letzterVoller = kKeinReimvokal;
    std::size_t letzter = kKeinReimvokal;
    for (std::size_t i = 0; i < laute.size(); ++i) {
        if (!IstVokal(laute[i].code))
            continue;
        letzter = i;
        if (!IstSchwa(laute[i].code))
            letzterVoller = i;
        if (laute[i].betonung == Betonung::Haupt)
            haupt = i;
        else if (laute[i].betonung == Betonung::Neben)
            neben = i;
    }
    if (haupt == kKeinReimvokal) {
        if (neben != kKeinReimvokal)
            return neben;
        return letzterVoller != kKeinReimvokal ? letzterVoller : letzter;
    }
    const std::size_t schwach = SchwacherTeil(laute, klein);
    // A secondary stress right after another vowel is espeak-ng's mark of a hiatus ("Radio"
    // r 'a d I ,o:), not of a member of a compound.
    std::size_t reimvokal = haupt;
    for (std::size_t i = haupt + 1; i < laute.size() && i < schwach; ++i)
        if (laute[i].betonung == Betonung::Neben && !IstVokal(laute[i - 1].code))
            reimvokal = i;
    if (reimvokal >= schwach) {
        // A main stress on a weak suffix: the full vowel before the suffix carries the rhyme.
        for (std::size_t i = schwach; i-- > 0;)
            if (IstVokal(laute[i].code) && !IstSchwa(laute[i].code))
                return i;
    }
    return reimvokal;
}

std::optional<Reimstelle> GliedReim(std::string_view klein, Lautfolge& laute,
                                    const Gliedquelle& quelle) {
    if (klein.size() < 6)
        return std::nullopt;
    const std::string codes = Codes(laute);
    // Members are words of the list, and no longer.
    for (std::size_t laenge = std::min(klein.size() - 3, kLaengsteZeile); laenge >= 3; --laenge) {
        const std::string_view glied = klein.substr(klein.size() - laenge);
        if (IstSchwacheEndung(glied))
            continue;
        const auto schluessel = quelle.ReinerSchluessel(glied);
        if (!schluessel || schluessel->empty())
            continue;
        const std::string anlaut(quelle.Anlaut(glied).value_or(std::string_view()));
        const bool gleich = codes.ends_with(*schluessel);
        const std::size_t reduziert =
            gleich || laenge < 4 ? std::string::npos : ReduziertesGlied(codes, anlaut, *schluessel);
        if ((!gleich && reduziert == std::string::npos) ||
            !VorderteilIstWort(klein.substr(0, klein.size() - laenge), quelle))
            continue;
        if (gleich) {
            // Under the word's main stress the member ends no compound but a word split at
            // random ("gemacht", "Gestein"), whose onset is its own.
            const std::size_t vokal = laute.size() - schluessel->size();
            const bool zufall = laute[vokal].betonung == Betonung::Haupt;
            return Reimstelle{vokal, zufall ? SilbenAnlaut(laute, vokal) : anlaut};
        }
        // The member's own sounds in place of the reduced ones, its rhyme vowel stressed.
        laute.resize(reduziert);
        const std::string eigene = anlaut + std::string(*schluessel);
        for (std::size_t i = 0; i < eigene.size(); ++i)
            laute.push_back({static_cast<std::uint8_t>(eigene[i]),
                             i == anlaut.size() ? Betonung::Neben : Betonung::Keine});
        return Reimstelle{reduziert + anlaut.size(), anlaut};
    }
    return std::nullopt;
}

Lautfolge LauteMitGliedern(Aussprache& aussprache, std::string_view wort, std::string_view klein,
                           const Gliedquelle& quelle) {
    if (const Lautfolge* eigene = aussprache.Korrektur(klein))
        return *eigene;
    // Only members as long as a corrected word can have a correction: a long word costs no more.
    const std::size_t laengstes =
        std::min(klein.size() >= 6 ? klein.size() - 3 : 0, aussprache.LaengsteKorrektur());
    for (std::size_t laenge = laengstes; laenge >= 3; --laenge) {
        const Lautfolge* glied = aussprache.Korrektur(klein.substr(klein.size() - laenge));
        const std::string_view vorne = klein.substr(0, klein.size() - laenge);
        if (!glied || !VorderteilIstWort(vorne, quelle))
            continue;
        Lautfolge laute = aussprache.Laute(wort.substr(0, vorne.size()));
        laute.insert(laute.end(), glied->begin(), glied->end());
        return laute;
    }
    Lautfolge laute = aussprache.Laute(wort);
    SchlussESchwaechen(aussprache, wort, klein, laute);
    LehnsuffixBetonen(laute, klein);
    return laute;
}

Reimstelle ReimstelleMitGliedern(std::string_view klein, Lautfolge& laute,
                                 const Gliedquelle& quelle) {
    if (std::optional<Reimstelle> glied = GliedReim(klein, laute, quelle))
        return std::move(*glied);
    const std::size_t vokal = Reimvokal(laute, klein);
    return {vokal, SilbenAnlaut(laute, vokal)};
}

std::string SilbenAnlaut(const Lautfolge& laute, std::size_t vokal) {
    if (vokal >= laute.size())
        return {};
    std::size_t anfang = vokal;
    while (anfang > 0 && !IstVokal(laute[anfang - 1].code))
        --anfang;
    if (anfang > 0 && anfang < vokal) {
        std::size_t laenge = std::min<std::size_t>(vokal - anfang, 3);
        while (laenge > 1 && !IstAnlautgruppe(laute, vokal - laenge, vokal))
            --laenge;
        anfang = vokal - laenge;
    }
    std::string anlaut;
    for (std::size_t i = anfang; i < vokal; ++i)
        anlaut += static_cast<char>(laute[i].code);
    return anlaut;
}

std::string Betonungsmuster(const Lautfolge& laute, std::size_t reimvokal, std::string_view klein) {
    const std::size_t schwach = SchwacherTeil(laute, klein);
    std::string muster;
    for (std::size_t i = 0; i < laute.size(); ++i) {
        if (!IstVokal(laute[i].code))
            continue;
        const Betonung betonung = laute[i].betonung;
        const bool betont =
            i == reimvokal ||
            (i < schwach &&
             (betonung == Betonung::Haupt ||
              (betonung == Betonung::Neben && (i == 0 || !IstVokal(laute[i - 1].code)))));
        muster += betont ? 'X' : 'x';
    }
    return muster;
}

Klangschluessel SchluesselAb(const Lautfolge& laute, std::size_t reimvokal) {
    Klangschluessel schluessel;
    if (reimvokal >= laute.size())
        return schluessel;
    schluessel.rein = Codes(laute, reimvokal);
    std::size_t anfang = kKeinReimvokal;
    for (std::size_t i = reimvokal; i-- > 0;) {
        if (!IstVokal(laute[i].code))
            continue;
        if (anfang == kKeinReimvokal)
            anfang = i; // the vowel before, unless a stressed one comes earlier
        if (laute[i].betonung != Betonung::Keine) {
            anfang = i;
            break;
        }
    }
    if (anfang == kKeinReimvokal)
        return schluessel;
    for (std::size_t i = anfang; i < reimvokal; ++i)
        if (IstVokal(laute[i].code))
            schluessel.zweisilbig += static_cast<char>(laute[i].code);
    schluessel.zweisilbig += kTrenner;
    schluessel.zweisilbig += schluessel.rein;
    return schluessel;
}

std::string Unrein(std::string_view schluessel) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kVokale{
        {{"E:", "e:"}, {"Y:", "e:"}, {"W", "E"}, {"y:", "i:"}, {"y", "I"}, {"OY", "aI"}}};
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 7> kMitlaute{
        {{"b", "p"}, {"d", "t"}, {"g", "k"}, {"v", "f"}, {"z", "s"}, {"Z", "S"}, {"dZ", "tS"}}};
    using Tabelle = std::array<char, 256>;
    const auto tabelle = [](const auto& paare) {
        Tabelle t{};
        for (int i = 0; i < 256; ++i)
            t[static_cast<std::size_t>(i)] = static_cast<char>(i);
        for (const auto& [von, zu] : paare)
            t[static_cast<unsigned char>(Codes(LauteAusTabelle(von))[0])] =
                Codes(LauteAusTabelle(zu))[0];
        return t;
    };
    static const Tabelle kVokaltabelle = tabelle(kVokale);
    static const Tabelle kMitlauttabelle = tabelle(kMitlaute);

    std::string ergebnis(schluessel);
    std::size_t auslaut = ergebnis.size(); // the consonants after the last vowel
    while (auslaut > 0 && !IstVokal(static_cast<std::uint8_t>(ergebnis[auslaut - 1])))
        --auslaut;
    for (std::size_t i = 0; i < ergebnis.size(); ++i) {
        const auto code = static_cast<unsigned char>(ergebnis[i]);
        ergebnis[i] = i < auslaut ? kVokaltabelle[code] : kMitlauttabelle[code];
    }
    return ergebnis;
}

} // namespace quandel
