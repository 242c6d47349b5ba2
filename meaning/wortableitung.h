#pragma once

#include "meaning/wortart.h"
#include "text/kleinschreibung.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace quandel::ableitung {

// The classes of word forms the table does not list, taken from a listed base form where the
// ending leaves no doubt. `Gelistet` is what the table lists for exactly one form (Windows-1252):
//   Wortarten gelistet(std::string_view form)
// The rules read only the listed forms, never derived ones; a capitalised word is tried as a
// noun only, a lower-case one as a verb, adjective or other form only.

inline bool IstGross(char zeichen) {
    return Klein(zeichen) != zeichen;
}

inline char Gross(char zeichen) {
    const auto u = static_cast<unsigned char>(zeichen);
    if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7))
        return static_cast<char>(u - 32);
    return zeichen;
}

// Two texts joined on the stack: the rules try many joins per word, most of them no form of
// the table. One too long for any form reads as empty, which no form is.
class Verbunden {
public:
    Verbunden(std::string_view a, std::string_view b) {
        if (a.size() + b.size() > sizeof puffer_)
            return;
        std::copy(a.begin(), a.end(), puffer_);
        std::copy(b.begin(), b.end(), puffer_ + a.size());
        laenge_ = a.size() + b.size();
    }
    operator std::string_view() const { return {puffer_, laenge_}; }

private:
    char puffer_[256];
    std::size_t laenge_ = 0;
};

// Endings of the plural and the genitive: Wohnung-en, Lehrerin-nen, Kind-er, Tag-es.
inline constexpr std::array<std::string_view, 9> kNomenEndungen{"e",  "en",  "n",   "s", "es",
                                                                "er", "ern", "nen", "ns"};

// The shortest last member of a compound taken as its head: "Liebeskummer" is a noun because
// "Kummer" is; "Ei" or "Tor" would make too many words nouns by accident.
inline constexpr std::size_t kKuerzesterKopf = 4;

// A listed noun with one of the noun endings: "Wohnungen" from "Wohnung".
template <typename Gelistet>
bool MitNomenEndung(std::string_view wort, const Gelistet& gelistet, std::size_t kuerzesteBasis) {
    for (std::string_view endung : kNomenEndungen)
        if (wort.size() >= endung.size() + kuerzesteBasis && wort.ends_with(endung) &&
            gelistet(wort.substr(0, wort.size() - endung.size())).Hat(Wortart::Nomen))
            return true;
    return false;
}

// A capitalised word is a noun when it is a listed noun with a noun ending, or a compound
// whose last member (capitalised, at least kKuerzesterKopf letters, after at least two
// letters) is a listed noun, with or without such an ending: "Herzschmerzen".
template <typename Gelistet> bool IstNomenform(std::string_view wort, const Gelistet& gelistet) {
    if (wort.empty() || !IstGross(wort[0]))
        return false;
    if (MitNomenEndung(wort, gelistet, 2))
        return true;
    std::string kopf;
    for (std::size_t i = 2; i + kKuerzesterKopf <= wort.size(); ++i) {
        // Inside a compound its last member starts small, after a hyphen capitalised.
        const bool klein = !IstGross(wort[i]) && Gross(wort[i]) != wort[i];
        if (!klein && !(IstGross(wort[i]) && wort[i - 1] == '-'))
            continue;
        kopf.assign(wort.substr(i));
        kopf[0] = Gross(kopf[0]);
        if (gelistet(kopf).Hat(Wortart::Nomen) || MitNomenEndung(kopf, gelistet, kKuerzesterKopf))
            return true;
    }
    return false;
}

// The stem of a listed infinitive: "scherz" (scherzen), "wander" (wandern), "lächel" (lächeln).
template <typename Gelistet> bool IstStamm(std::string_view stamm, const Gelistet& gelistet) {
    if (stamm.size() < 2)
        return false;
    if (gelistet(Verbunden(stamm, "en")).Hat(Wortart::Verb))
        return true;
    return (stamm.ends_with("el") || stamm.ends_with("er")) &&
           gelistet(Verbunden(stamm, "n")).Hat(Wortart::Verb);
}

// Endings after a verb's stem: imperative and first person (none, -e), present (-st, -t, -est,
// -et), past of weak verbs (-te, -test, -ten, -tet and with e), present participle (-end).
inline constexpr std::array<std::string_view, 15> kVerbEndungen{
    "",    "e",   "st",  "t",     "est",  "et",   "te", "test",
    "ten", "tet", "ete", "etest", "eten", "etet", "end"};

// Endings after a listed verb form: "lief" -> liefen, liefst, lieft.
inline constexpr std::array<std::string_view, 6> kFormEndungen{"en", "n", "st", "t", "est", "et"};

// A past participle with ge-, also after a separable prefix: "gescherzt", "abgemacht".
template <typename Gelistet> bool IstGePartizip(std::string_view wort, const Gelistet& gelistet) {
    for (std::string_view endung : {std::string_view("t"), std::string_view("et")}) {
        if (!wort.ends_with(endung))
            continue;
        const std::string_view ohne = wort.substr(0, wort.size() - endung.size());
        for (std::size_t p = ohne.find("ge"); p != std::string_view::npos;
             p = ohne.find("ge", p + 1))
            if (IstStamm(Verbunden(ohne.substr(0, p), ohne.substr(p + 2)), gelistet))
                return true;
    }
    return false;
}

