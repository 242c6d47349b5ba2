#pragma once

#include "app/cli_aufruf.h"

#include <string>
#include <vector>

namespace quandel::cli {

// The stock lines in Windows-1252, in their order: the built-in stock, or the named file read
// in one go and split like it (CR LF, CR, LF). A UTF-8 file may start with a byte order mark.
// An unreadable file or a line that Windows-1252 cannot hold raises Fehler naming the file and
// the line: "/tmp/x.txt, Zeile 3: Das Zeichen "ł" (U+0142) ist in Windows-1252 ...".
std::vector<std::string> WortbestandLaden(const Aufruf& aufruf);

} // namespace quandel::cli
