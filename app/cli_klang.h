#pragma once

#include "app/cli_aufruf.h"
#include "search/klangbestand.h"
#include "search/suchkontext.h"

#include <memory>
#include <string>

namespace quandel::cli {

// What the sound search of the call pronounces with: espeak-ng and the corrections of
// data/aussprache.txt and of the --aussprache file. A bad line of that file raises Fehler
// naming it.
std::unique_ptr<Klangbestand> KlangbestandAnlegen(const Aufruf& aufruf);

// The sound search of the call, in its order and with its filters, the ranks from haeufigkeit.
// The keys are made ready at the first call: those of the built-in stock as compiled in, those
// of a word list (--wortbestand) taken from its index or computed and saved with the index at
// indexPfad, with a progress bar on stderr when `terminal` and Ctrl+C (through
// kontext.AbbruchFlag) stopping it.
KlangErgebnis KlangSuchen(const Aufruf& aufruf, Klangbestand& klang, const Haeufigkeit& haeufigkeit,
                          const std::string& indexPfad, SuchKontext& kontext,
                          const SuchEinstellungen& einstellungen, bool terminal);

} // namespace quandel::cli
