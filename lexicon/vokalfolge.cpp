#include "lexicon/vokalfolge.h"

#include "text/kommatext.h"

namespace quandel {

StringListe<> VokallisteAus(std::string_view vokalfeld) {
    StringListe<> liste(Ordnung::Sortiert, Duplikate::Akzeptieren);
    for (std::string& item : KommatextTeilen(vokalfeld))
        liste.Sammeln(std::move(item));
    liste.Einordnen();
    return liste;
}

Vokale::Vokale(const StringListe<>& vokalliste) {
    for (const auto& eintrag : vokalliste)
        if (eintrag.text.size() == 1)
            ++anzahl_[static_cast<unsigned char>(eintrag.text[0])];
}

std::string Vokale::Vokalfolge(std::string_view wort) const {
    std::string folge;
    VokalfolgeAnhaengen(wort, folge);
    return folge;
}

void Vokale::VokalfolgeAnhaengen(std::string_view wort, std::string& ziel) const {
    for (char c : wort)
        ziel.append(anzahl_[static_cast<unsigned char>(c)], c);
}

} // namespace quandel
