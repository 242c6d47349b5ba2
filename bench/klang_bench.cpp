// Timings of the rhymes by sound: espeak-ng's pronunciation, the keys of Debian's
// /usr/share/dict/ngerman (356,010 lines) computed the first time, and queries:
//   ./build/bench/quandel-klang-bench
//   ./build/bench/quandel-klang-bench --benchmark_filter=Ngerman
#include "lexicon/indexcache.h"
#include "lexicon/wortbestand_eingebaut.h"
#include "phonetics/aussprache_eingebaut.h"
#include "phonetics/espeak.h"
#include "phonetics/klang_eingebaut.h"
#include "search/haeufigkeit_eingebaut.h"
#include "search/klangbestand.h"
#include "search/klangreim.h"
#include "soundgroups/ersetzbaum.h"
#include "text/zeilen.h"

#include <benchmark/benchmark.h>
#include <fstream>
#include <sstream>

namespace quandel {
namespace {

constexpr const char* kNgerman = "/usr/share/dict/ngerman";

// One pronouncer for the process, as in the programs.
EspeakAussprecher& espeak() {
    static EspeakAussprecher aussprecher;
    return aussprecher;
}

const Aussprachetabelle& korrekturen() {
    static const Aussprachetabelle tabelle = daten::Aussprachekorrekturen();
    return tabelle;
}

std::unique_ptr<Lexikon> lexikonAus(const std::vector<std::string>& zeilen) {
    auto lexikon = std::make_unique<Lexikon>();
    EreignisHaken haken;
    lexikon->LexikonAufbauen(zeilen, kVokalfeldVorgabe, haken);
    return lexikon;
}

void BM_EspeakWorteProSekunde(benchmark::State& state) {
    const std::vector<std::string> worte = daten::Wortbestand();
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(espeak().Phoneme(worte[i++ % worte.size()]));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EspeakWorteProSekunde);

// A query on the built-in stock with its compiled keys: a stock word and one pronounced.
void BM_KlangEingebaut(benchmark::State& state, const char* wort) {
    static const std::unique_ptr<Lexikon> lexikon = lexikonAus(daten::Wortbestand());
    static const KlangIndex index = daten::EingebauterKlangIndex();
    static const Lautersetzung lautersetzung(VorgabeLautgruppen());
    static const Haeufigkeit haeufigkeit = daten::EingebauteHaeufigkeit();
    Aussprache aussprache(espeak(), korrekturen());
    Klangquelle quelle{aussprache, index};
    SuchEinstellungen einstellungen;
    einstellungen.suchtext = wort;
    for (auto _ : state) {
        SuchKontext kontext(*lexikon, lautersetzung);
        benchmark::DoNotOptimize(
            KlangreimSuchen(kontext, einstellungen, quelle, {}, haeufigkeit).ergebnis);
    }
}
BENCHMARK_CAPTURE(BM_KlangEingebaut, Station, "Station")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_KlangEingebaut, Friseur_gesprochen, "Friseur")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_KlangEingebaut, Glueck_unrein,
                  "Gl\xFC"
                  "ck")
    ->Unit(benchmark::kMicrosecond);

// The keys of ngerman computed the first time; counters: words per second and key bytes per
// word.
void BM_NgermanSchluesselBerechnen(benchmark::State& state) {
    std::ifstream datei(kNgerman, std::ios::binary);
    std::stringstream inhalt;
    inhalt << datei.rdbuf();
    if (!datei) {
        state.SkipWithError("/usr/share/dict/ngerman fehlt (Paket wngerman)");
        return;
    }
    const std::unique_ptr<Lexikon> lexikon = lexikonAus(ZeilenAusUtf8(inhalt.str(), kNgerman));
    const TextFeld& worte = lexikon->Wortbestand().Worte();
    Aussprache aussprache(espeak(), korrekturen());
    std::size_t bytes = 0;
    for (auto _ : state) {
        const auto index = KlangIndexBerechnen(worte, lexikon->Kleinwortliste(), aussprache, {});
        bytes = index->Speicherbedarf();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(worte.size()));
    state.counters["Bytes/Wort"] = static_cast<double>(bytes) / static_cast<double>(worte.size());
}
BENCHMARK(BM_NgermanSchluesselBerechnen)->Unit(benchmark::kMillisecond)->Iterations(1);

// A query on ngerman with the keys of its saved index (computed the first time), in the order of
// rank and in the alphabetical one: what the ranking adds to a search with 907 hits.
void BM_NgermanKlangOrdnung(benchmark::State& state, Klangordnung ordnung) {
    static LadeErgebnis geladen =
        WortlisteLaden(kNgerman, Kodierung::Utf8, kVokalfeldVorgabe, {}, true);
    static Klangbestand klang(daten::Aussprachekorrekturen());
    static const Haeufigkeit haeufigkeit = daten::EingebauteHaeufigkeit();
    static const Lautersetzung lautersetzung(VorgabeLautgruppen());
    if (!klang.Vorbereiten(geladen.lexikon, std::nullopt, {}, geladen.indexPfad)) {
        state.SkipWithError("Klangschlüssel fehlen");
        return;
    }
    SuchEinstellungen einstellungen;
    einstellungen.suchtext = "Hand";
    Klangwahl wahl;
    wahl.ordnung = ordnung;
    for (auto _ : state) {
        SuchKontext kontext(geladen.lexikon, lautersetzung);
        benchmark::DoNotOptimize(klang.Suchen(kontext, einstellungen, wahl, haeufigkeit));
    }
}
BENCHMARK_CAPTURE(BM_NgermanKlangOrdnung, Rang, Klangordnung::Rang)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_NgermanKlangOrdnung, Alphabet, Klangordnung::Alphabet)
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace quandel

BENCHMARK_MAIN();
