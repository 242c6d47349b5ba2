#pragma once

// Writes arrays of the data a build tool computes as definitions of a C++ source, for the
// data libraries of the built-in stock (quandel_erzeugte_daten in tools/CMakeLists.txt).

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace quandel::werkzeug {

inline void ZahlenSchreiben(std::ostream& aus, const std::string& name,
                            std::span<const std::uint32_t> zahlen) {
    aus << "extern const std::uint32_t " << name << "[];\n";
    aus << "const std::uint32_t " << name << "[] = {";
    for (std::size_t i = 0; i < zahlen.size(); ++i)
        aus << (i % 16 == 0 ? "\n" : " ") << zahlen[i] << ',';
    aus << "0};\n";
}

// The bytes, with a 0 after them.
inline void ZeichenSchreiben(std::ostream& aus, const std::string& name, std::string_view zeichen) {
    aus << "extern const unsigned char " << name << "[];\n";
    aus << "const unsigned char " << name << "[] = {";
    for (std::size_t i = 0; i < zeichen.size(); ++i)
        aus << (i % 20 == 0 ? "\n" : " ")
            << static_cast<unsigned>(static_cast<unsigned char>(zeichen[i])) << ',';
    aus << "0};\n";
}

inline void GroesseSchreiben(std::ostream& aus, const std::string& name, std::size_t groesse) {
    aus << "extern const std::size_t " << name << ";\n";
    aus << "const std::size_t " << name << " = " << groesse << ";\n";
}

} // namespace quandel::werkzeug
