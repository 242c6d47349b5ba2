#pragma once

#include "meaning/thesaurus.h"
#include "meaning/wortart.h"
#include "meaning/wortartentabelle.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quandel {

// The main window's side of meaning: the thesaurus its synonyms come from, loaded with its saved
// index at its first use, and the word classes and the sense word that the rhyme searches' hits
// are sieved by. Without settings every hit stays.
class Sinnwahl {
public:
    Sinnwahl();

    // The thesaurus; loaded from the file at the first call. Throws Fehler when the file is
    // missing (the message names the package to install) or cannot be read.
    const Thesaurus& thesaurus();
    // Uses the thesaurus in that file from now on, loaded at once; throws Fehler and keeps the
    // one before when it cannot be read. A sense word it does not hold is dropped.
    void ThesaurusLaden(const std::string& pfad);
    const std::string& ThesaurusPfad() const { return pfad_; }

    // The words of every set that holds the word, each once (Thesaurus::Synonyme).
    std::vector<std::string> Synonyme(std::string_view wort);

    void WortartenSetzen(Wortarten arten) { arten_ = arten; }
    Wortarten Arten() const { return arten_; }

    // Hits must share a set with the word or with one of its synonyms; an empty word ends
    // that. False, and the setting unchanged, when the word is in no set.
    bool SinnSetzen(const std::string& wort);
    const std::string& Sinn() const { return sinn_; }

    bool Aktiv() const { return !arten_.Unbekannt() || !sinn_.empty(); }
    // Removes the hits the settings do not keep; the others keep their order.
    void Sieben(std::vector<std::string>& treffer);

private:
    // What was read from a saved index that changed meanwhile is no answer: the thesaurus is
    // loaded again at its next use, and the change is reported as an error.
    void AbbildPruefen();

    std::string pfad_;
    std::optional<Thesaurus> thesaurus_;
    Wortartentabelle tabelle_;
    Wortarten arten_;
    std::string sinn_;
};

} // namespace quandel
