#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace quandel::testhilfe {

// What one run of quandel-cli left behind: its exit status (-1 if a signal ended it) and that
// signal.
struct Lauf {
    int status = -1;
    int signal = 0;
    std::string aus;
    std::string fehler;
};

// A running quandel-cli with stdin on /dev/null and stdout captured. Its stderr goes to a
// pipe, or with fehlerAufTerminal to a pseudo terminal, so that it sees a terminal there.
class CliProzess {
public:
    explicit CliProzess(const std::vector<std::string>& argumente, bool fehlerAufTerminal = false);
    CliProzess(const CliProzess&) = delete;
    CliProzess& operator=(const CliProzess&) = delete;
    ~CliProzess();

    pid_t pid() const { return pid_; }

    // Reads stderr until it contains text; false if the process closed it first.
    bool FehlerAbwarten(const std::string& text);

    // Reads both outputs to their end and waits for the process.
    Lauf Abwarten();

private:
    bool lesen(int& fd, std::string& ziel);

    pid_t pid_ = -1;
    bool abgewartet_ = false;
    int aus_ = -1;
    int fehler_ = -1;
    Lauf lauf_;
};

// Runs quandel-cli to its end.
Lauf CliAusfuehren(const std::vector<std::string>& argumente);

} // namespace quandel::testhilfe
