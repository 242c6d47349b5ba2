#pragma once

#include "app/cli_aufruf.h"
#include "app/cli_ausgabe.h"
#include "lexicon/indexcache.h"
#include "meaning/thesaurus.h"
#include "meaning/treffersieb.h"
#include "meaning/wortartentabelle.h"
#include "search/haeufigkeit.h"
#include "search/klangbestand.h"
#include "search/suchkontext.h"
#include "soundgroups/ersetzbaum.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quandel::cli {

// Exit statuses of the command line.
constexpr int kTreffer = 0;
constexpr int kOhneTreffer = 1;
constexpr int kFalscherAufruf = 2;
constexpr int kAbgebrochen = 130; // Ctrl+C, or a write that failed
constexpr int kBeendet = 143;     // SIGTERM

inline bool Gestoppt(int status) {
    return status == kAbgebrochen || status == kBeendet;
}

// One run of the command line: the word stock and the sound groups read, the lexicon built and
// the thesaurus loaded once, then one answer for each search text.
class Sitzung {
public:
    Sitzung(const Aufruf& aufruf, Ausgabe& ausgabe);

    // Searches for a text (UTF-8) and writes the hits; the spoonerism writes each row as it
    // is found. Returns kTreffer, kOhneTreffer, kAbgebrochen (Ctrl+C, or a failed write,
    // which the Ausgabe then holds) or kBeendet (SIGTERM). A text outside Windows-1252 or with
    // too many sound variants raises Fehler; a saved index changed under the session raises
    // IndexVeraendert (and no answer, or no further row, is written).
    int Beantworten(std::string_view suchtext);

    // For search texts from stdin: what closes each answer ("" for json, whose answers are
    // one line each, else an empty line), and the answer to a line that could not be
    // searched (an empty result in the chosen format), so that answers and lines stay in
    // step.
    std::string_view Antwortende() const;
    bool LeerAntworten();

private:
    // klangtreffer: the details of a sound search's hits, in any order.
    std::string Antworttext(const std::vector<std::string>& treffer,
                            const std::vector<Klangtreffer>& klangtreffer = {}) const;
    // For search texts from stdin, a json answer on one line.
    std::string Einzeilig(std::string text) const;
    int SynonymeBeantworten(std::string_view suchtext);
    // Throws IndexVeraendert when a saved index in use (the list's, the thesaurus's) has
    // changed since it was mapped.
    void IndexePruefen() const;

    const Aufruf& aufruf_;
    Ausgabe& ausgabe_;
    std::string vokalfeld_;
    Lautersetzung lautersetzung_;
    LadeErgebnis geladen_;
    SuchKontext kontext_{geladen_.lexikon, lautersetzung_};
    std::unique_ptr<Klangbestand> klang_; // for the sound search only
    std::uint64_t zeilen_ = 0;            // spoonerism rows written
    const Haeufigkeit haeufigkeit_;       // for the order of common words first
    Wortartentabelle wortarten_;
    std::optional<Thesaurus> thesaurus_; // for synonym and --sinn only
    Treffersieb sieb_;                   // --wortart, --sinn
};

} // namespace quandel::cli
