#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>

namespace quandel::cli {

// A progress bar on a terminal line: "\r[#####     ] 52 %". It is redrawn only when the
// percentage has changed and at most every 100 ms, however often it is told.
class Fortschrittsbalken {
public:
    explicit Fortschrittsbalken(std::FILE* ziel) : ziel_(ziel) {}

    void Melden(std::uint64_t erledigt, std::uint64_t gesamt);

    // Blanks the bar's line if it was drawn.
    void Beenden();

private:
    std::FILE* ziel_;
    int prozent_ = -1;
    std::chrono::steady_clock::time_point gezeichnet_{};
};

} // namespace quandel::cli
