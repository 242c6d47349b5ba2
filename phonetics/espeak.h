#pragma once

#include "phonetics/aussprecher.h"

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

    std::string Phoneme(std::string_view wort) override;

    // The version of libespeak-ng the program was built against, "1.51.1": it names the
    // pronunciation that stored keys were made with, without loading the library.
    static std::string_view Version();

private:
    using TextZuPhonemen = const char* (*)(const void**, int, int);

    void starten();

    TextZuPhonemen textZuPhonemen_ = nullptr; // espeak_TextToPhonemes once started
};

} // namespace quandel
