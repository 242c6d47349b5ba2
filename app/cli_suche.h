#pragma once

#include "app/cli_aufruf.h"
#include "search/suchkontext.h"

namespace quandel::cli {

// Runs the search of the mode; the spoonerism draws its progress bar on stderr when `terminal`.
SuchErgebnis Suchen(Modus modus, SuchKontext& kontext, const SuchEinstellungen& einstellungen,
                    bool terminal);

} // namespace quandel::cli
