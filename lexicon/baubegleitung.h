#pragma once

#include "lexicon/abbild.h"
#include "lexicon/ereignishaken.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <exception>
#include <functional>

namespace quandel {

// Raised when the caller asked a build to stop; the lexicon is left as it was.
class BauAbgebrochen : public std::exception {
public:
    const char* what() const noexcept override { return "abgebrochen"; }
};

// What a long build reports to and asks of its caller.
struct Baubegleitung {
    EreignisHaken* haken = nullptr;
    const std::atomic<bool>* abbruch = nullptr;   // set: the build throws BauAbgebrochen
    std::function<void(int prozent)> fortschritt; // 0 .. 100
    ListenKennung kennung;                        // recorded in the image
};

// Keeps a long build responsive and stoppable: reports the progress, hands control to the
// window and stops at once when asked to there (or before).
void Zwischenstand(const Baubegleitung& begleitung, int prozent);

// The same every 1024th step of a loop, with the progress within [von, bis) percent.
class Schritte {
public:
    Schritte(const Baubegleitung& begleitung, std::size_t anzahl, int von, int bis)
        : b_(begleitung), anzahl_(std::max<std::size_t>(anzahl, 1)), von_(von), bis_(bis) {
        melden(0);
    }
    void operator()(std::size_t i) {
        if ((i & 1023u) == 0)
            melden(i);
    }

private:
    void melden(std::size_t i);
    const Baubegleitung& b_;
    std::size_t anzahl_;
    int von_;
    int bis_;
};

} // namespace quandel
