#pragma once

#include "lexicon/abbild.h"
#include "phonetics/klangindex.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

namespace quandel {

// The sound keys of a word list stored as a section of its lexicon's image, marked with the
// pronunciation they were made with (espeak-ng's version and the corrections), so that keys of
// another pronunciation are never taken:
//   AbschnittsEntwurf e = KlangAbschnittEntwerfen(index, kennung);
//   lexikon.AbbildMitAbschnitt(e) ... KlangAbschnittLesen(bytes, kennung) == the same keys
inline constexpr std::string_view kKlangAbschnitt = "KLNG";
// Version 2 added the onsets and stress patterns, version 3 the schwa of a misread final e; a
// section of another version is computed anew.
inline constexpr std::uint32_t kKlangAbschnittVersion = 3;

// The parts point into the index, which must live until the image is put together.
AbschnittsEntwurf KlangAbschnittEntwerfen(const KlangIndex& index, std::uint64_t ausspracheKennung);

// The keys of the section, pointing into it (halter keeps the image alive); nullopt when they
// were made with another pronunciation or the section is damaged.
std::optional<KlangIndex> KlangAbschnittLesen(std::string_view abschnitt,
                                              std::uint64_t ausspracheKennung,
                                              std::shared_ptr<const void> halter);

} // namespace quandel
