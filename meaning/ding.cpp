#include "meaning/ding.h"

#include "text/fehler.h"
#include "text/kodierung.h"
#include "text/zeilen.h"

#include <array>

namespace quandel {

namespace {

std::vector<std::string_view> teilen(std::string_view text, std::string_view trenner) {
    std::vector<std::string_view> teile;
    for (std::size_t anfang = 0;;) {
        const std::size_t ende = text.find(trenner, anfang);
        teile.push_back(text.substr(anfang, ende - anfang));
        if (ende == std::string_view::npos)
            return teile;
        anfang = ende + trenner.size();
    }
}

// Drops the abbreviations: "Zeitung {f} /Ztg./" -> "Zeitung {f} ". One starts with a slash
// at the start or after a blank and ends with the next slash before a blank, ";", "|" or the
// end; "er/sie" is none.
std::string ohneAbkuerzungen(std::string_view text) {
    std::string ergebnis;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '/' && (i == 0 || text[i - 1] == ' ') && i + 1 < text.size() &&
            text[i + 1] != ' ') {
            std::size_t j = text.find('/', i + 1);
            while (j != std::string_view::npos && j + 1 < text.size() &&
                   std::string_view(" ;|").find(text[j + 1]) == std::string_view::npos)
                j = text.find('/', j + 1);
            if (j != std::string_view::npos) {
                i = j;
                continue;
            }
        }
        ergebnis += text[i];
    }
    return ergebnis;
}

// The terms of a part, split at the semicolons outside brackets: "scherzen; spaßen {vi}".
std::vector<std::string_view> terme(std::string_view teil) {
    std::vector<std::string_view> ergebnis;
    int tiefe = 0;
    std::size_t anfang = 0;
    for (std::size_t i = 0; i < teil.size(); ++i) {
        const char c = teil[i];
        if (c == '(' || c == '[' || c == '{' || c == '<')
            ++tiefe;
        else if ((c == ')' || c == ']' || c == '}' || c == '>') && tiefe > 0)
            --tiefe;
        else if (c == ';' && tiefe == 0) {
            ergebnis.push_back(teil.substr(anfang, i - anfang));
            anfang = i + 1;
        }
    }
    ergebnis.push_back(teil.substr(anfang));
    return ergebnis;
}

Wortarten klasseVon(std::string_view marke) {
    marke = OhneRand(marke, " ");
    if (marke == "adj")
        return Wortart::Adjektiv;
    if (marke == "adv")
        return Wortart::Adverb;
    if (marke == "vt" || marke == "vi" || marke == "vr" || marke == "v")
        return Wortart::Verb;
    if (marke.starts_with("prp") || marke == "conj" || marke == "pron" || marke == "ppron" ||
        marke == "art" || marke == "num" || marke == "interj" || marke == "Partikel")
        return Wortart::Andere;
    for (std::string_view genus : teilen(marke, ","))
        if (genus != "m" && genus != "f" && genus != "n" && genus != "pl")
            return {};
    return Wortart::Nomen;
}

// A term's classes and its text before its first class mark, brackets of any kind removed.
struct Term {
    Wortarten arten;
    std::string text;
};

Term termLesen(std::string_view term) {
    Term ergebnis;
    std::size_t textEnde = std::string_view::npos;
    for (std::size_t auf = term.find('{'); auf != std::string_view::npos;
         auf = term.find('{', auf + 1)) {
        const std::size_t zu = term.find('}', auf);
        if (zu == std::string_view::npos)
            break;
        const Wortarten arten = klasseVon(term.substr(auf + 1, zu - auf - 1));
        if (!arten.Unbekannt() && textEnde == std::string_view::npos)
            textEnde = auf;
        ergebnis.arten |= arten;
    }
    int tiefe = 0;
    bool luecke = false;
    for (const char c : term.substr(0, textEnde)) {
        if (c == '(' || c == '[' || c == '{' || c == '<') {
            ++tiefe;
        } else if (c == ')' || c == ']' || c == '}' || c == '>') {
            tiefe = tiefe > 0 ? tiefe - 1 : 0;
        } else if (tiefe == 0 && c == ' ') {
            luecke = !ergebnis.text.empty();
        } else if (tiefe == 0) {
            if (luecke)
                ergebnis.text += ' ';
            luecke = false;
            ergebnis.text += c;
        }
    }
    return ergebnis;
}

