#include "cli_prozess.h"

#include "tests/testcache.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <limits>
#include <poll.h>
#include <pty.h>
#include <spawn.h>
#include <stdexcept>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace quandel::testhilfe {

namespace {

// Every quandel-cli a test starts inherits it: the indexes of the test lists stay out of home.
const test::TestCacheOrdner kCacheOrdner;

void ueberspringen(const std::string& grund) {
    GTEST_SKIP() << grund;
}

void pruefen(bool ok, const char* was) {
    if (!ok)
        throw std::runtime_error(std::string(was) + " fehlgeschlagen");
}

} // namespace

CliProzess::CliProzess(const std::vector<std::string>& argumente, bool fehlerAufTerminal)
    : CliProzess(argumente, Umgebung{.fehlerAufTerminal = fehlerAufTerminal}) {}

CliProzess::CliProzess(const std::vector<std::string>& argumente, const Umgebung& umgebung) {
    int aus[2];
    pruefen(::pipe2(aus, O_CLOEXEC) == 0, "pipe2");
    int fehlerLesen = -1;
    int fehlerSchreiben = -1;
    if (umgebung.fehlerAufTerminal) {
        pruefen(::openpty(&fehlerLesen, &fehlerSchreiben, nullptr, nullptr, nullptr) == 0,
                "openpty");
        ::fcntl(fehlerLesen, F_SETFD, FD_CLOEXEC);
        ::fcntl(fehlerSchreiben, F_SETFD, FD_CLOEXEC);
    } else {
        int fehler[2];
        pruefen(::pipe2(fehler, O_CLOEXEC) == 0, "pipe2");
        fehlerLesen = fehler[0];
        fehlerSchreiben = fehler[1];
    }

    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    int ein[2] = {-1, -1};
    if (umgebung.eingabeOffen) {
        pruefen(::pipe2(ein, O_CLOEXEC) == 0, "pipe2");
        posix_spawn_file_actions_adddup2(&aktionen, ein[0], STDIN_FILENO);
    } else {
        const std::string eingabe =
            umgebung.eingabeDatei.empty() ? std::string("/dev/null") : umgebung.eingabeDatei;
        posix_spawn_file_actions_addopen(&aktionen, STDIN_FILENO, eingabe.c_str(), O_RDONLY, 0);
    }
    if (umgebung.ausgabeDatei.empty())
        posix_spawn_file_actions_adddup2(&aktionen, aus[1], STDOUT_FILENO);
    else
        posix_spawn_file_actions_addopen(&aktionen, STDOUT_FILENO, umgebung.ausgabeDatei.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&aktionen, fehlerSchreiben, STDERR_FILENO);

    std::vector<std::string> befehl{QUANDEL_CLI};
    befehl.insert(befehl.end(), argumente.begin(), argumente.end());
    std::vector<char*> argv;
    for (std::string& argument : befehl)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    // An ignored signal stays ignored across exec.
    struct sigaction ignorieren {};
    ignorieren.sa_handler = SIG_IGN;
    struct sigaction vorher {};
    if (umgebung.sigintIgnoriert)
        ::sigaction(SIGINT, &ignorieren, &vorher);
    const int ergebnis = posix_spawn(&pid_, QUANDEL_CLI, &aktionen, nullptr, argv.data(), environ);
    if (umgebung.sigintIgnoriert)
        ::sigaction(SIGINT, &vorher, nullptr);
    posix_spawn_file_actions_destroy(&aktionen);
    ::close(aus[1]);
    ::close(fehlerSchreiben);
    if (ein[0] >= 0)
        ::close(ein[0]);
    ein_ = ein[1];
    aus_ = aus[0];
    fehler_ = fehlerLesen;
    pruefen(ergebnis == 0, "posix_spawn");
}

CliProzess::~CliProzess() {
    if (pid_ > 0 && !abgewartet_) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    EingabeSchliessen();
    if (aus_ >= 0)
        ::close(aus_);
    if (fehler_ >= 0)
        ::close(fehler_);
}

// Appends what one read brings; closes fd at its end. A pseudo terminal reports its end,
// once the process is gone, as EIO.
bool CliProzess::lesen(int& fd, std::string& ziel) {
    char puffer[1 << 16];
    const ssize_t n = ::read(fd, puffer, sizeof puffer);
    if (n < 0 && errno == EINTR)
        return true;
    if (n <= 0) {
        ::close(fd);
        fd = -1;
        return false;
    }
    ziel.append(puffer, static_cast<std::size_t>(n));
    return true;
}

bool CliProzess::FehlerAbwarten(const std::string& text) {
    while (lauf_.fehler.find(text) == std::string::npos)
        if (fehler_ < 0 || !lesen(fehler_, lauf_.fehler))
            return false;
    return true;
}

