#include "lexicon/pruefsumme.h"

#include <algorithm>
#include <cstring>

namespace quandel {

namespace {

constexpr std::uint64_t kFaktor1 = 0x9E3779B185EBCA87ull;
constexpr std::uint64_t kFaktor2 = 0xC2B2AE3D27D4EB4Full;

std::uint64_t drehen(std::uint64_t x, int n) {
    return (x << n) | (x >> (64 - n));
}

std::uint64_t lesen64(const unsigned char* p) {
    std::uint64_t x;
    std::memcpy(&x, p, sizeof x);
    return x;
}

std::uint64_t mischen(std::uint64_t x) {
    x ^= x >> 33;
    x *= kFaktor2;
    x ^= x >> 29;
    x *= kFaktor1;
    x ^= x >> 32;
    return x;
}

} // namespace

void Pruefsumme::block(const unsigned char* daten) {
    for (int i = 0; i < 4; ++i)
        spur_[i] = drehen(spur_[i] + lesen64(daten + 8 * i) * kFaktor2, 31) * kFaktor1;
}

void Pruefsumme::Hinzufuegen(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t n = bytes.size();
    gesamt_ += n;
    if (restLaenge_ > 0) {
        const std::size_t teil = std::min(n, sizeof rest_ - restLaenge_);
        std::memcpy(rest_ + restLaenge_, p, teil);
        restLaenge_ += teil;
        p += teil;
        n -= teil;
        if (restLaenge_ < sizeof rest_)
            return;
        block(rest_);
        restLaenge_ = 0;
    }
    for (; n >= sizeof rest_; p += sizeof rest_, n -= sizeof rest_)
        block(p);
    std::memcpy(rest_, p, n);
    restLaenge_ = n;
}

std::uint64_t Pruefsumme::Wert() const {
    std::uint64_t h =
        drehen(spur_[0], 1) + drehen(spur_[1], 7) + drehen(spur_[2], 12) + drehen(spur_[3], 18);
    h ^= gesamt_ * kFaktor1;
    for (std::size_t i = 0; i < restLaenge_; ++i)
        h = drehen(h ^ (rest_[i] * kFaktor2), 11) * kFaktor1;
    return mischen(h);
}

std::uint64_t Pruefsumme64(std::string_view bytes) {
    Pruefsumme p;
    p.Hinzufuegen(bytes);
    return p.Wert();
}

std::uint64_t Abschnittssumme(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t worte = bytes.size() / 8;
    std::uint64_t summe = 0;
    std::uint64_t exklusiv = 0;
    for (std::size_t i = 0; i < worte; ++i) {
        const std::uint64_t w = lesen64(p + 8 * i);
        summe += w;
        exklusiv ^= w;
    }
    std::uint64_t rest = 0;
    std::memcpy(&rest, p + 8 * worte, bytes.size() % 8);
    summe += rest;
    exklusiv ^= rest;
    return mischen(summe ^ mischen(exklusiv ^ bytes.size()));
}

} // namespace quandel