bool istBuchstabe(char zeichen) {
    const auto u = static_cast<unsigned char>(zeichen);
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') ||
           (u >= 0xC0 && u != 0xD7 && u != 0xF7) || u == 0x8A || u == 0x8C || u == 0x8E ||
           u == 0x9A || u == 0x9C || u == 0x9E || u == 0x9F;
}

// A word of letters, with hyphens or apostrophes inside: "A-Dur", "geht's".
bool istWort(std::string_view wort) {
    if (wort.empty() || !istBuchstabe(wort.front()) || !istBuchstabe(wort.back()))
        return false;
    for (const char c : wort)
        if (!istBuchstabe(c) && c != '-' && c != '\'')
            return false;
    return true;
}

bool istKlein(std::string_view wort) {
    const auto u = static_cast<unsigned char>(wort.front());
    return (u >= 'a' && u <= 'z') || u >= 0xDF;
}

// Pronouns and auxiliaries before an inflected form: "er/sie ist/war gelaufen".
bool istBeiwort(std::string_view wort) {
    static constexpr std::array<std::string_view, 28> kBeiwoerter{
        "ich",  "du",   "er",   "sie",  "es",    "wir",    "ihr",   "man",  "sich",  "mich",
        "dich", "uns",  "euch", "ist",  "war",   "hat",    "hatte", "habe", "haben", "bin",
        "bist", "sind", "seid", "wird", "wurde", "werden", "am",    "hast"};
    for (std::string_view teil : teilen(wort, "/")) {
        bool bekannt = false;
        for (std::string_view beiwort : kBeiwoerter)
            bekannt = bekannt || teil == beiwort;
        if (!bekannt)
            return false;
    }
    return true;
}

class Sammlung {
public:
    void Markiert(std::string_view utf8, Wortarten arten) {
        const std::string text = cp1252(utf8);
        const std::vector<std::string_view> worte = teilen(text, " ");
        bool alleWorte = !text.empty();
        for (std::string_view wort : worte)
            alleWorte = alleWorte && istWort(wort);
        if (alleWorte && worte.size() <= 3)
            aufnehmen(text, arten);
        if (arten.Hat(Wortart::Verb) && worte.size() > 1 && istWort(worte.back()) &&
            istKlein(worte.back()))
            aufnehmen(worte.back(), Wortart::Verb);
    }

    void Geerbt(std::string_view utf8, Wortart art) {
        const std::string text = cp1252(utf8);
        std::vector<std::string_view> worte = teilen(text, " ");
        std::size_t erstes = 0;
        while (erstes + 1 < worte.size() && istBeiwort(worte[erstes]))
            ++erstes;
        if (erstes + 1 != worte.size() || !istWort(worte.back()))
            return;
        if (istKlein(worte.back()) != (art == Wortart::Nomen))
            aufnehmen(worte.back(), art);
    }

    std::vector<Wortform> formen;

private:
    static std::string cp1252(std::string_view utf8) {
        try {
            return Cp1252AusUtf8(utf8);
        } catch (const Fehler&) {
            return {};
        }
    }

    void aufnehmen(std::string_view form, Wortarten arten) {
        for (Wortform& bekannt : formen)
            if (bekannt.form == form) {
                bekannt.arten |= arten;
                return;
            }
        formen.push_back({std::string(form), arten});
    }
};

} // namespace

std::vector<Wortform> DingFormen(std::string_view zeile) {
    const std::size_t trenner = zeile.find(" :: ");
    if (zeile.starts_with('#') || trenner == std::string_view::npos)
        return {};
    const std::string deutsch = ohneAbkuerzungen(zeile.substr(0, trenner));
    Sammlung sammlung;
    Wortarten eintrag;
    bool ersterTeil = true;
    for (std::string_view teil : teilen(deutsch, " | ")) {
        std::vector<std::string> offen; // unmarked terms waiting for a mark
        Wortarten teilArten;
        for (std::string_view rohterm : terme(teil)) {
            Term term = termLesen(rohterm);
            if (term.arten.Unbekannt()) {
                offen.push_back(std::move(term.text));
                continue;
            }
            for (const std::string& text : offen)
                sammlung.Markiert(text, term.arten);
            sammlung.Markiert(term.text, term.arten);
            offen.clear();
            teilArten |= term.arten;
        }
        if (ersterTeil) {
            eintrag = teilArten;
            ersterTeil = false;
            continue;
        }
        for (Wortart art : kWortarten)
            if (eintrag == Wortarten(art))
                for (const std::string& text : offen)
                    sammlung.Geerbt(text, art);
    }
    return std::move(sammlung.formen);
}

} // namespace quandel
