// Timings of the lexicon and the searches, on the built-in stock and, where installed, on
// Debian's /usr/share/dict/ngerman (356,010 lines):
//   ./build/bench/quandel-bench
//   ./build/bench/quandel-bench --benchmark_filter=Ngerman
#include "lexicon/wortbestand_eingebaut.h"
#include "search/abfragen.h"
#include "search/suchen.h"
#include "soundgroups/ersetzbaum.h"
#include "text/kodierung.h"
#include "text/zeilen.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <sys/resource.h>

namespace quandel {
namespace {

constexpr const char* kNgerman = "/usr/share/dict/ngerman";

const std::vector<std::string>& ngermanZeilen() {
    static const std::vector<std::string> zeilen = [] {
        std::ifstream datei(kNgerman, std::ios::binary);
        std::stringstream inhalt;
        inhalt << datei.rdbuf();
        return datei ? ZeilenAusUtf8(inhalt.str(), kNgerman) : std::vector<std::string>{};
    }();
    return zeilen;
}

Lexikon& lexikonAus(const std::vector<std::string>& zeilen) {
    static std::map<const void*, std::unique_ptr<Lexikon>> gebaut;
    auto& lex = gebaut[&zeilen];
    if (!lex) {
        lex = std::make_unique<Lexikon>();
        EreignisHaken haken;
        lex->LexikonAufbauen(zeilen, kVokalfeldVorgabe, haken);
    }
    return *lex;
}

const std::vector<std::string>& eingebaut() {
    static const std::vector<std::string> zeilen = daten::Wortbestand();
    return zeilen;
}

void spitzenspeicher(benchmark::State& state) {
    rusage nutzung{};
    getrusage(RUSAGE_SELF, &nutzung);
    state.counters["peak_MB"] = static_cast<double>(nutzung.ru_maxrss) / 1024.0;
}

void lexikonAufbauen(benchmark::State& state, const std::vector<std::string>& zeilen) {
    if (zeilen.empty()) {
        state.SkipWithError("word list not installed");
        return;
    }
    // The longest stretch in which the build does not hand control to the window: how long a
    // click on "Abbruch" or closing the window may wait.
    using Uhr = std::chrono::steady_clock;
    Uhr::time_point zuletzt;
    Uhr::duration laengste{};
    for (auto _ : state) {
        Lexikon lex;
        EreignisHaken haken([&] {
            laengste = std::max(laengste, Uhr::now() - zuletzt);
            zuletzt = Uhr::now();
        });
        zuletzt = Uhr::now();
        lex.LexikonAufbauen(zeilen, kVokalfeldVorgabe, haken);
        laengste = std::max(laengste, Uhr::now() - zuletzt);
        benchmark::DoNotOptimize(lex.Wortbestand().size());
    }
    spitzenspeicher(state);
    state.counters["laengste_Pause_ms"] =
        std::chrono::duration<double, std::milli>(laengste).count();
}

void BM_LexikonAufbauen_Eingebaut(benchmark::State& state) {
    lexikonAufbauen(state, eingebaut());
}
BENCHMARK(BM_LexikonAufbauen_Eingebaut)->Unit(benchmark::kMillisecond);

void BM_LexikonAufbauen_Ngerman(benchmark::State& state) {
    lexikonAufbauen(state, ngermanZeilen());
}
BENCHMARK(BM_LexikonAufbauen_Ngerman)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LiedIndexAufbauen_Ngerman(benchmark::State& state) {
    if (ngermanZeilen().empty()) {
        state.SkipWithError("word list not installed");
        return;
    }
    Lexikon& lex = lexikonAus(ngermanZeilen());
    EreignisHaken haken;
    for (auto _ : state)
        lex.LiedIndexAufbauen(kVokalfeldVorgabe, haken);
}
BENCHMARK(BM_LiedIndexAufbauen_Ngerman)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_EndungSuchen_e_Ngerman(benchmark::State& state) {
    if (ngermanZeilen().empty()) {
        state.SkipWithError("word list not installed");
        return;
    }
    const Lexikon& lex = lexikonAus(ngermanZeilen());
    std::size_t treffer = 0;
    for (auto _ : state) {
        TrefferListe endTreffer(Ordnung::Sortiert, Duplikate::Ignorieren);
        ApendixListe records;
        EndungSuchen(lex, "e", "", endTreffer, records);
        treffer = endTreffer.size();
    }
    state.counters["hits"] = static_cast<double>(treffer);
}
BENCHMARK(BM_EndungSuchen_e_Ngerman)->Unit(benchmark::kMillisecond);

void suche(benchmark::State& state, const std::vector<std::string>& zeilen,
           SuchErgebnis (*funktion)(SuchKontext&, const SuchEinstellungen&), const char* text,
           bool akzentuirung = false) {
    if (zeilen.empty()) {
        state.SkipWithError("word list not installed");
        return;
    }
    static const Lautersetzung lautersetzung(VorgabeLautgruppen());
    SuchKontext kontext(lexikonAus(zeilen), lautersetzung);
    SuchEinstellungen einstellungen;
    einstellungen.suchtext = Cp1252AusUtf8(text);
    einstellungen.akzentuirung = akzentuirung;
    std::uint64_t paare = 0;
    kontext.fortschritt = [&](std::uint64_t, std::uint64_t gesamt) { paare = gesamt; };
    std::size_t treffer = 0;
    for (auto _ : state) {
        treffer = funktion(kontext, einstellungen).treffer.size();
    }
    state.counters["hits"] = static_cast<double>(treffer);
    if (paare > 0) {
        state.counters["pairs"] = static_cast<double>(paare);
        state.counters["pairs_per_s"] = benchmark::Counter(
            static_cast<double>(paare), benchmark::Counter::kIsIterationInvariantRate);
    }
}

BENCHMARK_CAPTURE(suche, Endreim_eide, eingebaut(), EndreimSuchen, "eide")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(suche, Liedreim_Liese, eingebaut(), LiedreimSuchen, "Liese")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(suche, Stabreim_sch, eingebaut(), StabreimSuchen, "sch")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(suche, Schuettel_st_erbe, eingebaut(), SchuettelreimSuchen, "st erbe")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(suche, Schuettel_H_emd, eingebaut(), SchuettelreimSuchen, "H emd")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(suche, Schuettel_Schw_ein, eingebaut(), SchuettelreimSuchen, "Schw ein")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(suche, Schuettel_Dr_ucker, eingebaut(), SchuettelreimSuchen, "Dr ucker")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(suche, Schuettel_Schr_ank, eingebaut(), SchuettelreimSuchen, "Schr ank")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(suche, Akzent_Endreim_eide, eingebaut(), EndreimSuchen, "eide", true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(suche, Akzent_Schuettel_st_erbe, eingebaut(), SchuettelreimSuchen, "st erbe",
                  true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(suche, Akzent_Schuettel_H_emd, eingebaut(), SchuettelreimSuchen, "H emd", true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(suche, Akzent_Schuettel_Schw_ein, eingebaut(), SchuettelreimSuchen, "Schw ein",
                  true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(suche, Akzent_Schuettel_Dr_ucker, eingebaut(), SchuettelreimSuchen, "Dr ucker",
                  true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(suche, Akzent_Schuettel_Schr_ank, eingebaut(), SchuettelreimSuchen, "Schr ank",
                  true)
    ->Unit(benchmark::kMillisecond);

// Rebuilding the replacement tree and MergeList after an edit of the sound groups.
void BM_ErsetzBaumErneuern(benchmark::State& state) {
    const Lautgruppen gruppen = VorgabeLautgruppen();
    Lautersetzung lautersetzung(gruppen);
    for (auto _ : state) {
        lautersetzung.ErsetzBaumErneuern(gruppen);
        benchmark::DoNotOptimize(lautersetzung.MergeList().data());
    }
}
BENCHMARK(BM_ErsetzBaumErneuern)->Unit(benchmark::kMicrosecond);

BENCHMARK_CAPTURE(suche, Ngerman_Schuettel_s_e_Akzent, ngermanZeilen(), SchuettelreimSuchen, "s e",
                  true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(suche, Ngerman_Endreim_e, ngermanZeilen(), EndreimSuchen, "e")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(suche, Ngerman_Endreim_eide, ngermanZeilen(), EndreimSuchen, "eide")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(suche, Ngerman_Liedreim_Liese, ngermanZeilen(), LiedreimSuchen, "Liese")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(suche, Ngerman_Schuettel_Reim, ngermanZeilen(), SchuettelreimSuchen, "Reim")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(suche, Ngerman_Schuettel_Peter, ngermanZeilen(), SchuettelreimSuchen, "Peter")
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quandel

BENCHMARK_MAIN();
