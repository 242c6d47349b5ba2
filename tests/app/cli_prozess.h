#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace quandel::testhilfe {

// Debian's data that some tests read: ngerman (wngerman), OpenThesaurus (openthesaurus-de-text).
inline constexpr const char* kNgerman = "/usr/share/dict/ngerman";
inline constexpr const char* kOpenThesaurus = "/usr/share/openthesaurus-de/thesaurus.txt";

// True when the file is there. Otherwise the test is skipped with the package to install, and
// under CI (CI=true), which installs it with scripts/install-deps.sh, it fails; call as
// `if (!DebianDatei(kNgerman, "wngerman")) return;`.
bool DebianDatei(const char* pfad, const char* paket);

// What one run of quandel-cli left behind: its exit status (-1 if a signal ended it) and that
// signal.
struct Lauf {
    int status = -1;
    int signal = 0;
    std::string aus;
    std::string fehler;
};

// Where a quandel-cli runs: stdin on /dev/null or on a file, stdout captured or into a file,
// stderr to a pipe or to a pseudo terminal (so that it sees a terminal there).
struct Umgebung {
    bool fehlerAufTerminal = false;
    std::string eingabeDatei{};   // stdin, if not empty
    std::string ausgabeDatei{};   // stdout, if not empty (then nothing is captured)
    bool sigintIgnoriert = false; // started with Ctrl+C ignored, as by nohup or a shell's &
    bool eingabeOffen = false;    // stdin a pipe that the test writes to (Schreiben)
};

// A running quandel-cli.
class CliProzess {
public:
    explicit CliProzess(const std::vector<std::string>& argumente, bool fehlerAufTerminal = false);
    CliProzess(const std::vector<std::string>& argumente, const Umgebung& umgebung);
    CliProzess(const CliProzess&) = delete;
    CliProzess& operator=(const CliProzess&) = delete;
    ~CliProzess();

    pid_t pid() const { return pid_; }

    // Reads stderr until it contains text; false if the process closed it first.
    bool FehlerAbwarten(const std::string& text);

    // With Umgebung::eingabeOffen: writes to the process's stdin, or closes it (end of input).
    bool Schreiben(const std::string& text);
    void EingabeSchliessen();

    // Reads stdout (when captured) until that many bytes have come; false if it ended first.
    bool AusgabeAbwarten(std::size_t bytes);
    const std::string& Ausgabe() const { return lauf_.aus; }

    // The peak resident memory of the running program in KB (VmHWM): the program's own, unlike
    // the ru_maxrss of a spawned child, which starts from the spawning process's peak.
    long SpeicherspitzeKb() const;

    // Reads both outputs to their end and waits for the process.
    Lauf Abwarten();

    // Waits up to `sekunden` for the process to end without reading its stdout, so that a
    // full pipe stays full; false if it is still running then.
    bool EndeAbwarten(int sekunden, Lauf& lauf);

private:
    bool lesen(int& fd, std::string& ziel);

    pid_t pid_ = -1;
    bool abgewartet_ = false;
    int ein_ = -1;
    int aus_ = -1;
    int fehler_ = -1;
    Lauf lauf_;
};

// Runs quandel-cli to its end.
Lauf CliAusfuehren(const std::vector<std::string>& argumente);
Lauf CliAusfuehren(const std::vector<std::string>& argumente, const Umgebung& umgebung);

// The stdout of a run that must end with status 0; otherwise the test fails, naming stderr.
std::string Ausgabe(const std::vector<std::string>& argumente);

// A session (arguments with the text "-") that maps the index: after the answer to the first
// line of `zeile`, another program cuts the index short; the session must then end with
// status 2, a message naming line 2 and the index, and no further answer. Fails the test
// otherwise (call with ASSERT_NO_FATAL_FAILURE).
void SitzungMitGekuerztemIndex(const std::vector<std::string>& argumente, const std::string& index,
                               const std::string& zeile, const std::string& antwort);

// Whether an output holds that line.
bool HatZeile(const std::string& ausgabe, const std::string& zeile);

} // namespace quandel::testhilfe
