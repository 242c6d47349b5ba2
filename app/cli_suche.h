#pragma once

#include "app/cli_aufruf.h"
#include "search/klangbestand.h"
#include "search/suchkontext.h"

#include <string>

namespace quandel::cli {

// Runs the search of the call's mode (the sound search with klang, which it needs, saving
// computed keys with the index at indexPfad; only it gives Klangtreffer); the spoonerism and
// the computing of sound keys draw their progress bar on stderr when `terminal`.
KlangErgebnis Suchen(const Aufruf& aufruf, Klangbestand* klang, const Haeufigkeit& haeufigkeit,
                     const std::string& indexPfad, SuchKontext& kontext,
                     const SuchEinstellungen& einstellungen, bool terminal);

} // namespace quandel::cli