bool CliProzess::Schreiben(const std::string& text) {
    std::size_t geschrieben = 0;
    while (geschrieben < text.size()) {
        const ssize_t n = ::write(ein_, text.data() + geschrieben, text.size() - geschrieben);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        geschrieben += static_cast<std::size_t>(n);
    }
    return true;
}

void CliProzess::EingabeSchliessen() {
    if (ein_ >= 0)
        ::close(ein_);
    ein_ = -1;
}

bool CliProzess::AusgabeAbwarten(std::size_t bytes) {
    while (lauf_.aus.size() < bytes)
        if (aus_ < 0 || !lesen(aus_, lauf_.aus))
            return false;
    return true;
}

long CliProzess::SpeicherspitzeKb() const {
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
    std::string name;
    long wert = 0;
    while (status >> name) {
        if (name == "VmHWM:" && status >> wert)
            return wert;
        status.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    }
    return 0;
}

Lauf CliProzess::Abwarten() {
    EingabeSchliessen();
    while (aus_ >= 0 || fehler_ >= 0) {
        pollfd offen[2];
        nfds_t anzahl = 0;
        for (int fd : {aus_, fehler_})
            if (fd >= 0)
                offen[anzahl++] = {fd, POLLIN, 0};
        if (::poll(offen, anzahl, -1) < 0 && errno != EINTR)
            break;
        for (nfds_t i = 0; i < anzahl; ++i) {
            if (offen[i].revents == 0)
                continue;
            if (offen[i].fd == aus_)
                lesen(aus_, lauf_.aus);
            else
                lesen(fehler_, lauf_.fehler);
        }
    }
    int zustand = 0;
    pruefen(::waitpid(pid_, &zustand, 0) == pid_, "waitpid");
    abgewartet_ = true;
    lauf_.status = WIFEXITED(zustand) ? WEXITSTATUS(zustand) : -1;
    lauf_.signal = WIFSIGNALED(zustand) ? WTERMSIG(zustand) : 0;
    return lauf_;
}

bool CliProzess::EndeAbwarten(int sekunden, Lauf& lauf) {
    for (int i = 0; i < sekunden * 100; ++i) {
        // Keep stderr flowing, so that a progress bar cannot block the process.
        pollfd fehler{fehler_, POLLIN, 0};
        if (fehler_ >= 0 && ::poll(&fehler, 1, 0) > 0)
            lesen(fehler_, lauf_.fehler);
        int zustand = 0;
        if (::waitpid(pid_, &zustand, WNOHANG) == pid_) {
            abgewartet_ = true;
            lauf_.status = WIFEXITED(zustand) ? WEXITSTATUS(zustand) : -1;
            lauf_.signal = WIFSIGNALED(zustand) ? WTERMSIG(zustand) : 0;
            lauf = lauf_;
            return true;
        }
        ::usleep(10000);
    }
    return false;
}

Lauf CliAusfuehren(const std::vector<std::string>& argumente) {
    return CliProzess(argumente).Abwarten();
}

Lauf CliAusfuehren(const std::vector<std::string>& argumente, const Umgebung& umgebung) {
    return CliProzess(argumente, umgebung).Abwarten();
}

std::string Ausgabe(const std::vector<std::string>& argumente) {
    const Lauf lauf = CliAusfuehren(argumente);
    EXPECT_EQ(lauf.status, 0) << lauf.fehler;
    return lauf.aus;
}

void SitzungMitGekuerztemIndex(const std::vector<std::string>& argumente, const std::string& index,
                               const std::string& zeile, const std::string& antwort) {
    CliProzess sitzung(argumente, {.eingabeOffen = true});
    ASSERT_TRUE(sitzung.Schreiben(zeile + "\n"));
    ASSERT_TRUE(sitzung.AusgabeAbwarten(antwort.size()));
    ASSERT_EQ(::truncate(index.c_str(), 0), 0);
    ASSERT_TRUE(sitzung.Schreiben(zeile + "\n" + zeile + "\n"));
    const Lauf lauf = sitzung.Abwarten();
    EXPECT_EQ(lauf.signal, 0);
    EXPECT_EQ(lauf.status, 2);
    EXPECT_EQ(lauf.aus, antwort);
    EXPECT_EQ(lauf.fehler, "quandel-cli: Zeile 2: Die Indexdatei " + index +
                               " wurde während des Gebrauchs verändert.\n");
}

bool HatZeile(const std::string& ausgabe, const std::string& zeile) {
    return ("\n" + ausgabe).find("\n" + zeile + "\n") != std::string::npos;
}

bool DebianDatei(const char* pfad, const char* paket) {
    if (std::filesystem::exists(pfad))
        return true;
    const std::string grund =
        std::string(pfad) + " fehlt: apt-get install " + paket + " (scripts/install-deps.sh)";
    const char* ci = std::getenv("CI");
    if (ci && std::string_view(ci) == "true")
        ADD_FAILURE() << grund << "; CI braucht es";
    else
        ueberspringen(grund);
    return false;
}

} // namespace quandel::testhilfe
