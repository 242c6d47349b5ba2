// Writes the collation table of the 256 Windows-1252 bytes as a C++ source, from ICU's German
// collator at secondary strength, so the programs sort without loading ICU:
//   quandel-kollationstabelle AUSGABE.cpp
// Each byte's collation elements are read with ICU's element iterator and their primary and
// secondary weights replaced by their ranks among all weights of the code page. A pair of
// bytes whose elements are not those of its two bytes in a row is a contraction and gets an
// entry of its own. Comparing keys made of the ranks orders texts as ICU does;
// tests/text/kollation_test.cpp checks that against ICU itself.
#include "text/kollationstabelle.h"

#include "text/kodierung.h"

#include <cstdio>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <unicode/ucol.h>
#include <unicode/ucoleitr.h>
#include <vector>

namespace {

struct Element {
    std::uint32_t primaer;
    std::uint32_t sekundaer;
    bool operator==(const Element&) const = default;
};

void pruefen(UErrorCode status) {
    if (U_FAILURE(status))
        throw std::runtime_error(u_errorName(status));
}

// Unassigned bytes cannot come in from outside; made inside, they sort as U+FFFD.
char16_t zeichen(int byte) {
    const char16_t u = quandel::UnicodeVon(static_cast<char>(byte));
    return u == 0xFFFF ? u'\xFFFD' : u;
}

// ICU hands out each 64-bit collation element as one or two 32-bit halves: the first with the
// high bytes of the weights, a continuation (low six bits 0xC0) with the low bytes.
std::vector<Element> elemente(UCollator* kollator, const std::u16string& text) {
    UErrorCode status = U_ZERO_ERROR;
    UCollationElements* iterator =
        ucol_openElements(kollator, text.data(), static_cast<int32_t>(text.size()), &status);
    pruefen(status);
    std::vector<Element> ergebnis;
    for (;;) {
        const std::int32_t ce = ucol_next(iterator, &status);
        if (ce == UCOL_NULLORDER || U_FAILURE(status))
            break;
        const auto haelfte = static_cast<std::uint32_t>(ce);
        if ((haelfte & 0xC0) == 0xC0 && !ergebnis.empty()) {
            ergebnis.back().primaer |= haelfte >> 16;
            ergebnis.back().sekundaer |= (haelfte >> 8) & 0xFF;
        } else {
            ergebnis.push_back({haelfte & 0xFFFF0000, haelfte & 0xFF00});
        }
    }
    ucol_closeElements(iterator);
    pruefen(status);
    return ergebnis;
}

// Ranks 2, 3, … of the distinct non-zero weights, in their order.
std::map<std::uint32_t, int> raenge(const std::vector<std::uint32_t>& gewichte) {
    std::map<std::uint32_t, int> rang;
    for (const std::uint32_t g : gewichte)
        if (g != 0)
            rang[g] = 0;
    int naechster = 2;
    for (auto& [gewicht, r] : rang)
        r = naechster++;
    if (naechster > 256)
        throw std::runtime_error("mehr als 254 verschiedene Gewichte");
    return rang;
}

class Schreiber {
public:
    Schreiber(std::ostream& aus, const std::vector<std::vector<Element>>& alle) : aus_(aus) {
        std::vector<std::uint32_t> primaere, sekundaere;
        for (const auto& elemente : alle)
            for (const Element& e : elemente) {
                primaere.push_back(e.primaer);
                sekundaere.push_back(e.sekundaer);
            }
        primaerRang_ = raenge(primaere);
        sekundaerRang_ = raenge(sekundaere);
    }

