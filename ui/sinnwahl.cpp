#include "ui/sinnwahl.h"

#include "lexicon/abbild.h"
#include "meaning/thesauruslader.h"
#include "meaning/treffersieb.h"
#include "meaning/wortarten_eingebaut.h"
#include "text/fehler.h"
#include "text/kodierung.h"

namespace quandel {

Sinnwahl::Sinnwahl() : pfad_(kThesaurusVorgabe), tabelle_(daten::EingebauteWortarten()) {}

const Thesaurus& Sinnwahl::thesaurus() {
    if (!thesaurus_)
        thesaurus_ = quandel::ThesaurusLaden(pfad_, true);
    return *thesaurus_;
}

void Sinnwahl::ThesaurusLaden(const std::string& pfad) {
    thesaurus_ = quandel::ThesaurusLaden(pfad, true);
    pfad_ = pfad;
    if (!sinn_.empty() && thesaurus_->GruppenVon(sinn_).empty())
        sinn_.clear();
}

void Sinnwahl::AbbildPruefen() {
    try {
        thesaurus_->AbbildPruefen();
    } catch (const IndexVeraendert& e) {
        thesaurus_.reset();
        throw Fehler(e.what());
    }
}

std::vector<std::string> Sinnwahl::Synonyme(std::string_view wort) {
    std::vector<std::string> synonyme = thesaurus().Synonyme(wort);
    AbbildPruefen();
    return synonyme;
}

bool Sinnwahl::SinnSetzen(const std::string& wort) {
    if (Kernwort(wort).empty()) {
        sinn_.clear();
        return true;
    }
    if (thesaurus().GruppenVon(wort).empty())
        return false;
    sinn_ = Kernwort(wort);
    return true;
}

void Sinnwahl::Sieben(std::vector<std::string>& treffer) {
    if (!Aktiv())
        return;
    Treffersieb sieb;
    sieb.WortartenSetzen(tabelle_, arten_);
    if (!sinn_.empty() && !sieb.SinnSetzen(thesaurus(), sinn_))
        throw Fehler("»" + Utf8AusCp1252(sinn_) + "« steht nicht im Thesaurus " + pfad_ + ".");
    sieb.Sieben(treffer);
    if (!sinn_.empty())
        AbbildPruefen();
}

} // namespace quandel
