#include "search/suchkontext.h"

#include "soundgroups/suchformen.h"
#include "text/kleinschreibung.h"
#include "text/kommatext.h"

namespace quandel {

void Suchlisten::SuchbegriffeLesen(std::string_view suchtext) {
    Suchbegriffe.Leeren();
    for (std::string& item : KommatextTeilen(suchtext))
        Suchbegriffe.Hinzufuegen(std::move(item));
    if (!Suchbegriffe.empty())
        Suchbegriffe.TextSetzen(0, Klein(Suchbegriffe[0]));
}

void SuchKontext::SuchformenFuellen(Suchlisten& listen, std::string_view wort,
                                    bool akzentuirung) const {
    if (akzentuirung)
        SuchformenBilden(wort, lautersetzung_, listen.Suchformen);
    else
        listen.Suchformen.Hinzufuegen(std::string(wort));
}

} // namespace quandel
