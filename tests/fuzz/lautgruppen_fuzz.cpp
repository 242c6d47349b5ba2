// The sound-group file reader: what it reads is written back by LautgruppenText and read
// again unchanged; the replacement tree built from it then forms the sound variants of a few
// words (too many are refused with Fehler) without a fault the sanitizers see.
#include "pruefen.h"
#include "soundgroups/ersetzbaum.h"
#include "soundgroups/lautgruppen.h"
#include "soundgroups/suchformen.h"
#include "text/fehler.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    using namespace quandel;
    Lautgruppen gruppen;
    try {
        gruppen = LautgruppenLesen(std::string_view(reinterpret_cast<const char*>(daten), groesse),
                                   "fuzz");
    } catch (const Fehler&) {
        return 0;
    }
    QUANDEL_PRUEFEN(LautgruppenLesen(LautgruppenText(gruppen), "fuzz") == gruppen);

    const Lautersetzung ersetzung(gruppen);
    for (std::string_view wort : {"eide", "reim", "liebe", "tippt"}) {
        StringListe<> formen(Ordnung::Sortiert, Duplikate::Ignorieren);
        try {
            SuchformenBilden(wort, ersetzung, formen);
        } catch (const Fehler&) {
        }
    }
    return 0;
}
