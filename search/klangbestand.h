#pragma once

#include "phonetics/espeak.h"
#include "phonetics/klangindex.h"
#include "search/klangreim.h"

#include <cstdint>
#include <optional>
#include <string>

namespace quandel {

// What the sound search keeps for a run: espeak-ng, the corrections (the project's table and
// the user's) and the keys of the current word stock. The main window or the command line owns
// it next to the lexicon; one thread uses it.
class Klangbestand {
public:
    explicit Klangbestand(Aussprachetabelle korrekturen) : korrekturen_(std::move(korrekturen)) {}
    Klangbestand(const Klangbestand&) = delete;
    Klangbestand& operator=(const Klangbestand&) = delete;

    // Whether keys for exactly the lexicon's words are at hand. Keys read from a saved index
    // serve only while its file is as it was when mapped.
    bool Bereit(const Lexikon& lexikon) const;

    // Makes the keys of the lexicon's words ready: the given ones where they belong to these
    // words (the compiled keys of the built-in stock), else those stored in the lexicon's image
    // with the same pronunciation, else computed, reporting through berechnung; computed keys
    // are saved with the image as the index at indexPfad (when not empty) for the next time.
    // False when the abort flag stopped the computing.
    bool Vorbereiten(const Lexikon& lexikon, std::optional<KlangIndex> gespeichert,
                     Berechnung berechnung, const std::string& indexPfad = {});

    // The sound search over the prepared keys (see KlangreimSuchen): the hits in the order
    // wahl asks for, each with its kind, rank (from haeufigkeit) and stress pattern.
    // kontext.AbbruchFlag also stops espeak-ng.
    KlangErgebnis Suchen(SuchKontext& kontext, const SuchEinstellungen& einstellungen,
                         const Klangwahl& wahl, const Haeufigkeit& haeufigkeit);

    // A word's pronunciation, syllable count and stress pattern (see WortklangVon); needs
    // prepared keys.
    Wortklang Klang(const Lexikon& lexikon, std::string_view wort);

    const KlangIndex* Index() const { return index_ ? &*index_ : nullptr; }

private:
    Klangquelle Quelle() { return {aussprache_, *index_}; }
    // Tells the pronunciation the keys are made with: espeak-ng's version and the corrections.
    std::uint64_t ausspracheKennung();

    EspeakAussprecher espeak_;
    Aussprachetabelle korrekturen_;
    Aussprache aussprache_{espeak_, korrekturen_};
    std::optional<KlangIndex> index_;
    std::shared_ptr<const AbbildSpeicher> abbild_; // the image index_ lies in, if any
};

} // namespace quandel
