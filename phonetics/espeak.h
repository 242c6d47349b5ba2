#pragma once

#include "phonetics/aussprecher.h"

#include <atomic>

namespace quandel {

// The German voice of libespeak-ng, called as a library. The library keeps its state in the
// process, so there is one of these at a time, used from one thread. The library is loaded
// (libespeak-ng.so.1, with its sound libraries) and started at the first pronunciation asked
// for, so a program or search that needs none pays nothing for it. A missing library or
// espeak-ng-data raises Fehler at that first call.
// The library is never stopped nor unloaded: espeak-ng 1.51 hangs in a second espeak_Terminate
// within one process, while starting it again over its loaded data is safe. Its few megabytes
// stay until the process ends.
class EspeakAussprecher : public Aussprecher {
public:
    EspeakAussprecher() = default;
    EspeakAussprecher(const EspeakAussprecher&) = delete;
    EspeakAussprecher& operator=(const EspeakAussprecher&) = delete;

    // The word goes to espeak-ng as EspeakText makes it.
    std::string Phoneme(std::string_view wort) override;

    // While a flag is given, a pronunciation stops between two of espeak-ng's pieces of text
    // once it is set, with the phonemes so far: a very long text ends soon after Ctrl+C.
    void AbbruchBeachten(const std::atomic<bool>* flag) { abbruch_ = flag; }

    // Names the pronunciation that stored keys were made with, without loading the library:
    // the version of libespeak-ng the program was built against and the version of EspeakText,
    // "1.51.1/2".
    static std::string_view Version();

private:
    using TextZuPhonemen = const char* (*)(const void**, int, int);

    void starten();

    TextZuPhonemen textZuPhonemen_ = nullptr; // espeak_TextToPhonemes once started
    const std::atomic<bool>* abbruch_ = nullptr;
};

// The text espeak-ng is handed for a word (Windows-1252), in UTF-8. Only what can be spoken
// reaches it: letters (A-Z, the umlauts, ß and the other Latin letters of Windows-1252 such as
// é, ø, Š, Œ), digits, the blank and the signs of words and phrases (' - . , ; : ! ? /), the
// typographic apostrophes and dashes as ' and -. A soft hyphen goes; every other character
// (control characters, which espeak-ng takes for commands, quotation marks, brackets and other
// signs) becomes a blank. A run of more than 80 characters without a blank gets one after every
// 80th, as espeak-ng overruns its own buffer on some longer ones; no German word is that long.
//   "M\x0B\x01B\x93v" -> "M  B v"
std::string EspeakText(std::string_view wort);

} // namespace quandel
