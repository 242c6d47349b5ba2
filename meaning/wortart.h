#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quandel {

// The word classes the program tells apart. A word may have several: "laufend" is a verb form,
// an adjective and an adverb.
enum class Wortart : std::uint8_t {
    Nomen = 1,
    Verb = 2,
    Adjektiv = 4,
    Adverb = 8,
    Andere = 16, // pronouns, articles, prepositions, conjunctions, numerals, interjections
};

inline constexpr std::array<Wortart, 5> kWortarten{Wortart::Nomen, Wortart::Verb, Wortart::Adjektiv,
                                                   Wortart::Adverb, Wortart::Andere};

// A set of word classes; empty means "unbekannt".
class Wortarten {
public:
    constexpr Wortarten() = default;
    constexpr Wortarten(Wortart art) : bits_(static_cast<std::uint8_t>(art)) {}
    static constexpr Wortarten AusBits(std::uint8_t bits) {
        Wortarten arten;
        arten.bits_ = bits & 0x1F;
        return arten;
    }

    constexpr std::uint8_t Bits() const { return bits_; }
    constexpr bool Unbekannt() const { return bits_ == 0; }
    constexpr bool Hat(Wortart art) const { return (bits_ & static_cast<std::uint8_t>(art)) != 0; }
    // Whether the two sets have a class in common.
    constexpr bool Teilt(Wortarten andere) const { return (bits_ & andere.bits_) != 0; }
    constexpr Wortarten& operator|=(Wortarten andere) {
        bits_ |= andere.bits_;
        return *this;
    }
    constexpr bool operator==(const Wortarten&) const = default;
    // A friend found only through its arguments, so that it hides no other operator| (such as
    // Qt's for keys and flags) in code of this namespace.
    friend constexpr Wortarten operator|(Wortarten a, Wortarten b) { return a |= b; }

private:
    std::uint8_t bits_ = 0;
};

// The name for the reader: "Nomen", "Verb", "Adjektiv", "Adverb", "andere".
std::string_view WortartName(Wortart art);

// The name on the command line and in json: "nomen", "verb", "adjektiv", "adverb", "andere".
std::string_view WortartKennwort(Wortart art);

// The classes of a comma-separated list of those names ("nomen,verb"); nullopt for an unknown
// name or an empty list.
std::optional<Wortarten> WortartenAusKennwoertern(std::string_view liste);

} // namespace quandel
