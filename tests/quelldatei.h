#pragma once

#include <string_view>

namespace quandel::testhilfe {

// True when the path (a __FILE__) names the source file: "datei" itself or ".../datei". The
// test programs of a folder run the tests of one file by its name.
inline bool IstQuelldatei(std::string_view pfad, std::string_view datei) {
    if (pfad.size() < datei.size() || pfad.substr(pfad.size() - datei.size()) != datei)
        return false;
    return pfad.size() == datei.size() || pfad[pfad.size() - datei.size() - 1] == '/';
}

} // namespace quandel::testhilfe
