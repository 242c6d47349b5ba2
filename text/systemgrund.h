#pragma once

#include <string>

namespace quandel {

// Why a system call failed, in German, for the error numbers (errno) a program that reads and
// writes the user's files meets, whatever the locale; any other number as "Systemfehler N".
//   SystemGrund(ENOENT) -> "Datei oder Verzeichnis nicht gefunden"
std::string SystemGrund(int fehlernummer);

} // namespace quandel
