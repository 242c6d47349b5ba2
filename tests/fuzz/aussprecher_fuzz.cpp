// The pronouncer over arbitrary words (the bytes as Windows-1252 text): espeak-ng gets only
// EspeakText's letters and signs and is never led past the text it was handed, and what comes
// back reads as sounds. Under ASan the library's reads through its pointer into our buffer
// show, and a run of the corpus under valgrind shows the library's own.
#include "phonetics/espeak.h"
#include "phonetics/laute.h"
#include "pruefen.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    using namespace quandel;
    // One library state for the whole run, as in the programs.
    static EspeakAussprecher espeak;
    const std::string_view wort(reinterpret_cast<const char*>(daten), groesse);

    for (const char c : EspeakText(wort))
        QUANDEL_PRUEFEN(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);

    const std::string phoneme = espeak.Phoneme(wort);
    for (const char c : phoneme)
        QUANDEL_PRUEFEN(static_cast<unsigned char>(c) >= 0x20 &&
                        static_cast<unsigned char>(c) < 0x7F);
    const Lautfolge laute = LauteAusEspeak(phoneme);
    QUANDEL_PRUEFEN(Silbenzahl(laute) <= laute.size());
    QUANDEL_PRUEFEN(Lautschrift(laute).size() >= laute.size());
    return 0;
}
