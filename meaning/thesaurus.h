#pragma once

#include "lexicon/abbild.h"
#include "lexicon/textfeld.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quandel {

// Where Debian's package openthesaurus-de-text puts OpenThesaurus (LGPL-2.1+).
inline constexpr std::string_view kThesaurusVorgabe = "/usr/share/openthesaurus-de/thesaurus.txt";

// The word a thesaurus entry is found by: the entry without its marks in parentheses and with
// single blanks: "abdüsen (ugs.)" -> "abdüsen", "(jemandem ist) schwer ums Herz" -> "schwer
// ums Herz".
std::string Kernwort(std::string_view eintrag);

// The synonym sets of a thesaurus in OpenThesaurus's text format: UTF-8, one set per line, its
// entries separated by ";", comment lines starting with "#". Entries keep their marks ("(ugs.)",
// "(Hauptform)") for display and are found by their Kernwort. Texts in and out are Windows-1252;
// an entry with a character Windows-1252 cannot hold (in Debian's file 19 of 137,438: Greek
// letters such as π, some place names such as Chişinău) is left out of its set, as is a set of
// fewer than two entries.
//
// A word is looked up as it is written ("Kummer", "weg" the adverb, "Weg" the noun); a word no
// entry has exactly is looked up ignoring case ("kummer" finds the sets of "Kummer"). Gruppen,
// Synonyme and SinnkreisVon take the word as typed, by its Kernwort: "abdüsen (ugs.)" and
// " abdüsen" find what "abdüsen" finds.
//
// All of it lives in one image (abbild.h), built from the text or mapped from the cache folder
// (ThesaurusLaden); copies share it. Only read once made.
class Thesaurus {
public:
    Thesaurus() = default;

    // The numbers of the sets that hold the word, ascending (their order in the file).
    std::vector<std::uint32_t> GruppenVon(std::string_view wort) const;

    // The sets that hold the word, in the file's order, each with its entries in the set's
    // order as they stand in the file ("abdüsen (ugs.)"), the word itself left out:
    //   "Kummer" -> {{"Trauer", "Gram"}, {"Sorge", "Leid", "Verzweiflung", "Leiden"}}
    std::vector<std::vector<std::string>> Gruppen(std::string_view wort) const;

    // The entries of those sets one after the other, each word once (with the marks it has
    // where it comes first): "Kummer" -> Trauer, Gram, Sorge, Leid, Verzweiflung, Leiden.
    std::vector<std::string> Synonyme(std::string_view wort) const;

    // The sets of the word and the sets of every word in them: what a word must share a set
    // with to be a synonym of the word or of one of its synonyms. Empty when the word is in no
    // set.
    //   "Witz" -> the sets of Witz (Witz, Komik, Humor; Witz, Esprit, Geist; Gag, Scherz, ...)
    //             and those of Komik, Humor, Esprit, Geist, Gag, Scherz, Joke
    std::vector<std::uint32_t> SinnkreisVon(std::string_view wort) const;

    // Whether the word is in one of the sets of the Sinnkreis.
    bool ImSinnkreis(std::span<const std::uint32_t> sinnkreis, std::string_view wort) const;

    std::size_t GruppenAnzahl() const;
    std::size_t EintragAnzahl() const { return eintraege_.size(); }
    // The image, to save as an index file.
    std::string_view Abbild() const;
    // Throws IndexVeraendert when the index file the image is mapped from has changed since it
    // was mapped (cut short or written to): what was read from it since is no answer. An image
    // in the program's own memory never changes.
    void AbbildPruefen() const;

    // Takes over an image if it is whole and made from the thesaurus of that identity by this
    // program version; nullopt otherwise. Pruefumfang::Kopf only for an image known unchanged
    // since a full check (abbild.h).
    static std::optional<Thesaurus> AusAbbild(std::shared_ptr<const AbbildSpeicher> speicher,
                                              const ListenKennung& kennung,
                                              Pruefumfang umfang = Pruefumfang::Alles);

private:
    std::optional<std::size_t> schluesselNr(std::string_view wort) const;
    std::span<const std::uint32_t> gruppenDes(std::size_t schluessel) const;
    // The numbers of the set's first entry and of the one after its last.
    std::pair<std::size_t, std::size_t> eintraegeDer(std::uint32_t gruppe) const;

    std::shared_ptr<const AbbildSpeicher> speicher_;
    TextFeld eintraege_;                              // the entries, set after set
    std::span<const std::uint32_t> gruppenAnfang_;    // first entry of each set, then the count
    TextFeld schluessel_;                             // the Kernwoerter, sorted by bytes, once
    std::span<const std::uint32_t> schluesselAnfang_; // first of each Kernwort's set numbers
    std::span<const std::uint32_t> schluesselGruppen_;
    std::span<const std::uint32_t> kleinOrdnung_; // Kernwort numbers sorted ignoring case
};

// The identity a thesaurus's image carries: the checksum and length of its bytes, and
// kThesaurusKennzahl in place of a word list's encoding, so that no word list's index is ever
// taken for it.
inline constexpr std::uint32_t kThesaurusKennzahl = 0x53594E31; // "SYN1"
ListenKennung ThesaurusKennung(std::string_view bytes);

// The thesaurus of a text (UTF-8) in memory; quelle names it in messages. Throws Fehler for a
// line that is not UTF-8: "<quelle>, Zeile 12: Ungültige UTF-8-Bytefolge an Byte 7."
Thesaurus ThesaurusAusText(std::string_view utf8, const std::string& quelle);

} // namespace quandel
