#pragma once

#include "app/cli_aufruf.h"
#include "meaning/thesaurus.h"
#include "meaning/treffersieb.h"
#include "meaning/wortartentabelle.h"

#include <optional>

namespace quandel::cli {

// The thesaurus the call needs (synonym and --sinn): the --thesaurus file or Debian's, through
// its saved index unless --kein-cache; nullopt when the call needs none.
std::optional<Thesaurus> ThesaurusFuer(const Aufruf& aufruf);

// The sieve of --wortart and --sinn over the given table and thesaurus, which must outlive it.
// Throws Fehler when the word of --sinn is in no set of the thesaurus:
//   "\"Xyzzy\" steht nicht im Thesaurus /usr/share/openthesaurus-de/thesaurus.txt (--sinn)."
Treffersieb TreffersiebFuer(const Aufruf& aufruf, const Wortartentabelle& tabelle,
                            const Thesaurus* thesaurus);

} // namespace quandel::cli