    // One ZeichenGewichte initializer.
    void Gewichte(const std::vector<Element>& elemente) {
        std::vector<int> p, s;
        for (const Element& e : elemente) {
            if (e.primaer != 0)
                p.push_back(primaerRang_.at(e.primaer));
            if (e.sekundaer != 0)
                s.push_back(sekundaerRang_.at(e.sekundaer));
        }
        if (p.size() > quandel::kGewichteJeZeichen || s.size() > quandel::kGewichteJeZeichen)
            throw std::runtime_error("mehr als " + std::to_string(quandel::kGewichteJeZeichen) +
                                     " Gewichte für ein Zeichen");
        aus_ << "{";
        Feld(p);
        aus_ << ", ";
        Feld(s);
        aus_ << ", " << p.size() << ", " << s.size() << "}";
    }

private:
    void Feld(const std::vector<int>& werte) {
        aus_ << "{";
        for (std::size_t i = 0; i < werte.size(); ++i)
            aus_ << (i ? "," : "") << werte[i];
        aus_ << "}";
    }

    std::ostream& aus_;
    std::map<std::uint32_t, int> primaerRang_, sekundaerRang_;
};

void tabelleSchreiben(UCollator* kollator, std::ostream& aus) {
    std::vector<std::vector<Element>> einzeln(256);
    for (int b = 0; b < 256; ++b)
        einzeln[b] = elemente(kollator, std::u16string(1, zeichen(b)));

    struct Paar {
        int erstes, zweites;
    };
    std::vector<Paar> paare;
    std::vector<std::vector<Element>> alle = einzeln;
    for (int a = 1; a < 256; ++a)
        for (int b = 1; b < 256; ++b) {
            std::vector<Element> nacheinander = einzeln[a];
            nacheinander.insert(nacheinander.end(), einzeln[b].begin(), einzeln[b].end());
            std::vector<Element> zusammen = elemente(kollator, {zeichen(a), zeichen(b)});
            if (zusammen != nacheinander) {
                paare.push_back({a, b});
                alle.push_back(std::move(zusammen));
            }
        }

    Schreiber schreiber(aus, alle);
    aus << "// Generated by quandel-kollationstabelle from ICU " << U_ICU_VERSION
        << "; do not edit.\n#include \"text/kollationstabelle.h\"\nnamespace quandel {\n"
           "const std::array<ZeichenGewichte, 256> kZeichenGewichte = {{\n";
    for (int b = 0; b < 256; ++b) {
        aus << "    ";
        schreiber.Gewichte(einzeln[b]);
        aus << ", // " << b << "\n";
    }
    aus << "}};\nnamespace {\nconst Zusammenziehung kPaare[] = {\n";
    for (std::size_t i = 0; i < paare.size(); ++i) {
        aus << "    {" << paare[i].erstes << ", " << paare[i].zweites << ", ";
        schreiber.Gewichte(alle[256 + i]);
        aus << "},\n";
    }
    if (paare.empty())
        aus << "    {0, 0, {{}, {}, 0, 0}},\n";
    aus << "};\n}\nconst std::span<const Zusammenziehung> kZusammenziehungen(kPaare, "
        << paare.size() << ");\n";

    UVersionInfo version{};
    ucol_getVersion(kollator, version);
    aus << "const std::array<std::uint8_t, 4> kKollationsVersion = {" << int(version[0]) << ", "
        << int(version[1]) << ", " << int(version[2]) << ", " << int(version[3]) << "};\n}\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("Aufruf: quandel-kollationstabelle AUSGABE.cpp\n", stderr);
        return 2;
    }
    try {
        UErrorCode status = U_ZERO_ERROR;
        UCollator* kollator = ucol_open("de", &status);
        pruefen(status);
        ucol_setStrength(kollator, UCOL_SECONDARY);
        std::ofstream aus(argv[1], std::ios::binary | std::ios::trunc);
        tabelleSchreiben(kollator, aus);
        ucol_close(kollator);
        aus.close();
        if (!aus) {
            std::fprintf(stderr, "quandel-kollationstabelle: %s kann nicht geschrieben werden.\n",
                         argv[1]);
            return 1;
        }
        return 0;
    } catch (const std::exception& fehler) {
        std::fprintf(stderr, "quandel-kollationstabelle: %s\n", fehler.what());
        return 1;
    }
}
