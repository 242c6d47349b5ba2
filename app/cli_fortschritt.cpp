#include "app/cli_fortschritt.h"

#include <string>

namespace quandel::cli {

namespace {

constexpr int kBreite = 40;
constexpr auto kAbstand = std::chrono::milliseconds(100);

} // namespace

void Fortschrittsbalken::Melden(std::uint64_t erledigt, std::uint64_t gesamt) {
    if (gesamt == 0)
        return;
    const int prozent = static_cast<int>(erledigt >= gesamt ? 100 : erledigt * 100 / gesamt);
    const auto jetzt = std::chrono::steady_clock::now();
    if (prozent == prozent_ || (prozent_ >= 0 && jetzt - gezeichnet_ < kAbstand))
        return;
    prozent_ = prozent;
    gezeichnet_ = jetzt;
    const int voll = prozent * kBreite / 100;
    std::string zeile = "\r[";
    zeile.append(static_cast<std::size_t>(voll), '#');
    zeile.append(static_cast<std::size_t>(kBreite - voll), ' ');
    zeile += "] " + std::to_string(prozent) + " %";
    std::fputs(zeile.c_str(), ziel_);
    std::fflush(ziel_);
}

void Fortschrittsbalken::Beenden() {
    if (prozent_ < 0)
        return;
    const std::string leer(kBreite + 8, ' ');
    std::fprintf(ziel_, "\r%s\r", leer.c_str());
    std::fflush(ziel_);
    prozent_ = -1;
}

} // namespace quandel::cli
