#include "phonetics/laute.h"

#include "text/fehler.h"

#include <algorithm>
#include <array>
#include <optional>

namespace quandel {

namespace {

struct Eintrag {
    std::string_view name;
    std::string_view ipa;
    bool vokal;
};

// The inventory; a sound's code is its index + 1.
constexpr std::array<Eintrag, 48> kInventar{{
    {"a", "a", true},   {"a:", "aː", true},  {"E", "ɛ", true},    {"e:", "eː", true},
    {"E:", "ɛː", true}, {"I", "ɪ", true},    {"i:", "iː", true},  {"O", "ɔ", true},
    {"o:", "oː", true}, {"U", "ʊ", true},    {"u:", "uː", true},  {"W", "œ", true},
    {"Y:", "øː", true}, {"y", "ʏ", true},    {"y:", "yː", true},  {"@", "ə", true},
    {"3", "ɐ", true},   {"aI", "aɪ", true},  {"aU", "aʊ", true},  {"OY", "ɔʏ", true},
    {"A~", "ɑ̃", true},  {"O~", "ɔ̃", true},   {"E~", "ɛ̃", true},   {"b", "b", false},
    {"C", "ç", false},  {"d", "d", false},   {"dZ", "dʒ", false}, {"f", "f", false},
    {"g", "ɡ", false},  {"h", "h", false},   {"j", "j", false},   {"k", "k", false},
    {"l", "l", false},  {"m", "m", false},   {"n", "n", false},   {"N", "ŋ", false},
    {"p", "p", false},  {"pF", "pf", false}, {"r", "ʁ", false},   {"s", "s", false},
    {"S", "ʃ", false},  {"t", "t", false},   {"tS", "tʃ", false}, {"ts", "ts", false},
    {"v", "v", false},  {"x", "x", false},   {"z", "z", false},   {"Z", "ʒ", false},
}};

// espeak-ng names outside the inventory: its variants of German sounds and the sounds of
// English words, each as one or two sounds of the inventory.
struct Abbildung {
    std::string_view espeak;
    std::string_view erster;
    std::string_view zweiter;
};

constexpr std::array<Abbildung, 35> kAbbildungen{{
    {"A", "a", ""},    {"a#", "a", ""},    {"V", "a", ""},   {"A:", "a:", ""},  {"aa", "a:", ""},
    {"A@", "a:", "r"}, {"E2", "E", ""},    {"e", "e:", ""},  {"e@", "E:", "r"}, {"eI", "e:", ""},
    {"EI", "aI", ""},  {"I2", "I", ""},    {"i", "i:", ""},  {"i2", "i:", ""},  {"i@3", "i:", "@"},
    {"0", "O", ""},    {"O:", "o:", ""},   {"oU", "o:", ""}, {"O@", "o:", "r"}, {"o@", "o:", "r"},
    {"UR", "U", "r"},  {"U@", "u:", "r"},  {"Y", "W", ""},   {"@-", "@", ""},   {"@L", "@", "l"},
    {"3:", "W", "r"},  {"aI@", "aI", "@"}, {"OI", "OY", ""}, {"W~", "E~", ""},  {"R", "r", ""},
    {"r-", "r", ""},   {"D", "z", ""},     {"T", "s", ""},   {"o", "o:", ""},   {"u", "u:", ""},
}};

std::optional<std::uint8_t> CodeVon(std::string_view name) {
    for (std::size_t i = 0; i < kInventar.size(); ++i)
        if (kInventar[i].name == name)
            return static_cast<std::uint8_t>(i + 1);
    if (name == "w")
        return CodeVon("v");
    return std::nullopt;
}

bool IstMarke(std::string_view name) {
    return name.starts_with('_') || name.starts_with('(') || name == ";" || name == "#" ||
           name == "1" || name == "2";
}

// Appends the sounds of one name; false if the name is unknown.
bool Anhaengen(Lautfolge& laute, std::string_view name, Betonung& betonung) {
    auto hinzu = [&](std::uint8_t code) {
        Laut laut{code, Betonung::Keine};
        if (IstVokal(code)) {
            laut.betonung = betonung;
            betonung = Betonung::Keine;
        }
        laute.push_back(laut);
    };
    if (const auto code = CodeVon(name)) {
        hinzu(*code);
        return true;
    }
    for (const Abbildung& abbildung : kAbbildungen) {
        if (abbildung.espeak != name)
            continue;
        hinzu(*CodeVon(abbildung.erster));
        if (!abbildung.zweiter.empty())
            hinzu(*CodeVon(abbildung.zweiter));
        return true;
    }
    return false;
}

bool IstTrenner(char zeichen) {
    return zeichen == ' ' || zeichen == '\t' || zeichen == '\n' || zeichen == '\r';
}

template <typename Unbekannt> Lautfolge LauteLesen(std::string_view phoneme, Unbekannt unbekannt) {
    Lautfolge laute;
    Betonung betonung = Betonung::Keine; // waits for the next vowel
    std::size_t i = 0;
    while (i < phoneme.size()) {
        while (i < phoneme.size() && IstTrenner(phoneme[i]))
            ++i;
        std::size_t ende = i;
        while (ende < phoneme.size() && !IstTrenner(phoneme[ende]))
            ++ende;
        std::string_view name = phoneme.substr(i, ende - i);
        i = ende;
        while (!name.empty() && (name[0] == '\'' || name[0] == ',')) {
            const Betonung marke = name[0] == '\'' ? Betonung::Haupt : Betonung::Neben;
            betonung = std::max(betonung, marke);
            name.remove_prefix(1);
        }
        if (name.empty() || IstMarke(name))
            continue;
        if (!Anhaengen(laute, name, betonung))
            unbekannt(name);
    }
    return laute;
}

} // namespace

Lautfolge LauteAusEspeak(std::string_view phoneme) {
    return LauteLesen(phoneme, [](std::string_view) {});
}

Lautfolge LauteAusTabelle(std::string_view phoneme) {
    return LauteLesen(phoneme, [](std::string_view name) {
        throw Fehler("unbekannter Laut \"" + std::string(name) + "\"");
    });
}

bool IstVokal(std::uint8_t code) {
    return code >= 1 && code <= kInventar.size() && kInventar[code - 1].vokal;
}

std::string_view LautName(std::uint8_t code) {
    return code >= 1 && code <= kInventar.size() ? kInventar[code - 1].name : "?";
}

std::string Codes(const Lautfolge& laute, std::size_t ab) {
    std::string codes;
    for (std::size_t i = ab; i < laute.size(); ++i)
        codes += static_cast<char>(laute[i].code);
    return codes;
}

std::size_t Silbenzahl(const Lautfolge& laute) {
    return static_cast<std::size_t>(
        std::count_if(laute.begin(), laute.end(), [](const Laut& l) { return IstVokal(l.code); }));
}

namespace {

bool IstGleitlaut(std::uint8_t code) {
    const std::string_view name = LautName(code);
    return name == "r" || name == "l";
}

bool IstVerschlussOderReibe(std::uint8_t code) {
    const std::string_view name = LautName(code);
    return name == "b" || name == "p" || name == "d" || name == "t" || name == "g" || name == "k" ||
           name == "f" || name == "v";
}

// Where the syllable of the vowel at position vokal begins: all consonants at the start of the
// word, else the last consonant before it, or the last two for a cluster such as "tr", "bl" or
// "schp".
std::size_t Silbenanfang(const Lautfolge& laute, std::size_t vokal) {
    std::size_t anfang = vokal;
    while (anfang > 0 && !IstVokal(laute[anfang - 1].code))
        --anfang;
    if (anfang == 0 || vokal - anfang <= 1)
        return anfang;
    const std::string_view vorletzter = LautName(laute[vokal - 2].code);
    const std::string_view letzter = LautName(laute[vokal - 1].code);
    if ((IstGleitlaut(laute[vokal - 1].code) && IstVerschlussOderReibe(laute[vokal - 2].code)) ||
        (vorletzter == "S" && (letzter == "p" || letzter == "t")))
        return vokal - 2;
    return vokal - 1;
}

} // namespace

std::string Lautschrift(const Lautfolge& laute) {
    std::vector<bool> markeVor(laute.size() + 1, false);
    std::vector<bool> nebenVor(laute.size() + 1, false);
    for (std::size_t i = 0; i < laute.size(); ++i) {
        if (laute[i].betonung == Betonung::Haupt)
            markeVor[Silbenanfang(laute, i)] = true;
        else if (laute[i].betonung == Betonung::Neben)
            nebenVor[Silbenanfang(laute, i)] = true;
    }
    std::string text;
    for (std::size_t i = 0; i < laute.size(); ++i) {
        if (markeVor[i])
            text += "ˈ";
        else if (nebenVor[i])
            text += "ˌ";
        text += kInventar[laute[i].code - 1].ipa;
    }
    return text;
}

} // namespace quandel
