#pragma once

#include <cstddef>
#include <cstdint>
#include <sys/mman.h>

namespace quandel {

// Asks the kernel to back a large block of memory, not yet written, with huge pages where it
// can: building the lexicon of a large list writes hundreds of megabytes once, and with 4 KiB
// pages most of that time goes to page faults. Only a request; small blocks are left alone.
inline void GrosseSeitenAnraten(const void* anfang, std::size_t bytes) {
    constexpr std::uintptr_t kSeite = std::uintptr_t{1} << 21;
    if (bytes < 2 * kSeite)
        return;
    const auto von = (reinterpret_cast<std::uintptr_t>(anfang) + kSeite - 1) & ~(kSeite - 1);
    const auto bis = (reinterpret_cast<std::uintptr_t>(anfang) + bytes) & ~(kSeite - 1);
    if (bis > von)
        ::madvise(reinterpret_cast<void*>(von), bis - von, MADV_HUGEPAGE);
}

// Reserves room for n elements in a vector or string and asks for huge pages for it.
template <typename Behaelter> void GrossReservieren(Behaelter& behaelter, std::size_t n) {
    behaelter.reserve(n);
    GrosseSeitenAnraten(behaelter.data(), behaelter.capacity() * sizeof(*behaelter.data()));
}

} // namespace quandel
