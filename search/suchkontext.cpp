#include "search/suchkontext.h"

#include "lexicon/suchformen.h"
#include "text/kleinschreibung.h"
#include "text/kommatext.h"

namespace quandel {

void SuchKontext::SuchbegriffeLesen(std::string_view suchtext) {
    Suchbegriffe.Leeren();
    for (std::string& item : KommatextTeilen(suchtext))
        Suchbegriffe.Hinzufuegen(std::move(item));
    if (!Suchbegriffe.empty())
        Suchbegriffe.TextSetzen(0, Klein(Suchbegriffe[0]));
}

void SuchKontext::SuchlistenLeeren() {
    Suchbegriffe.Leeren();
    Suchformen.Leeren();
    EndTreffer.Leeren();
    StabTreffer.Leeren();
    SchuettelTreffer.Leeren();
    PlusTreffer.Leeren();
}

void SuchKontext::SuchformenFuellen(std::string_view wort, bool akzentuirung) {
    if (akzentuirung)
        SuchformenBilden(wort, lautersetzung_, Suchformen);
    else
        Suchformen.Hinzufuegen(std::string(wort));
}

} // namespace quandel
