// Finds common words whose sound key looks misread: words that rhyme by spelling with a family
// of common words but by sound with none of them.
//   quandel-reimpruefung [WORTLISTE] [ANZAHL]
//   quandel-reimpruefung /usr/share/dict/ngerman 3000
// For each of the ANZAHL most common words of the list (by data/haeufigkeit.txt), its spelling
// family is the words among the 20,000 most common that end with the same letters from the
// vowel before the last unstressed ending on ("werde", "Erde", "Pferde", "Herde": "erde"). A
// word is reported when at least two others of its family rhyme with one another but none with
// it, and its key differs from one of theirs in the rhyme vowel alone (werde v ,E r d @ against
// Erde 'e: r d @), or it is a word of the family after at most three letters (jedoch: 'je:dOx
// against doch). Each report names the word's pronunciation and one of the family's; whether
// it is misread is for the reader to judge, and a correction goes to data/aussprache.txt.
// The keys are those of the saved index of the list (computed the first time).
#include "lexicon/indexcache.h"
#include "phonetics/aussprache_eingebaut.h"
#include "search/haeufigkeit_eingebaut.h"
#include "search/klangbestand.h"
#include "text/fehler.h"
#include "text/kodierung.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace quandel;

constexpr std::uint32_t kFamilienRang = 20000;

bool IstVokalbuchstabe(char zeichen) {
    return std::string_view("aeiouy\xE4\xF6\xFC").find(zeichen) != std::string_view::npos;
}

// The letters from the vowel group before the last unstressed ending on, or "".
std::string Schreibendung(std::string_view klein) {
    std::string_view stamm = klein;
    for (const std::string_view endung : {"ern", "eln", "en", "er", "el", "em", "es", "e"})
        if (klein.size() > endung.size() + 1 && klein.ends_with(endung)) {
            stamm.remove_suffix(endung.size());
            break;
        }
    std::size_t anfang = stamm.size();
    while (anfang > 0 && !IstVokalbuchstabe(stamm[anfang - 1]))
        --anfang;
    if (anfang == 0)
        return {};
    while (anfang > 0 && IstVokalbuchstabe(stamm[anfang - 1]))
        --anfang;
    return std::string(klein.substr(anfang));
}

// Most words of a family that rhyme with none of it are read right with the stress before the
// ending ("wirklich", "aber"). Suspect are those whose key differs from a family member's in the
// rhyme vowel alone (a wrong vowel: "werde"), and those made of at most three letters and a
// word of the family (perhaps a wrong stress: "jedoch", "zugleich", but also "Inhalt").
bool Verdaechtig(const Lexikon& lexikon, const KlangIndex& index, std::size_t nr,
                 const std::vector<std::size_t>& familie) {
    const std::string_view klein = lexikon.Kleinwortliste()[nr];
    const std::string_view schluessel = index.Schluessel(nr, false);
    for (const std::size_t m : familie) {
        const std::string_view glied = lexikon.Kleinwortliste()[m];
        const std::string_view anderer = index.Schluessel(m, false);
        if ((schluessel.size() > 1 && anderer.size() > 1 && schluessel[0] != anderer[0] &&
             schluessel.substr(1) == anderer.substr(1)) ||
            (klein.size() > glied.size() && klein.size() <= glied.size() + 3 &&
             klein.ends_with(glied)))
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    const std::string liste = argc > 1 ? argv[1] : "/usr/share/dict/ngerman";
    const std::size_t anzahl = argc > 2 ? std::stoul(argv[2]) : 3000;
    try {
        LadeErgebnis geladen = WortlisteLaden(liste, Kodierung::Utf8, kVokalfeldVorgabe, {}, true);
        const Lexikon& lexikon = geladen.lexikon;
        Klangbestand klang(daten::Aussprachekorrekturen());
        klang.Vorbereiten(lexikon, std::nullopt, {}, geladen.indexPfad);
        const KlangIndex& index = *klang.Index();
        const Haeufigkeit haeufigkeit = daten::EingebauteHaeufigkeit();

        // The common words of the list by rank, the first spelling of each form.
        std::map<std::uint32_t, std::size_t> nachRang;
        const TextFeld& klein = lexikon.Kleinwortliste();
        for (std::size_t nr = 0; nr < klein.size(); ++nr)
            if (const auto rang = haeufigkeit.Rang(klein[nr]); rang && *rang <= kFamilienRang)
                nachRang.emplace(*rang, nr);
        std::map<std::string, std::vector<std::size_t>> familien;
        for (const auto& [rang, nr] : nachRang)
            if (const std::string endung = Schreibendung(klein[nr]); endung.size() >= 3)
                familien[endung].push_back(nr);

        const auto reimen = [&](std::size_t a, std::size_t b) {
            const std::string_view schluessel = index.Schluessel(a, false);
            return !schluessel.empty() && schluessel == index.Schluessel(b, false);
        };
        std::size_t geprueft = 0;
        std::size_t auffaellig = 0;
        for (const auto& [rangDerForm, nrDerForm] : nachRang) {
            // Copies: clang before 16 lets no lambda capture a structured binding.
            const std::uint32_t rang = rangDerForm;
            const std::size_t nr = nrDerForm;
            if (geprueft == anzahl)
                break;
            ++geprueft;
            const auto familie = familien.find(Schreibendung(klein[nr]));
            if (familie == familien.end())
                continue;
            std::vector<std::size_t> andere;
            for (const std::size_t m : familie->second)
                if (m != nr && std::any_of(familie->second.begin(), familie->second.end(),
                                           [&](std::size_t o) { return o != m && reimen(m, o); }))
                    andere.push_back(m);
            const bool keiner =
                std::none_of(familie->second.begin(), familie->second.end(),
                             [&](std::size_t m) { return m != nr && reimen(nr, m); });
            if (andere.size() < 2 || !keiner || !Verdaechtig(lexikon, index, nr, andere))
                continue;
            ++auffaellig;
            const std::string wort(lexikon.Wortbestand()[nr]);
            const std::string beispiel(lexikon.Wortbestand()[andere[0]]);
            std::printf("%s (Rang %u) [%s]: reimt auf keines von %s [%s]",
                        Utf8AusCp1252(wort).c_str(), rang,
                        klang.Klang(lexikon, wort).lautschrift.c_str(),
                        Utf8AusCp1252(beispiel).c_str(),
                        klang.Klang(lexikon, beispiel).lautschrift.c_str());
            for (std::size_t i = 1; i < andere.size() && i < 4; ++i)
                std::printf(", %s", Utf8AusCp1252(lexikon.Wortbestand()[andere[i]]).c_str());
            std::printf("\n");
        }
        std::printf("%zu häufige Wörter geprüft, %zu auffällig\n", geprueft, auffaellig);
        return 0;
    } catch (const Fehler& fehler) {
        std::fprintf(stderr, "quandel-reimpruefung: %s\n", fehler.what());
        return 1;
    }
}
