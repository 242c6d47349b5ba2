#include "phonetics/espeak.h"

#include "text/fehler.h"
#include "text/kodierung.h"

#include <dlfcn.h>
#include <espeak-ng/speak_lib.h>

namespace quandel {

namespace {

constexpr const char* kBibliothek = "libespeak-ng.so.1";

// ASCII phoneme names, each followed by a blank: bits 8 to 23 of the mode hold the separator.
constexpr int kPhonemModus = ' ' << 8;

template <typename Funktion> Funktion Symbol(void* bibliothek, const char* name) {
    void* adresse = ::dlsym(bibliothek, name);
    if (adresse == nullptr)
        throw Fehler(std::string("In ") + kBibliothek + " fehlt " + name + ".");
    return reinterpret_cast<Funktion>(adresse);
}

} // namespace

std::string_view EspeakAussprecher::Version() {
    return QUANDEL_ESPEAK_NG_VERSION;
}

void EspeakAussprecher::starten() {
    // Loaded for good (see the class): the handle is not closed.
    void* bibliothek = ::dlopen(kBibliothek, RTLD_NOW | RTLD_LOCAL);
    if (bibliothek == nullptr)
        throw Fehler(std::string("Die Aussprache braucht ") + kBibliothek +
                     " (Paket libespeak-ng1): " + ::dlerror());
    const auto initialisieren =
        Symbol<decltype(&espeak_Initialize)>(bibliothek, "espeak_Initialize");
    const auto stimme =
        Symbol<decltype(&espeak_SetVoiceByName)>(bibliothek, "espeak_SetVoiceByName");
    const auto phoneme = Symbol<TextZuPhonemen>(bibliothek, "espeak_TextToPhonemes");
    if (initialisieren(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT) < 0)
        throw Fehler("Die Aussprache (espeak-ng) lässt sich nicht starten; ist espeak-ng-data "
                     "installiert?");
    if (stimme("de") != EE_OK)
        throw Fehler("Die deutsche Stimme von espeak-ng fehlt; ist espeak-ng-data installiert?");
    textZuPhonemen_ = phoneme;
}

std::string EspeakAussprecher::Phoneme(std::string_view wort) {
    if (textZuPhonemen_ == nullptr)
        starten();
    // espeak-ng reads up to the end of a clause at a time, so a phrase may take several calls.
    const std::string utf8 = Utf8AusCp1252(wort);
    const void* text = utf8.c_str();
    std::string phoneme;
    while (text != nullptr) {
        const char* teil = textZuPhonemen_(&text, espeakCHARS_UTF8, kPhonemModus);
        if (teil != nullptr) {
            phoneme += teil;
            phoneme += ' ';
        }
    }
    return phoneme;
}

} // namespace quandel
