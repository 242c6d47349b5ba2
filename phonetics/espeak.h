#pragma once

#include "phonetics/aussprecher.h"

namespace quandel {

// The German voice of libespeak-ng, called as a library. The library keeps its state in the
// process, so there is one of these at a time, used from one thread. The library starts at the
// first pronunciation asked for, so a program that needs none pays nothing. A missing
// espeak-ng-data raises Fehler at that first call.
// The library is never stopped: espeak-ng 1.51 hangs in a second espeak_Terminate within one
// process, while starting it again over its loaded data is safe. Its few megabytes stay until
// the process ends.
class EspeakAussprecher : public Aussprecher {
public:
    EspeakAussprecher() = default;
    EspeakAussprecher(const EspeakAussprecher&) = delete;
    EspeakAussprecher& operator=(const EspeakAussprecher&) = delete;

    std::string Phoneme(std::string_view wort) override;

private:
    void starten();

    bool gestartet_ = false;
};

} // namespace quandel
