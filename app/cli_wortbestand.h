#pragma once

#include "app/cli_aufruf.h"
#include "lexicon/lexikon.h"

#include <string_view>

namespace quandel::cli {

// The lexicon the command line searches: of the built-in stock, or of the named word list
// (its saved index when there is one, unless --kein-cache). A list that cannot be used raises
// Fehler naming the file and, where it applies, the line:
//   "/tmp/x.txt, Zeile 3: Das Zeichen "ł" (U+0142) ist in Windows-1252 ..."
Lexikon LexikonLaden(const Aufruf& aufruf, std::string_view vokalfeld);

} // namespace quandel::cli