template <typename Gelistet> bool IstVerbform(std::string_view wort, const Gelistet& gelistet) {
    for (std::string_view endung : kVerbEndungen)
        if (wort.ends_with(endung) &&
            IstStamm(wort.substr(0, wort.size() - endung.size()), gelistet))
            return true;
    for (std::string_view endung : kFormEndungen) {
        if (wort.size() < endung.size() + 2 || !wort.ends_with(endung))
            continue;
        const std::string_view form = wort.substr(0, wort.size() - endung.size());
        if (!IstGross(form[0]) && gelistet(form).Hat(Wortart::Verb))
            return true;
    }
    if (IstGePartizip(wort, gelistet))
        return true;
    // The infinitive with zu after a separable prefix: "aufzunehmen".
    for (std::size_t p = wort.find("zu", 1); p != std::string_view::npos;
         p = wort.find("zu", p + 1))
        if (gelistet(Verbunden(wort.substr(0, p), wort.substr(p + 2))).Hat(Wortart::Verb))
            return true;
    return false;
}

// Endings of the adjective: declension, comparative and superlative with their declension.
inline constexpr std::array<std::string_view, 20> kAdjektivEndungen{
    "e",   "en",   "er",   "es",   "em",   "ere",  "eren",  "erer",  "eres",  "erem",
    "ste", "sten", "ster", "stes", "stem", "este", "esten", "ester", "estes", "estem"};

inline constexpr std::array<std::string_view, 5> kDeklinationsEndungen{"e", "en", "er", "es", "em"};

// A participle that is declined as an adjective: "redenden", "verwahrtem", "eingestuften".
template <typename Gelistet>
bool IstPartizipAlsAdjektiv(std::string_view wort, const Gelistet& gelistet) {
    static constexpr std::array<std::string_view, 8> kUntrennbar{"be",  "ver", "er",   "zer",
                                                                 "ent", "emp", "miss", "ge"};
    for (std::string_view endung : kDeklinationsEndungen) {
        if (wort.size() < endung.size() + 4 || !wort.ends_with(endung))
            continue;
        const std::string_view partizip = wort.substr(0, wort.size() - endung.size());
        // Present participle: infinitive and d (also with zu: "abzuräumender").
        if (partizip.ends_with("nd") &&
            (gelistet(partizip.substr(0, partizip.size() - 1)).Hat(Wortart::Verb) ||
             IstVerbform(partizip.substr(0, partizip.size() - 1), gelistet)))
            return true;
        // Past participle: with ge-, or of a verb that takes none (be-, ver-, ... and -ieren),
        // or a listed strong one ("geschworen").
        if (IstGePartizip(partizip, gelistet))
            return true;
        if (partizip.ends_with("t")) {
            const std::string_view stamm = partizip.substr(0, partizip.size() - 1);
            bool ohneGe = partizip.ends_with("iert");
            for (std::string_view vorsilbe : kUntrennbar)
                ohneGe = ohneGe || partizip.starts_with(vorsilbe);
            if (ohneGe && IstStamm(stamm, gelistet))
                return true;
        }
        if (partizip.ends_with("en") && partizip.find("ge") != std::string_view::npos &&
            gelistet(partizip).Hat(Wortart::Verb))
            return true;
    }
    return false;
}

template <typename Gelistet> bool IstAdjektivform(std::string_view wort, const Gelistet& gelistet) {
    for (std::string_view endung : kAdjektivEndungen) {
        if (wort.size() < endung.size() + 2 || !wort.ends_with(endung))
            continue;
        const std::string_view basis = wort.substr(0, wort.size() - endung.size());
        if (gelistet(basis).Hat(Wortart::Adjektiv))
            return true;
        // A base that ends with e takes the ending without its e: "leise" -> "leisen".
        if (endung[0] == 'e' && gelistet(Verbunden(basis, "e")).Hat(Wortart::Adjektiv))
            return true;
    }
    return IstPartizipAlsAdjektiv(wort, gelistet);
}

// Declined pronouns, articles and numerals: "deinem" from "dein".
template <typename Gelistet> bool IstAndereForm(std::string_view wort, const Gelistet& gelistet) {
    for (std::string_view endung : kDeklinationsEndungen)
        if (wort.size() >= endung.size() + 2 && wort.ends_with(endung) &&
            gelistet(wort.substr(0, wort.size() - endung.size())).Hat(Wortart::Andere))
            return true;
    return false;
}

// The classes of a lower-case form the table does not list.
template <typename Gelistet>
Wortarten KleinAbgeleitet(std::string_view wort, const Gelistet& gelistet) {
    Wortarten arten;
    if (IstVerbform(wort, gelistet))
        arten |= Wortart::Verb;
    if (IstAdjektivform(wort, gelistet))
        arten |= Wortart::Adjektiv;
    if (IstAndereForm(wort, gelistet))
        arten |= Wortart::Andere;
    return arten;
}

// The classes of any form: as listed; else a capitalised word as a derived noun, else as its
// lower-case form (listed or derived); else a lower-case word as derived.
template <typename Gelistet>
Wortarten Wortartenvon(std::string_view wort, const Gelistet& gelistet) {
    if (wort.empty())
        return {};
    if (const Wortarten arten = gelistet(wort); !arten.Unbekannt())
        return arten;
    if (!IstGross(wort[0]))
        return KleinAbgeleitet(wort, gelistet);
    if (IstNomenform(wort, gelistet))
        return Wortart::Nomen;
    const std::string klein = Klein(wort);
    if (const Wortarten arten = gelistet(klein); !arten.Unbekannt())
        return arten;
    return KleinAbgeleitet(klein, gelistet);
}

} // namespace quandel::ableitung
