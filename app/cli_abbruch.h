#pragma once

#include <atomic>
#include <csignal>

namespace quandel::cli {

// While it lives, the first Ctrl+C (SIGINT) or SIGTERM sets the given flag instead of ending the
// process, so that the search stops where its output is whole; a second one ends it at once. A
// signal that the caller ignores (SIGINT under nohup or a shell's &) stays ignored. The earlier
// handling comes back when it goes out of scope. One at a time.
class SignalAbbruch {
public:
    explicit SignalAbbruch(std::atomic<bool>& flag);
    SignalAbbruch(const SignalAbbruch&) = delete;
    SignalAbbruch& operator=(const SignalAbbruch&) = delete;
    ~SignalAbbruch();

    // The signal that set the flag, or 0.
    int Signal() const { return signal_.load(); }

private:
    static void Behandeln(int signal);

    std::atomic<bool>& flag_;
    std::atomic<int> signal_{0};
    struct sigaction vorherInt_ {};
    struct sigaction vorherTerm_ {};
};

} // namespace quandel::cli
