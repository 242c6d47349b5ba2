#pragma once

#include "meaning/ding.h"
#include "meaning/wortart.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quandel {

// The word classes of German word forms, from a compact table made when the program is built
// (tools/wortarten.cpp, from Ding's dictionary; meaning/wortarten_eingebaut.h hands out the
// compiled one). Lookups cost a few hash probes; one thread or many may read it.
//
// The table: `zeichen` holds the listed forms (Windows-1252) one after the other, each followed
// by one byte below 0x20 with its classes (Wortarten::Bits); `plaetze` is an open-addressing
// hash table (a power of two in size, probed linearly) of the offset + 1 of a form in
// `zeichen`, 0 for a free place.
class Wortartentabelle {
public:
    Wortartentabelle(std::span<const std::uint32_t> plaetze, std::string_view zeichen)
        : plaetze_(plaetze), zeichen_(zeichen) {}

    // The classes of a word (Windows-1252), looked up as it is written:
    //  - a listed form has its listed classes ("Schmerz": Nomen; "laufend": Verb, Adjektiv,
    //    Adverb);
    //  - an unlisted capitalised word is a noun when it is a listed noun with a plural or
    //    genitive ending, or a compound whose last member is one ("Herzschmerzen"); else it
    //    is taken as its lower-case form ("Laufen" as "laufen");
    //  - an unlisted lower-case word takes the classes of its base where the ending is sure:
    //    verb forms of a listed infinitive ("verscherz", "verscherzt", "gescherzt",
    //    "aufzunehmen"), declined or compared forms of a listed adjective ("schönere"),
    //    declined participles as adjectives ("redenden"), declined pronouns ("deinem");
    //  - anything else is unknown (empty): "Xyzzy", "Frankfurt am Main".
    Wortarten Von(std::string_view wort) const;

    // Only what the table lists for exactly this form.
    Wortarten Gelistet(std::string_view form) const;

    std::size_t FormAnzahl() const;
    // The table's size in bytes (both arrays).
    std::size_t Bytes() const { return plaetze_.size_bytes() + zeichen_.size(); }

private:
    std::span<const std::uint32_t> plaetze_;
    std::string_view zeichen_;
};

// The hash of a form in the table (FNV-1a).
std::uint32_t WortartenStreuwert(std::string_view form);

// A table being made: its two arrays and how many forms it lists.
struct WortartenDaten {
    std::vector<std::uint32_t> plaetze;
    std::string zeichen;
    std::size_t formen = 0;
    Wortartentabelle Tabelle() const { return {plaetze, zeichen}; }
};

// Makes the table of the given forms (the classes of a form given twice are joined). A
// capitalised form that is only a noun is left out where the table without it derives it as a
// noun anyway (Von: "Aalsuppen" from "Suppe" or "Aalsuppe"), which leaves out most compounds;
// Von then gives every given form exactly its given classes. Forms with a byte below 0x20 are
// not taken.
WortartenDaten WortartenTabelleBauen(const std::vector<Wortform>& formen);

} // namespace quandel
