#pragma once

#include "phonetics/aussprecher.h"
#include "phonetics/reimschluessel.h"
#include "text/kodierung.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace quandel::test {

// Recorded pronunciations (espeak-ng 1.51, German voice), so the key logic is tested without
// the library. A word it does not know fails the test.
class FesteAussprache : public Aussprecher {
public:
    // Words in UTF-8.
    FesteAussprache(std::initializer_list<std::pair<std::string, std::string>> phoneme) {
        for (const auto& [wort, laute] : phoneme)
            phoneme_.emplace(Cp1252AusUtf8(wort), laute);
    }

    std::string Phoneme(std::string_view wort) override {
        ++aufrufe;
        const auto gefunden = phoneme_.find(std::string(wort));
        if (gefunden == phoneme_.end()) {
            ADD_FAILURE() << "keine Aussprache für " << Utf8AusCp1252(wort);
            return {};
        }
        return gefunden->second;
    }

    int aufrufe = 0;

private:
    std::map<std::string, std::string> phoneme_;
};

// A word list for the compound rule: words (UTF-8, lower case) with their pure keys given as
// espeak-ng names ("o: f"), or without a key; an onset stands before "|" ("h | o: f").
class FesteGlieder : public Gliedquelle {
public:
    FesteGlieder(std::initializer_list<std::pair<std::string, std::string>> worte) {
        for (const auto& [wort, laute] : worte) {
            const std::size_t strich = laute.find('|');
            const std::string anlaut = strich == std::string::npos ? "" : laute.substr(0, strich);
            const std::string rein = strich == std::string::npos ? laute : laute.substr(strich + 1);
            glieder_.emplace(Cp1252AusUtf8(wort), std::pair(Codes(LauteAusTabelle(rein)),
                                                            Codes(LauteAusTabelle(anlaut))));
        }
    }
    bool IstWort(std::string_view klein) const override {
        return glieder_.contains(std::string(klein));
    }
    std::optional<std::string_view> ReinerSchluessel(std::string_view klein) const override {
        const auto gefunden = glieder_.find(std::string(klein));
        if (gefunden == glieder_.end())
            return std::nullopt;
        return std::string_view(gefunden->second.first);
    }
    std::optional<std::string_view> Anlaut(std::string_view klein) const override {
        const auto gefunden = glieder_.find(std::string(klein));
        if (gefunden == glieder_.end())
            return std::nullopt;
        return std::string_view(gefunden->second.second);
    }

private:
    std::map<std::string, std::pair<std::string, std::string>> glieder_; // key, onset
};

// A key as espeak-ng names, for readable failures: "Y: r"; a two-syllable key shows its
// divide as "|".
inline std::string Namen(std::string_view codes) {
    std::string namen;
    for (const char code : codes) {
        if (!namen.empty())
            namen += ' ';
        namen += code == '\x7F' ? std::string_view("|") : LautName(static_cast<std::uint8_t>(code));
    }
    return namen;
}

} // namespace quandel::test
