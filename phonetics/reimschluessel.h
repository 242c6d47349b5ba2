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
// pure key and the onset (see SilbenAnlaut) of a word of the list. Like every word list it
// holds no word longer than kLaengsteZeile bytes, so longer texts are never asked for.
class Gliedquelle {
public:
    virtual ~Gliedquelle() = default;
    virtual bool IstWort(std::string_view klein) const = 0;
    virtual std::optional<std::string_view> ReinerSchluessel(std::string_view klein) const = 0;
    virtual std::optional<std::string_view> Anlaut(std::string_view klein) const = 0;
};

// Where a word's rhyme starts: the index of the rhyme vowel in its sounds (kKeinReimvokal for a
// word without vowels), and the onset of that syllable as codes, which tells an identical rhyme
// (Herz - Löwenherz, onset h in both) from a pure one (Herz - Schmerz).
struct Reimstelle {
    std::size_t vokal = kKeinReimvokal;
    std::string anlaut;
};

// The compound rule: where the word ends with a longer-than-two-letter word of the list after
// at least three letters, the front is a word of the list (also with a linking "s", "es",
// "n", "en", "er", "e", "ns" or "ens", or as the stem of a word in "-e", "-n" or "-en"), and
// the word's sounds end with that last member's pure key, the rhyme starts where the member's
// does, with the member's onset: "Bahnhof" b 'a: n h o: f + "Hof" (h, o: f) -> o:, h
// (where the member's vowel has the word's main stress, the word's own: "gemacht" is no
// compound of "acht", its onset is m). The
// longest such member wins. A weak suffix, also with an ending ("bar", "baren", "innen"), is
// never a member. Where espeak-ng reduced the member's rhyme vowel and its r to the vocalic -er
// (a member of four letters or more, whose onset must match as well), the member's own sounds
// take their place in laute, its rhyme vowel with a secondary stress: "Löwenherz"
// l 'Y: v E n h 3 ts + "Herz" (h, E r ts) -> l 'Y: v E n h ,E r ts. Returns nothing where the
// rule does not apply (so "Kaffee" keeps its own stress: "kaf" is no word).
std::optional<Reimstelle> GliedReim(std::string_view klein, Lautfolge& laute,
                                    const Gliedquelle& quelle);

// The sounds of a word: its own correction, else where it ends with a corrected word of at
// least three letters after a front that is a word (as for GliedReim), the front's sounds
// followed by the corrected ones ("Handtuch": "Hand" + t 'u: x), else the pronouncer's, with
// the stress of the loan-word suffixes -ismus, -ismen, -ess, -esse, -essen and -esses put on the
// suffix where espeak-ng misses it (an earlier main stress becomes a secondary one):
// "Atheismus" 'a t aI s m ,U s -> ,a t e: 'I s m U s; "Abszessen" 'a p s ts E s @ n ->
// ,a p s ts 'E s @ n. wort as it stands, klein the same lowered.
Lautfolge LauteMitGliedern(Aussprache& aussprache, std::string_view wort, std::string_view klein,
                           const Gliedquelle& quelle);

// The rhyme with the compound rule first (which may change laute, see GliedReim), else
// Reimvokal with SilbenAnlaut.
Reimstelle ReimstelleMitGliedern(std::string_view klein, Lautfolge& laute,
                                 const Gliedquelle& quelle);

// The onset of the syllable of the vowel at `vokal`, as codes: at the start of the word all
// consonants before it, else the longest German onset among the consonants since the vowel
// before ("Weltschmerz" ... l t S m 'E -> S m; "Heidelberg" ... l b ,E -> b), nothing after
// another vowel.
std::string SilbenAnlaut(const Lautfolge& laute, std::size_t vokal);

// The stress pattern for the metre, one letter per syllable (vowel): X for a stressed syllable,
// x for an unstressed one. Stressed are the rhyme vowel, the main stress and espeak-ng's
// secondary stresses, except those the rhyme ignores too (on a weak suffix, right after another
// vowel): "Gebäude" xXx, "Sonnenschein" XxX, "Wohnung" Xx, "Radio" Xxx.
std::string Betonungsmuster(const Lautfolge& laute, std::size_t reimvokal, std::string_view klein);

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
