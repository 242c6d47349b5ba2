#include "lexicon/lexikon_eingebaut.h"

#include "lexicon/wortbestand_eingebaut.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace quandel::daten {

extern const std::uint64_t kWortbestandsAbbild[];
extern const std::size_t kWortbestandsAbbildWorte;

Lexikon EingebautesLexikon(std::string_view vokalfeld, EreignisHaken& haken) {
    Lexikon lexikon;
    // The image is part of the program and was checked when it was made; its header says
    // whether this ICU collates as the one at build time.
    auto speicher = std::make_unique<FesterSpeicher>(std::string_view(
        reinterpret_cast<const char*>(kWortbestandsAbbild), kWortbestandsAbbildWorte * 8));
    if (!lexikon.AbbildUebernehmen(std::move(speicher), {}, vokalfeld, haken, Pruefumfang::Kopf))
        lexikon.LexikonAufbauen(Wortbestand(), vokalfeld, haken);
    return lexikon;
}

} // namespace quandel::daten
