// quandel-cli: the rhyme searches from a terminal or a script.
//   $ quandel-cli end eide
//   beeide
//   beide
//   Kreide
//   ...
// Exit status 0 with hits, 1 without (or without a search word), 2 for bad usage, an
// unusable word stock, sound-group or correction file, a saved index changed while in use or
// output that cannot be written, 130 for a spoonerism, a sound search or the sound keys stopped
// by Ctrl+C, 143 for the same stopped by SIGTERM.
#include "app/cli_aufruf.h"
#include "app/cli_ausgabe.h"
#include "app/cli_meldung.h"
#include "app/cli_sitzung.h"
#include "lexicon/abbild.h"
#include "text/fehler.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

using namespace quandel;
using namespace quandel::cli;

// The buffer of getline(3), freed at the end.
struct Zeilenpuffer {
    Zeilenpuffer() = default;
    Zeilenpuffer(const Zeilenpuffer&) = delete;
    Zeilenpuffer& operator=(const Zeilenpuffer&) = delete;
    ~Zeilenpuffer() { std::free(text); }

    char* text = nullptr;
    std::size_t groesse = 0;
};

// Answers every line of stdin in turn, each answer closed by an empty line (with json: on a
// line of its own) and handed on at once, so that a script can ask line by line. Status: 2 if a
// line could not be searched, else 0 if some line had hits, else 1; 130 (143) when Ctrl+C
// (SIGTERM) stopped a spoonerism or a sound search. A saved index changed under the session
// ends it with status 2: no later line could be answered from it.
int ZeilenBeantworten(Sitzung& sitzung, Ausgabe& ausgabe) {
    int status = kOhneTreffer;
    Zeilenpuffer zeile;
    std::size_t nummer = 0;
    for (ssize_t laenge; (laenge = ::getline(&zeile.text, &zeile.groesse, stdin)) >= 0;) {
        ++nummer;
        std::string_view text(zeile.text, static_cast<std::size_t>(laenge));
        if (text.ends_with('\n'))
            text.remove_suffix(1);
        if (text.ends_with('\r'))
            text.remove_suffix(1);
        int antwort = kFalscherAufruf;
        try {
            // The search would see only the part before it.
            if (text.find('\0') != std::string_view::npos)
                throw Fehler("Die Zeile enthält ein Nullbyte.");
            antwort = sitzung.Beantworten(text);
        } catch (const IndexVeraendert& fehler) {
            Melden("Zeile " + std::to_string(nummer) + ": " + fehler.what());
            return kFalscherAufruf;
        } catch (const Fehler& fehler) {
            Melden("Zeile " + std::to_string(nummer) + ": " + fehler.what());
            sitzung.LeerAntworten();
        }
        if (Gestoppt(antwort))
            return antwort;
        if (!ausgabe.Schreiben(sitzung.Antwortende()) || !ausgabe.Leeren())
            return kAbgebrochen;
        if (antwort == kFalscherAufruf || status == kFalscherAufruf)
            status = kFalscherAufruf;
        else if (antwort == kTreffer)
            status = kTreffer;
    }
    if (std::ferror(stdin)) {
        Melden("Die Standardeingabe kann nicht gelesen werden: " + Grund(errno));
        return kFalscherAufruf;
    }
    return status;
}

// The status once all output is out: a failed write is reported, unless a signal broke it off.
int Abschliessen(Ausgabe& ausgabe, int status) {
    if (ausgabe.Leeren())
        return status;
    if (Gestoppt(status) && ausgabe.Fehlernummer() == EINTR)
        return status;
    Melden(ausgabe.Fehlermeldung());
    return kFalscherAufruf;
}

int Ausfuehren(const Aufruf& aufruf, Ausgabe& ausgabe) {
    if (aufruf.hilfe) {
        ausgabe.Schreiben(Hilfetext());
        return Abschliessen(ausgabe, kTreffer);
    }
    if (aufruf.version) {
        ausgabe.Schreiben("quandel-cli " QUANDEL_VERSION "\n");
        return Abschliessen(ausgabe, kTreffer);
    }
    Sitzung sitzung(aufruf, ausgabe);
    const int status = aufruf.ausEingabe ? ZeilenBeantworten(sitzung, ausgabe)
                                         : sitzung.Beantworten(aufruf.suchtext);
    return Abschliessen(ausgabe, status);
}

} // namespace

int main(int argc, char** argv) {
    Ausgabe ausgabe(STDOUT_FILENO);
    try {
        const Aufruf aufruf = AufrufLesen(std::vector<std::string_view>(argv + 1, argv + argc),
                                          ::isatty(STDIN_FILENO) == 1);
        return Ausfuehren(aufruf, ausgabe);
    } catch (const Aufruffehler& fehler) {
        Melden(fehler.what());
        Melden("Hilfe: quandel-cli --help");
        return kFalscherAufruf;
    } catch (const Fehler& fehler) {
        Melden(fehler.what());
        return kFalscherAufruf;
    } catch (const std::bad_alloc&) {
        Melden("Nicht genug Arbeitsspeicher.");
        return kFalscherAufruf;
    } catch (const std::exception& fehler) {
        Melden(std::string("Interner Fehler: ") + fehler.what());
        return kFalscherAufruf;
    }
}
