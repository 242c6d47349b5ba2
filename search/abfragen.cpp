#include "search/abfragen.h"

#include "text/kleinschreibung.h"
#include "text/kollation.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

namespace quandel {

namespace {

// Whether the lowered word begins (or ends) with form.
bool haeltForm(std::string_view wort, std::string_view form, bool amEnde) {
    if (form.size() > wort.size())
        return false;
    const std::size_t von = amEnde ? wort.size() - form.size() : 0;
    for (std::size_t j = 0; j < form.size(); ++j)
        if (Klein(wort[von + j]) != form[j])
            return false;
    return true;
}

void teilbaumSammeln(const Trie& trie, const std::string& pfad, std::string_view form,
                     std::string_view zusatz, TrefferListe& treffer, ApendixListe& apendixliste) {
    const TrieBereich bereich = trie.Suchen(pfad);
    if (bereich.leer())
        return;
    // The words come from the tree's own texts, which lie together; the stock is sorted, so
    // in the order of their numbers the hits go into place in one pass.
    const auto nummern = trie.Worte(bereich);
    std::vector<std::size_t> stellen(nummern.size());
    std::iota(stellen.begin(), stellen.end(), std::size_t{0});
    std::sort(stellen.begin(), stellen.end(),
              [&](std::size_t a, std::size_t b) { return nummern[a] < nummern[b]; });
    const Kollator& kollator = Kollator::Deutsch();
    const auto laenge = static_cast<std::int32_t>(form.size());
    for (const std::size_t stelle : stellen) {
        const std::string_view wort = trie.Text(bereich.von + stelle);
        // A tree mapped from an index file is only as well ordered as the file; a word that
        // does not hold the form is no hit, whatever the file says.
        if (!haeltForm(wort, form, trie.Rueckwaerts()))
            continue;
        Apendix& apendix =
            apendixliste.emplace_back(Apendix{std::string(form), std::string(zusatz), laenge});
        treffer.Sammeln(std::string(wort), &apendix, kollator.Schluessel(wort));
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
    teilbaumSammeln(lexikon.RueckwaertsTrie(), umgekehrt, form, zusatz, endTreffer, apendixliste);
}

void AnfangSuchen(const Lexikon& lexikon, std::string_view form, std::string_view zusatz,
                  TrefferListe& stabTreffer, ApendixListe& apendixliste) {
    if (form.empty())
        return;
    teilbaumSammeln(lexikon.VorwaertsTrie(), std::string(form), form, zusatz, stabTreffer,
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
