#pragma once

#include "phonetics/aussprachetabelle.h"
#include "phonetics/klangindex.h"
#include "search/haeufigkeit.h"
#include "search/suchkontext.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quandel {

// What the sound search needs besides the lexicon: the pronunciation for the typed word and the
// keys of the stock (belonging to the lexicon's Wortbestand). The owner of the search context
// owns them too.
struct Klangquelle {
    Aussprache& aussprache;
    const KlangIndex& index;
};

// The kind of rhyme a hit makes with the search word.
enum class Reimart : std::uint8_t {
    Rein,     // the same key, another onset before the rhyme vowel: Herz - Schmerz
    Unrein,   // only the near key is the same (asked for with Klangart::unrein): Glück - Blick
    Ruehrend, // the same key and the same onset ("rührender Reim", which poets count as
              // weak): Herz - Löwenherz, Sonne - Abendsonne, Berg - Heidelberg, Mal - Mahl
};

enum class Klangordnung {
    // The pure rhymes, then the near ones, then the identical ones; inside each group the more
    // common words first (see Rangschluessel).
    Rang,
    // Every search's order: the caller sorts the hits like those of the end rhyme.
    Alphabet,
};

// What a sound search asks for besides its text.
struct Klangwahl {
    Klangart art;
    Klangordnung ordnung = Klangordnung::Rang;
    bool abkuerzungen = false; // also words read letter by letter (see IstAbkuerzung)
    std::size_t silbenVon = 0; // at least that many syllables; 0: any
    std::size_t silbenBis = 0; // at most that many; 0: no limit
    std::string betonung;      // exactly this stress pattern of x and X ("xXx"); empty: any
};

// A hit of a sound search with what is shown of it beside the word.
struct Klangtreffer {
    std::string wort; // as it stands in the stock (Windows-1252)
    Reimart art = Reimart::Rein;
    std::optional<std::uint32_t> rang; // its commonness rank; none when not listed
    std::string betonung;              // its stress pattern (see Betonungsmuster): "xXx"
    std::size_t Silben() const { return betonung.size(); }
};

struct KlangErgebnis {
    // The hit words in order, as every search returns them; with Klangordnung::Rang in their
    // final order (ohneSortierung), with Alphabet for the caller to sort.
    SuchErgebnis ergebnis;
    // The same hits in the same order, each with its kind, rank and stress pattern.
    std::vector<Klangtreffer> treffer;
};

// Rhymes by sound ("Klang"): the stock words with the same key as the search word (pure, or
// with art.unrein the near key, with art.zweisilbig the two-syllable key), the word itself
// excluded, as asked for in wahl (the syllables and the stress pattern from the stored keys;
// words read letter by letter only when asked for), then the limit words as for the end rhyme.
// A word of the stock takes its stored keys; any other word is pronounced on the spot, the
// compound rule using the stock's words. The ranks come from haeufigkeit. A search that finds
// kontext.AbbruchFlag set once the word is pronounced ends without hits as abgebrochen; the
// caller clears the flag before.
//   "Gehör" -> ... Friseur ...;  "Rost" -> ... but not Trost
//   "Herz" (Rang) -> März, Schmerz, Scherz, ... Aprilscherz ... Löwenherz (identical) ...
KlangErgebnis KlangreimSuchen(SuchKontext& kontext, const SuchEinstellungen& einstellungen,
                              Klangquelle& quelle, const Klangwahl& wahl,
                              const Haeufigkeit& haeufigkeit);

// Whether a word is read letter by letter: its last part (after the last blank or hyphen) is
// a single character, has two capitals or more or no vowel letter: "AfD", "FDJ", "j", "Pkw",
// "US-CD"; not "E-Mail", "Schnee" nor "UNO-Sitz".
bool IstAbkuerzung(std::string_view wort);

// The key of a search word (Windows-1252, as typed) of the kind asked for, near-rhyme form
// included: a word of the stock, written as it stands there, has its stored key; any other
// is pronounced on the spot (so the noun "Weg" is not the adverb "weg" of the stock). Two
// words rhyme by sound when their keys are equal and not empty.
std::string KlangSchluessel(const Lexikon& lexikon, Klangquelle& quelle, std::string_view wort,
                            Klangart art);

// A word's pronunciation for the reader (IPA), its number of syllables and its stress pattern,
// with the corrections and the compound rule its keys are made with.
struct Wortklang {
    std::string lautschrift;
    std::size_t silben = 0;
    std::string betonung;
};

Wortklang WortklangVon(const Lexikon& lexikon, Klangquelle& quelle, std::string_view wort);

} // namespace quandel
