#pragma once

#include <string>

namespace quandel {

// The system's description of an error number (errno) in the language of the user's locale
// (LC_ALL, LC_MESSAGES, LANG), whatever locale the program itself runs in. The locale is read
// at the first error, so a run without one never reads its files.
//   SystemGrund(EACCES) -> "Keine Berechtigung" (LANG=de_DE.UTF-8), "Permission denied" (C)
std::string SystemGrund(int fehlernummer);

} // namespace quandel
