#pragma once

#include "app/cli_aufruf.h"
#include "search/suchkontext.h"

namespace quandel::cli {

// The sound search of the call: the keys of the built-in stock as compiled in, those of a word
// list (--wortbestand) computed first, with a progress bar on stderr when `terminal` and
// Ctrl+C (through kontext.AbbruchFlag) stopping it; the corrections of data/aussprache.txt and
// of the --aussprache file applied. A bad line of that file raises Fehler naming it.
SuchErgebnis KlangSuchen(const Aufruf& aufruf, SuchKontext& kontext,
                         const SuchEinstellungen& einstellungen, bool terminal);

} // namespace quandel::cli
