#pragma once

#include <string>

namespace quandel::test {

// The line of an .akz file with one group of ten thousand members, all spellings of a to z in
// order of length from `kuerzeste` letters on ("a, b, ... z, aa, ab, ..." or "aaa, aab, ...").
inline std::string GrosseLautgruppe(int kuerzeste) {
    std::string zeile = "Gross:";
    int anzahl = 0;
    for (int laenge = kuerzeste; anzahl < 10000; ++laenge) {
        int kombinationen = 1;
        for (int i = 0; i < laenge; ++i)
            kombinationen *= 26;
        for (int i = 0; i < kombinationen && anzahl < 10000; ++i, ++anzahl) {
            std::string glied(static_cast<std::size_t>(laenge), 'a');
            for (int rest = i, stelle = laenge - 1; stelle >= 0; --stelle, rest /= 26)
                glied[static_cast<std::size_t>(stelle)] = static_cast<char>('a' + rest % 26);
            zeile += (anzahl == 0 ? " " : ", ") + glied;
        }
    }
    return zeile + "\n";
}

} // namespace quandel::test
