#pragma once

#include "lexicon/abbild.h"
#include "lexicon/baubegleitung.h"
#include "lexicon/textfeld.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quandel {

// The song-rhyme index of a lexicon: vowel sequence -> the numbers of the words with that
// sequence. Sequences equal in collation share one key, named by the sequence of its first
// word. Built here, its arrays are owned; read from an image, they are views into it.
class LiedIndex {
public:
    // The index of the lower-case words for the vowel field text; reports the build's progress
    // from 90 to 98 percent.
    static std::unique_ptr<LiedIndex> Bauen(const TextFeld& klein, std::string_view vokalfeld,
                                            const Baubegleitung& begleitung);

    // Writes the index into its section of an image; reads it back from one of a stock of
    // wortzahl words (throws AbbildFehler when it does not hold together).
    void Entwerfen(AbschnittsEntwurf& entwurf) const;
    void Lesen(AbschnittsLeser& leser, std::size_t wortzahl);

    // The word numbers filed under a vowel sequence (found ignoring case), ascending; empty
    // when the sequence is no key.
    std::span<const std::int32_t> Worte(std::string_view vokalfolge) const;
    std::size_t SchluesselAnzahl() const { return folgen_.size(); }
    const std::string& Vokalfeld() const { return vokalfeld_; }

private:
    struct Lauf;
    static std::vector<Lauf> laeufeBilden(const TextFeld& folgen,
                                          const std::vector<std::uint32_t>& ordnung,
                                          TextSammlung& schluessel);
    void schluesselAnlegen(const std::vector<Lauf>& laeufe, const TextFeld& folgen,
                           const TextFeld& schluessel, const std::vector<std::uint32_t>& ordnung);

    std::string vokalfeld_;
    TextSammlung eigeneFolgen_;
    TextSammlung eigeneSchluessel_;
    std::vector<std::uint32_t> eigeneEnden_;
    std::vector<std::int32_t> eigeneWorte_;

    TextFeld folgen_;                      // the sequences, in collation order
    TextFeld schluessel_;                  // their collation keys
    std::span<const std::uint32_t> enden_; // words of sequence k: worte_[enden_[k] .. enden_[k+1])
    std::span<const std::int32_t> worte_;
};

} // namespace quandel
