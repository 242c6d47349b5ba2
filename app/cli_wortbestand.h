#pragma once

#include "app/cli_aufruf.h"
#include "lexicon/indexcache.h"

#include <string_view>

namespace quandel::cli {

// The lexicon the command line searches, with the path of its index: of the built-in stock, or
// of the named word list (its saved index when there is one, unless --kein-cache). A list that
// cannot be used raises
// Fehler naming the file and, where it applies, the line:
//   "/tmp/x.txt, Zeile 3: Das Zeichen "ł" (U+0142) ist in Windows-1252 ..."
LadeErgebnis LexikonLaden(const Aufruf& aufruf, std::string_view vokalfeld);

} // namespace quandel::cli
