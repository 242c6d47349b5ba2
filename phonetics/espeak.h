#pragma once

#include "phonetics/aussprecher.h"

namespace quandel {

// The German voice of libespeak-ng, called as a library. The library keeps its state in the
// process, so there is one of these at a time, used from one thread. The library starts at the
// first pronunciation asked for (so a program that needs none pays nothing) and stops with its
// owner. A missing espeak-ng-data raises Fehler at that first call.
class EspeakAussprecher : public Aussprecher {
public:
    EspeakAussprecher() = default;
    EspeakAussprecher(const EspeakAussprecher&) = delete;
    EspeakAussprecher& operator=(const EspeakAussprecher&) = delete;
    ~EspeakAussprecher() override;

    std::string Phoneme(std::string_view wort) override;

private:
    void starten();

    bool gestartet_ = false;
};

} // namespace quandel
