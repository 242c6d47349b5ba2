// Size and coverage of the word-class table: how many words of the built-in stock and of word
// lists get a class other than "unbekannt", how many of them the table lists as they stand,
// and the time of one look-up.
//   quandel-wortartabdeckung [WORTLISTE...]     (without one: /usr/share/dict/ngerman)
#include "lexicon/wortbestand_eingebaut.h"
#include "lexicon/wortliste.h"
#include "meaning/wortarten_eingebaut.h"
#include "text/fehler.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace quandel;

void Abdeckung(const char* name, const std::vector<std::string>& worte,
               const Wortartentabelle& tabelle) {
    std::size_t bekannt = 0;
    std::size_t gelistet = 0;
    std::array<std::size_t, kWortarten.size()> je{};
    const auto anfang = std::chrono::steady_clock::now();
    for (const std::string& wort : worte) {
        const Wortarten arten = tabelle.Von(wort);
        bekannt += !arten.Unbekannt();
        for (std::size_t i = 0; i < kWortarten.size(); ++i)
            je[i] += arten.Hat(kWortarten[i]);
    }
    const std::chrono::duration<double, std::nano> dauer =
        std::chrono::steady_clock::now() - anfang;
    for (const std::string& wort : worte)
        gelistet += !tabelle.Gelistet(wort).Unbekannt();
    const auto anteil = [&](std::size_t n) {
        return 100.0 * n / std::max<std::size_t>(worte.size(), 1);
    };
    std::printf("%s: %zu Wörter, mit Wortart %zu (%.1f %%), davon so verzeichnet %zu (%.1f %%), "
                "%.0f ns je Wort\n ",
                name, worte.size(), bekannt, anteil(bekannt), gelistet, anteil(gelistet),
                dauer.count() / std::max<std::size_t>(worte.size(), 1));
    for (std::size_t i = 0; i < kWortarten.size(); ++i)
        std::printf(" %s %.1f %%", std::string(WortartName(kWortarten[i])).c_str(), anteil(je[i]));
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    const Wortartentabelle tabelle = daten::EingebauteWortarten();
    std::printf("Wortartentabelle: %zu Formen, %zu Bytes\n", tabelle.FormAnzahl(), tabelle.Bytes());
    Abdeckung("Eingebauter Wortbestand", daten::Wortbestand(), tabelle);
    std::vector<std::string> listen(argv + 1, argv + argc);
    if (listen.empty())
        listen.push_back("/usr/share/dict/ngerman");
    for (const std::string& liste : listen) {
        try {
            const Wortzeilen zeilen = WortlisteLesen(liste, KodierungErkennen(liste));
            std::vector<std::string> worte;
            for (std::size_t i = 0; i < zeilen.size(); ++i)
                worte.emplace_back(zeilen[i]);
            Abdeckung(liste.c_str(), worte, tabelle);
        } catch (const Fehler& fehler) {
            std::fprintf(stderr, "quandel-wortartabdeckung: %s\n", fehler.what());
            return 1;
        }
    }
    return 0;
}
