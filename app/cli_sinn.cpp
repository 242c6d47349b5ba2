#include "app/cli_sinn.h"

#include "meaning/thesauruslader.h"
#include "text/fehler.h"
#include "text/pfadangabe.h"

namespace quandel::cli {

namespace {

std::string thesaurusPfad(const Aufruf& aufruf) {
    return aufruf.thesaurus.value_or(std::string(kThesaurusVorgabe));
}

} // namespace

std::optional<Thesaurus> ThesaurusFuer(const Aufruf& aufruf) {
    if (aufruf.modus != Modus::Synonym && !aufruf.sinn)
        return std::nullopt;
    return ThesaurusLaden(thesaurusPfad(aufruf), !aufruf.keinCache);
}

Treffersieb TreffersiebFuer(const Aufruf& aufruf, const Wortartentabelle& tabelle,
                            const Thesaurus* thesaurus) {
    Treffersieb sieb;
    if (!aufruf.wortarten.Unbekannt())
        sieb.WortartenSetzen(tabelle, aufruf.wortarten);
    if (aufruf.sinn && thesaurus) {
        if (!sieb.SinnSetzen(*thesaurus, ArgumentAusUtf8("--sinn", *aufruf.sinn)))
            throw Fehler("\"" + *aufruf.sinn + "\" steht nicht im Thesaurus " +
                         Pfadangabe(thesaurusPfad(aufruf)) + " (--sinn).");
    }
    return sieb;
}

} // namespace quandel::cli
