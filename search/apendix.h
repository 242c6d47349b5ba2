#pragma once

#include "text/stringliste.h"

#include <cstdint>
#include <deque>
#include <string>

namespace quandel {

// The record attached to each hit that a lexicon query adds: which form found it.
struct Apendix {
    std::string Suchform;
    std::string Zusatz;
    std::int32_t Laenge = 0;
};

// Owns every Apendix of a run; a deque, so the addresses that hit lists hold stay valid.
using ApendixListe = std::deque<Apendix>;

// A hit list: words of the stock, each with the record of the form that found it.
using TrefferListe = StringListe<Apendix>;

} // namespace quandel
