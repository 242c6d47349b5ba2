#include "ui/wortbestandslader.h"

#include "lexicon/indexcache.h"
#include "lexicon/lexikon_eingebaut.h"
#include "phonetics/aussprache_eingebaut.h"
#include "phonetics/klang_eingebaut.h"
#include "search/klangbestand.h"
#include "search/suchkontext.h"
#include "ui/fenstergeschlossen.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QScopeGuard>

namespace quandel {

WortbestandsLader::WortbestandsLader()
    : klang_(std::make_unique<Klangbestand>(daten::Aussprachekorrekturen())) {}

WortbestandsLader::~WortbestandsLader() = default;

bool WortbestandsLader::ListeLaden(const QString& pfad, const std::string& vokalfeld,
                                   SuchKontext& kontext) {
    // "Abbruch" stops this build only: the flag is down before it and after it.
    kontext.AbbruchFlag = false;
    const auto nachher = qScopeGuard([&kontext] { kontext.AbbruchFlag = false; });
    Baubegleitung begleitung;
    begleitung.haken = &kontext.haken;
    begleitung.abbruch = &kontext.AbbruchFlag;
    begleitung.fortschritt = [this](int prozent) { emit Fortschritt(prozent); };
    const std::string datei = QFile::encodeName(pfad).toStdString();
    bool geladen = false;
    try {
        LadeErgebnis ergebnis =
            WortlisteLaden(datei, KodierungErkennen(datei), vokalfeld, begleitung, true);
        lexikon_ = std::move(ergebnis.lexikon);
        indexPfad_ = std::move(ergebnis.indexPfad);
        wortlistePfad_ = pfad;
        Benennen(QFileInfo(pfad).completeBaseName());
        geladen = true;
    } catch (const BauAbgebrochen&) {
        // Stopped by "Abbruch" or by closing the window: the old stock stays.
    } catch (const FensterGeschlossen&) {
        throw; // the program is ending: no message
    } catch (const std::exception& e) {
        emit Fehler(QString::fromUtf8(e.what()));
    }
    return geladen;
}

void WortbestandsLader::EingebautenLaden(const std::string& vokalfeld, EreignisHaken& haken) {
    lexikon_ = daten::EingebautesLexikon(vokalfeld, haken);
    indexPfad_.clear();
    wortlistePfad_.clear();
    Benennen(QString());
}

void WortbestandsLader::Erneuern(const std::string& vokalfeld, SuchKontext& kontext) {
    if (wortlistePfad_.isEmpty() || !ListeLaden(wortlistePfad_, vokalfeld, kontext))
        EingebautenLaden(vokalfeld, kontext.haken);
}

bool WortbestandsLader::KlangBereit() const {
    return klang_->Bereit(lexikon_);
}

bool WortbestandsLader::KlangVorbereiten(Berechnung berechnung) {
    return klang_->Vorbereiten(lexikon_, daten::EingebauterKlangIndex(), std::move(berechnung),
                               indexPfad_);
}

// The title names a word list with its number of words: "Quandel Tornar v1 – ngerman
// (356.010 Wörter)"; the built-in stock keeps the plain titles.
void WortbestandsLader::Benennen(const QString& name) {
    zusatz_.clear();
    if (!name.isEmpty()) {
        const auto& bestand = lexikon_.Wortbestand();
        const std::size_t woerter = bestand.size() - (bestand.size() > 0 && bestand[0].empty());
        zusatz_ = QStringLiteral(" – ") + name + QStringLiteral(" (") +
                  QLocale(QLocale::German).toString(static_cast<qulonglong>(woerter)) +
                  (woerter == 1 ? QStringLiteral(" Wort)") : QStringLiteral(" Wörter)"));
    }
    emit Gewechselt();
}

} // namespace quandel
