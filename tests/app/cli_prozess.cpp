#include "cli_prozess.h"

#include "tests/testcache.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace quandel::testhilfe {

namespace {

// Every quandel-cli a test starts inherits it: the indexes of the test lists stay out of home.
const test::TestCacheOrdner kCacheOrdner;

void pruefen(bool ok, const char* was) {
    if (!ok)
        throw std::runtime_error(std::string(was) + " fehlgeschlagen");
}

} // namespace

CliProzess::CliProzess(const std::vector<std::string>& argumente, bool fehlerAufTerminal) {
    int aus[2];
    pruefen(::pipe2(aus, O_CLOEXEC) == 0, "pipe2");
    int fehlerLesen = -1;
    int fehlerSchreiben = -1;
    if (fehlerAufTerminal) {
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
    posix_spawn_file_actions_addopen(&aktionen, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&aktionen, aus[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&aktionen, fehlerSchreiben, STDERR_FILENO);

    std::vector<std::string> befehl{QUANDEL_CLI};
    befehl.insert(befehl.end(), argumente.begin(), argumente.end());
    std::vector<char*> argv;
    for (std::string& argument : befehl)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const int ergebnis = posix_spawn(&pid_, QUANDEL_CLI, &aktionen, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&aktionen);
    ::close(aus[1]);
    ::close(fehlerSchreiben);
    aus_ = aus[0];
    fehler_ = fehlerLesen;
    pruefen(ergebnis == 0, "posix_spawn");
}

CliProzess::~CliProzess() {
    if (pid_ > 0 && !abgewartet_) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
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

Lauf CliProzess::Abwarten() {
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

Lauf CliAusfuehren(const std::vector<std::string>& argumente) {
    return CliProzess(argumente).Abwarten();
}

} // namespace quandel::testhilfe
