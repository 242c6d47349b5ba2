#include "lexicon/abfragen.h"

#include <algorithm>
#include <vector>

namespace quandel {

namespace {

void teilbaumSammeln(const Lexikon& lexikon, const Trie& trie, const std::string& pfad,
                     std::string_view form, std::string_view zusatz, TrefferListe& treffer,
                     ApendixListe& apendixliste) {
    const TrieBereich bereich = trie.Suchen(pfad);
    if (bereich.leer())
        return;
    const auto worte = trie.Worte(bereich);
    std::vector<std::int32_t> nummern(worte.begin(), worte.end());
    // The stock is sorted, so in the order of their numbers the hits go into place in one pass.
    std::sort(nummern.begin(), nummern.end());
    const auto& wortbestand = lexikon.Wortbestand();
    const auto& klein = lexikon.Kleinwortliste();
    const auto laenge = static_cast<std::int32_t>(form.size());
    for (std::int32_t nr : nummern) {
        const auto i = static_cast<std::size_t>(nr);
        // A tree mapped from an index file is only as well ordered as the file; a word that
        // does not hold the form is no hit, whatever the file says.
        if (!(trie.Rueckwaerts() ? klein[i].ends_with(form) : klein[i].starts_with(form)))
            continue;
        Apendix& apendix =
            apendixliste.emplace_back(Apendix{std::string(form), std::string(zusatz), laenge});
        treffer.Sammeln(std::string(wortbestand[i]), &apendix,
                        std::string(wortbestand.Schluessel(i)));
    }
    treffer.Einordnen();
}

} // namespace

void EndungSuchen(const Lexikon& lexikon, std::string_view form, std::string_view zusatz,
                  TrefferListe& endTreffer, ApendixListe& apendixliste) {
    if (form.empty())
        return;
    std::string umgekehrt(form);
    WortUmkehren(umgekehrt);
    teilbaumSammeln(lexikon, lexikon.RueckwaertsTrie(), umgekehrt, form, zusatz, endTreffer,
                    apendixliste);
}

void AnfangSuchen(const Lexikon& lexikon, std::string_view form, std::string_view zusatz,
                  TrefferListe& stabTreffer, ApendixListe& apendixliste) {
    if (form.empty())
        return;
    teilbaumSammeln(lexikon, lexikon.VorwaertsTrie(), std::string(form), form, zusatz, stabTreffer,
                    apendixliste);
}

bool EndungVorhanden(const Lexikon& lexikon, std::string_view form) {
    if (form.empty())
        return false;
    std::string umgekehrt(form);
    WortUmkehren(umgekehrt);
    return !lexikon.RueckwaertsTrie().Suchen(umgekehrt).leer();
}

} // namespace quandel
