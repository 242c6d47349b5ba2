#include "phonetics/aussprachetabelle.h"

#include "lexicon/pruefsumme.h"
#include "text/datei.h"
#include "text/fehler.h"
#include "text/kleinschreibung.h"
#include "text/kodierung.h"
#include "text/textgrenzen.h"
#include "text/zeilen.h"

#include <algorithm>

namespace quandel {

namespace {

// A correction file has a word and a few sounds per line; a large one corrects a whole list.
constexpr Textgrenzen kGrenzen{16 << 20, 4096};

bool IstLeer(char zeichen) {
    return zeichen == ' ' || zeichen == '\t';
}

bool HatHauptton(const Lautfolge& laute) {
    return std::any_of(laute.begin(), laute.end(),
                       [](const Laut& laut) { return laut.betonung == Betonung::Haupt; });
}

// A line that reads as a pronunciation from its first name on lacks its word.
bool NurLaute(std::string_view zeile) {
    try {
        return HatHauptton(LauteAusTabelle(zeile));
    } catch (const Fehler&) {
        return false;
    }
}

// One line; throws Fehler with the reason alone.
std::pair<std::string, Lautfolge> EintragLesen(std::string_view zeile) {
    Cp1252AusUtf8(zeile); // the whole line, so that no message quotes broken bytes
    if (NurLaute(zeile))
        throw Fehler("vor den Lauten fehlt das Wort (etwa Garage g a r 'a: Z @)");
    const auto wortEnde = std::find_if(zeile.begin(), zeile.end(), IstLeer);
    const std::string wort = Klein(Cp1252AusUtf8(std::string_view(zeile.begin(), wortEnde)));
    const std::string_view rest(wortEnde, zeile.end());
    Lautfolge laute = LauteAusTabelle(rest);
    if (laute.empty())
        throw Fehler("nach dem Wort \"" + Utf8AusCp1252(wort) + "\" fehlen die Laute");
    if (!HatHauptton(laute))
        throw Fehler("kein Hauptton: vor dem betonten Vokal fehlt ' (etwa g a r 'a: Z @)");
    return {wort, std::move(laute)};
}

} // namespace

void Aussprachetabelle::Einlesen(std::string_view utf8, std::string_view quelle) {
    TextgrenzenPruefen(utf8, quelle, kGrenzen);
    const std::vector<std::string> zeilen = ZeilenTeilen(utf8);
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        std::string_view zeile = zeilen[i];
        while (!zeile.empty() && IstLeer(zeile.front()))
            zeile.remove_prefix(1);
        if (zeile.empty() || zeile.starts_with('#'))
            continue;
        try {
            auto [wort, laute] = EintragLesen(zeile);
            laengstesWort_ = std::max(laengstesWort_, wort.size());
            eintraege_.insert_or_assign(std::move(wort), std::move(laute));
        } catch (const Fehler& fehler) {
            throw Fehler(std::string(quelle) + ", Zeile " + std::to_string(i + 1) + ": " +
                         fehler.what());
        }
    }
}

void Aussprachetabelle::DateiEinlesen(const std::filesystem::path& datei) {
    Einlesen(DateiLesen(datei, kGrenzen), datei.string());
}

std::uint64_t Aussprachetabelle::Pruefsumme() const {
    std::uint64_t summe = eintraege_.size();
    for (const auto& [wort, laute] : eintraege_) {
        std::string bytes = wort + '\t';
        for (const Laut& laut : laute) {
            bytes += static_cast<char>(laut.code);
            bytes += static_cast<char>(laut.betonung);
        }
        summe += Pruefsumme64(bytes);
    }
    return summe;
}

const Lautfolge* Aussprachetabelle::Finden(std::string_view klein) const {
    const auto gefunden = eintraege_.find(klein);
    return gefunden == eintraege_.end() ? nullptr : &gefunden->second;
}

Lautfolge Aussprache::Laute(std::string_view wort) {
    if (const Lautfolge* korrektur = tabelle_.Finden(Klein(wort)))
        return *korrektur;
    return LauteAusEspeak(aussprecher_.Phoneme(wort));
}

} // namespace quandel
