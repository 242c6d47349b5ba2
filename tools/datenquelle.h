#pragma once

// Writes arrays of the data a build tool computes as definitions of a C++ source, for the
// data libraries of the built-in stock (quandel_erzeugte_daten in tools/CMakeLists.txt).

#include "text/fehler.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <ostream>
#include <span>
#include <sstream>
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

// The main() of a build tool called as `name aufruf`, with `anzahl` arguments of which the last
// is the C++ file to write: erzeugen writes the source to the stream it is given, which goes to
// the file once complete, so a failed run leaves no file half written. A wrong call prints the
// usage and gives 2; a Fehler or a failed write prints the message after the tool's name and
// gives 1.
inline int WerkzeugAusfuehren(int argc, char** argv, const char* name, const char* aufruf,
                              int anzahl, const std::function<void(std::ostream&)>& erzeugen) {
    if (argc != anzahl + 1) {
        std::fprintf(stderr, "Aufruf: %s %s\n", name, aufruf);
        return 2;
    }
    const char* ausgabe = argv[argc - 1];
    try {
        std::ostringstream quelle;
        erzeugen(quelle);
        std::ofstream aus(ausgabe, std::ios::binary | std::ios::trunc);
        aus << quelle.view();
        aus.close();
        if (!aus) {
            std::fprintf(stderr, "%s: %s kann nicht geschrieben werden.\n", name, ausgabe);
            return 1;
        }
        return 0;
    } catch (const Fehler& fehler) {
        std::fprintf(stderr, "%s: %s\n", name, fehler.what());
        return 1;
    }
}

} // namespace quandel::werkzeug
