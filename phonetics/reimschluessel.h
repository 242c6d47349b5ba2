#pragma once

#include "phonetics/aussprachetabelle.h"
#include "phonetics/laute.h"

#include <optional>
#include <string>
#include <string_view>

namespace quandel {

inline constexpr std::size_t kKeinReimvokal = std::string::npos;

// The vowel a rhyme starts from: the vowel of the last stressed syllable. A secondary stress
// after the main one counts (espeak-ng marks the last member of a compound so: "Sonnenschein"
// z 'O n @ n S ,aI n -> aI), except on the weak suffixes -ung, -heit, -keit, -schaft, -tum,
// -nis, -lich, -ig, -isch, -chen, -lein, -ling, -sam, -bar, -haft and the short -in of
// "Lehrerin", with their endings, and right after another vowel ("Radio" r 'a d I ,o: -> a);
// a main stress on a weak suffix moves to the vowel before it ("Ballung" b a l 'U N -> a). klein is
// the word in lower case (Windows-1252). Returns the index of the vowel in laute, or kKeinReimvokal
// for a word without vowels.
std::size_t Reimvokal(const Lautfolge& laute, std::string_view klein);

// What the compound rule needs of the word list: whether a lower-case word is in it, and the
// pure key of a word of the list. Like every word list it holds no word longer than
// kLaengsteZeile bytes, so longer texts are never asked for.
class Gliedquelle {
public:
    virtual ~Gliedquelle() = default;
    virtual bool IstWort(std::string_view klein) const = 0;
    virtual std::optional<std::string_view> ReinerSchluessel(std::string_view klein) const = 0;
};

// The compound rule: where the word ends with a longer-than-two-letter word of the list after
// at least three letters, the front is a word of the list (also with a linking "s", "es",
// "n", "en", "er", "e", "ns" or "ens", or as the stem of a word in "-e", "-n" or "-en"), and
// the word's sounds end with that last member's pure key, the rhyme starts where the member's
// does: "Bahnhof" b 'a: n h o: f + "Hof" (o: f) -> o:. The longest such member wins. Returns
// the index of that vowel in laute, or kKeinReimvokal where the rule does not apply (so
// "Kaffee" keeps its own stress: "kaf" is no word).
std::size_t GliedReimvokal(std::string_view klein, const Lautfolge& laute,
                           const Gliedquelle& quelle);

// The sounds of a word: its own correction, else where it ends with a corrected word of at
// least three letters after a front that is a word (as for GliedReimvokal), the front's sounds
// followed by the corrected ones ("Handtuch": "Hand" + t 'u: x), else the pronouncer's.
// wort as it stands, klein the same lowered.
Lautfolge LauteMitGliedern(Aussprache& aussprache, std::string_view wort, std::string_view klein,
                           const Gliedquelle& quelle);

// The rhyme vowel with the compound rule first, then Reimvokal.
std::size_t ReimvokalMitGliedern(std::string_view klein, const Lautfolge& laute,
                                 const Gliedquelle& quelle);

// The keys of a word, as codes of sounds (see Codes):
//  - rein: the sounds from the rhyme vowel to the end;
//  - zweisilbig: the vowels from the stressed vowel before the rhyme vowel (or, without one,
//    the vowel before it) up to the rhyme vowel, then the pure key: "Sonnenschein" and
//    "Mondenschein" both give O @ | aI n. Empty for a word with one vowel before the end.
// Both are empty for a word without vowels; an empty key rhymes with nothing.
struct Klangschluessel {
    std::string rein;
    std::string zweisilbig;
};

Klangschluessel SchluesselAb(const Lautfolge& laute, std::size_t reimvokal);

// The near-rhyme form of a key: long e and long ä, ö and e, ü and i, eu and ei fall together,
// and so do voiced and voiceless final consonants (b/p, d/t, g/k, v/f, z/s, Z/S, dZ/tS).
// "Glück" y k and "Blick" I k both give I k; "Freude" and "Kreide" aI d @, but "Seite" keeps
// its t.
std::string Unrein(std::string_view schluessel);

} // namespace quandel
