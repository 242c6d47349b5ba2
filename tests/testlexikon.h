#pragma once

#include "lexicon/lexikon.h"
#include "lexicon/wortbestand_eingebaut.h"
#include "search/suchkontext.h"
#include "text/kodierung.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace quandel::test {

// The lexicon of the built-in stock, built once per test program.
inline Lexikon& EingebautesLexikon() {
    static Lexikon lexikon;
    if (!lexikon.Aufgebaut()) {
        EreignisHaken haken;
        lexikon.LexikonAufbauen(daten::Wortbestand(), kVokalfeldVorgabe, haken);
    }
    return lexikon;
}

// The default sound groups with their MergeList.
inline const Lautersetzung& VorgabeLautersetzung() {
    static const Lautersetzung ersetzung(VorgabeLautgruppen());
    return ersetzung;
}

inline std::string cp(const std::string& utf8) {
    return Cp1252AusUtf8(utf8);
}

inline std::vector<std::string> utf8(const std::vector<std::string>& texte) {
    std::vector<std::string> ergebnis;
    for (const std::string& t : texte)
        ergebnis.push_back(Utf8AusCp1252(t));
    return ergebnis;
}

inline std::set<std::string> menge(const std::vector<std::string>& texte) {
    const auto u = utf8(texte);
    return {u.begin(), u.end()};
}

} // namespace quandel::test
