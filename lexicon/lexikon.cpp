#include "lexicon/lexikon.h"

#include "lexicon/vokalfolge.h"
#include "text/fehler.h"
#include "text/kleinschreibung.h"

#include <algorithm>

namespace quandel {

struct Lexikon::Bestand {
    StringListe<> Wortbestand{Ordnung::Sortiert, Duplikate::Ignorieren};
    std::vector<std::string> Kleinwortliste;
    Trie VorwaertsTrie;
    Trie RueckwaertsTrie;
    std::unordered_map<std::string, std::int32_t> kleinIndex;
};

struct Lexikon::LiedIndex {
    StringListe<const std::vector<std::int32_t>> schluessel{Ordnung::Sortiert,
                                                            Duplikate::Ignorieren};
    std::deque<std::vector<std::int32_t>> wortlisten;
};

Lexikon::Lexikon() = default;
Lexikon::~Lexikon() = default;

void WortUmkehren(std::string& text) {
    std::reverse(text.begin(), text.end());
}

void Lexikon::LexikonAufbauen(const std::vector<std::string>& zeilen, std::string_view vokalfeld,
                              EreignisHaken& haken) {
    auto bestand = std::make_unique<Bestand>();
    for (const std::string& zeile : zeilen)
        bestand->Wortbestand.Sammeln(zeile);
    bestand->Wortbestand.Einordnen();
    const std::size_t anzahl = bestand->Wortbestand.size();
    haken();

    for (std::size_t i = 0; i < anzahl; ++i) {
        const auto nr = static_cast<std::int32_t>(i);
        const std::string& wort = bestand->Wortbestand[i];
        bestand->VorwaertsTrie.Knoten(bestand->VorwaertsTrie.Einfuegen(wort)).WortNr = nr;
        haken();
    }
    std::string umgekehrt;
    for (std::size_t i = 0; i < anzahl; ++i) {
        umgekehrt = bestand->Wortbestand[i];
        WortUmkehren(umgekehrt);
        bestand->RueckwaertsTrie.Knoten(bestand->RueckwaertsTrie.Einfuegen(umgekehrt)).WortNr =
            static_cast<std::int32_t>(i);
        haken();
    }
    // Lower-casing keeps the collation order, so the list is sorted as it is built.
    bestand->Kleinwortliste.reserve(anzahl);
    bestand->kleinIndex.reserve(anzahl);
    for (std::size_t i = 0; i < anzahl; ++i) {
        bestand->Kleinwortliste.push_back(Klein(bestand->Wortbestand[i]));
        bestand->kleinIndex.emplace(bestand->Kleinwortliste.back(), static_cast<std::int32_t>(i));
        haken();
    }
    bestand_ = std::move(bestand);
    LiedIndexAufbauen(vokalfeld, haken);
}

void Lexikon::LexikonFreigeben() {
    bestand_.reset();
    liedIndex_.reset();
}

void Lexikon::LiedIndexAufbauen(std::string_view vokalfeld, EreignisHaken& haken) {
    liedIndex_.reset();
    const Vokale vokale(VokallisteAus(vokalfeld));
    const Bestand& bestand = *bestand_;
    auto index = std::make_unique<LiedIndex>();

    // Sequences equal in collation share one key; most words meet a sequence seen before,
    // which the byte-exact map answers without computing a collation key.
    std::unordered_map<std::string, std::vector<std::int32_t>*> nachFolge;
    std::unordered_map<std::string, std::vector<std::int32_t>*> nachSchluessel;
    const Kollator& kollator = Kollator::Deutsch();
    for (std::size_t i = 0; i < bestand.Kleinwortliste.size(); ++i) {
        haken();
        std::string folge = vokale.Vokalfolge(bestand.Kleinwortliste[i]);
        auto gefunden = nachFolge.find(folge);
        if (gefunden == nachFolge.end()) {
            std::string schluessel = kollator.Schluessel(folge);
            auto& liste = nachSchluessel[schluessel];
            if (!liste) {
                liste = &index->wortlisten.emplace_back();
                index->schluessel.Sammeln(folge, liste, std::move(schluessel));
            }
            gefunden = nachFolge.emplace(std::move(folge), liste).first;
        }
        gefunden->second->push_back(static_cast<std::int32_t>(i));
    }
    index->schluessel.Einordnen();
    liedIndex_ = std::move(index);
}

const StringListe<>& Lexikon::Wortbestand() const {
    return bestand_->Wortbestand;
}

const std::vector<std::string>& Lexikon::Kleinwortliste() const {
    return bestand_->Kleinwortliste;
}

const Trie& Lexikon::VorwaertsTrie() const {
    return bestand_->VorwaertsTrie;
}

const Trie& Lexikon::RueckwaertsTrie() const {
    return bestand_->RueckwaertsTrie;
}

std::optional<std::int32_t> Lexikon::WortNrVon(std::string_view klein) const {
    const auto gefunden = bestand_->kleinIndex.find(std::string(klein));
    if (gefunden == bestand_->kleinIndex.end())
        return std::nullopt;
    return gefunden->second;
}

const std::vector<std::int32_t>* Lexikon::LiedWorte(std::string_view vokalfolge) const {
    if (!liedIndex_)
        return nullptr;
    const auto i = liedIndex_->schluessel.IndexVon(vokalfolge);
    return i ? liedIndex_->schluessel.ObjektVon(*i) : nullptr;
}

std::size_t Lexikon::LiedSchluesselAnzahl() const {
    return liedIndex_ ? liedIndex_->schluessel.size() : 0;
}

} // namespace quandel
