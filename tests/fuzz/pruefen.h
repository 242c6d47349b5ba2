#pragma once

#include <cstdio>
#include <cstdlib>

// A property of a fuzz target that must hold for every input; a violation ends the run the
// way a crash does, so that the fuzzer keeps the input.
#define QUANDEL_PRUEFEN(bedingung)                                                                 \
    do {                                                                                           \
        if (!(bedingung)) {                                                                        \
            std::fprintf(stderr, "%s:%d: verletzt: %s\n", __FILE__, __LINE__, #bedingung);         \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
