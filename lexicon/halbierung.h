#pragma once

#include <cstddef>

namespace quandel {

// Binary search over places of a sorted sequence that need not be a container (a key made on
// demand, an entry of a mapped image): the first place in [von, bis) for which vorne is false,
// where vorne holds for every place before it and for none after; bis when it holds for all.
template <typename Vorne> std::size_t ErsteStelle(std::size_t von, std::size_t bis, Vorne vorne) {
    while (von < bis) {
        const std::size_t mitte = von + (bis - von) / 2;
        if (vorne(mitte))
            von = mitte + 1;
        else
            bis = mitte;
    }
    return von;
}

} // namespace quandel
