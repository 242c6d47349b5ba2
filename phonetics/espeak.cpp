#include "phonetics/espeak.h"

#include "text/fehler.h"
#include "text/kodierung.h"

#include <espeak-ng/speak_lib.h>

namespace quandel {

namespace {

// ASCII phoneme names, each followed by a blank: bits 8 to 23 of the mode hold the separator.
constexpr int kPhonemModus = ' ' << 8;

} // namespace

void EspeakAussprecher::starten() {
    if (espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT) < 0)
        throw Fehler("Die Aussprache (espeak-ng) lässt sich nicht starten; ist espeak-ng-data "
                     "installiert?");
    if (espeak_SetVoiceByName("de") != EE_OK)
        throw Fehler("Die deutsche Stimme von espeak-ng fehlt; ist espeak-ng-data installiert?");
    gestartet_ = true;
}

std::string EspeakAussprecher::Phoneme(std::string_view wort) {
    // espeak-ng reads up to the end of a clause at a time, so a phrase may take several calls.
    if (!gestartet_)
        starten();
    const std::string utf8 = Utf8AusCp1252(wort);
    const void* text = utf8.c_str();
    std::string phoneme;
    while (text != nullptr) {
        const char* teil = espeak_TextToPhonemes(&text, espeakCHARS_UTF8, kPhonemModus);
        if (teil != nullptr) {
            phoneme += teil;
            phoneme += ' ';
        }
    }
    return phoneme;
}

} // namespace quandel
