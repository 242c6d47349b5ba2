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

// The most characters EspeakText hands on without a blank. espeak-ng 1.51 overruns a buffer of
// 160 bytes on its stack with some longer runs (a letter and a full stop before a long word:
// "x.aaaa..."); 80 characters are at most 160 bytes in UTF-8, and twice the longest German word.
constexpr std::size_t kLaengsterTeil = 80;

// A byte of EspeakText: the byte itself, a replacement, or kWeg for none.
constexpr char kWeg = '\0';

constexpr char SprechbaresZeichen(unsigned char b) {
    const bool asciiBuchstabe = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
    const bool ziffer = b >= '0' && b <= '9';
    const bool zeichen = b == '\'' || b == '-' || b == '.' || b == ',' || b == ';' || b == ':' ||
                         b == '!' || b == '?' || b == '/';
    // Š Œ Ž š œ ž Ÿ, and À to ÿ without × and ÷.
    const bool buchstabe = b == 0x8A || b == 0x8C || b == 0x8E || b == 0x9A || b == 0x9C ||
                           b == 0x9E || b == 0x9F || (b >= 0xC0 && b != 0xD7 && b != 0xF7);
    if (asciiBuchstabe || ziffer || zeichen || buchstabe)
        return static_cast<char>(b);
    if (b == 0x91 || b == 0x92) // ‘ ’
        return '\'';
    if (b == 0x96 || b == 0x97) // – —
        return '-';
    if (b == 0xAD) // soft hyphen
        return kWeg;
    return ' ';
}

template <typename Funktion> Funktion Symbol(void* bibliothek, const char* name) {
    void* adresse = ::dlsym(bibliothek, name);
    if (adresse == nullptr)
        throw Fehler(std::string("In ") + kBibliothek + " fehlt " + name + ".");
    return reinterpret_cast<Funktion>(adresse);
}

} // namespace

std::string_view EspeakAussprecher::Version() {
    // After the slash the form of EspeakText, raised whenever espeak-ng gets other text for
    // some word, so that keys stored before are made again.
    return QUANDEL_ESPEAK_NG_VERSION "/2";
}

std::string EspeakText(std::string_view wort) {
    std::string sprechbar;
    sprechbar.reserve(wort.size() + wort.size() / kLaengsterTeil);
    std::size_t teil = 0; // characters since the last blank
    for (const char c : wort) {
        const char ersatz = SprechbaresZeichen(static_cast<unsigned char>(c));
        if (ersatz == kWeg)
            continue;
        if (ersatz != ' ' && teil == kLaengsterTeil) {
            sprechbar += ' ';
            teil = 0;
        }
        sprechbar += ersatz;
        teil = ersatz == ' ' ? 0 : teil + 1;
    }
    return Utf8AusCp1252(sprechbar);
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
    // Where it says it stopped is checked against the text handed in: a place outside it is
    // never handed back.
    const std::string utf8 = EspeakText(wort);
    const char* const anfang = utf8.c_str();
    const char* const ende = anfang + utf8.size();
    const void* text = anfang;
    std::string phoneme;
    while (text != nullptr && !(abbruch_ != nullptr && *abbruch_)) {
        const char* teil = textZuPhonemen_(&text, espeakCHARS_UTF8, kPhonemModus);
        if (teil != nullptr) {
            phoneme += teil;
            phoneme += ' ';
        }
        const auto* weiter = static_cast<const char*>(text);
        if (weiter != nullptr && (weiter < anfang || weiter >= ende))
            break;
    }
    return phoneme;
}

} // namespace quandel
