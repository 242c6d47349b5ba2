#include "app/cli_abbruch.h"

namespace quandel::cli {

namespace {

static_assert(std::atomic<bool>::is_always_lock_free);
static_assert(std::atomic<int>::is_always_lock_free);
static_assert(std::atomic<SignalAbbruch*>::is_always_lock_free);

// The one thing the signal handler can reach.
std::atomic<SignalAbbruch*> aktiv{nullptr};

// Takes over the signal unless the caller ignores it; vorher receives the earlier handling.
void Uebernehmen(int signal, void (*behandeln)(int), struct sigaction& vorher) {
    sigaction(signal, nullptr, &vorher);
    if (vorher.sa_handler == SIG_IGN)
        return;
    struct sigaction aktion {};
    aktion.sa_handler = behandeln;
    // No SA_RESTART: a write blocked on a full pipe returns, so the search sees the flag.
    aktion.sa_flags = SA_RESETHAND;
    sigemptyset(&aktion.sa_mask);
    sigaction(signal, &aktion, nullptr);
}

} // namespace

void SignalAbbruch::Behandeln(int signal) {
    if (SignalAbbruch* abbruch = aktiv.load()) {
        int keines = 0;
        abbruch->signal_.compare_exchange_strong(keines, signal);
        abbruch->flag_.store(true);
    }
}

SignalAbbruch::SignalAbbruch(std::atomic<bool>& flag) : flag_(flag) {
    aktiv.store(this);
    Uebernehmen(SIGINT, Behandeln, vorherInt_);
    Uebernehmen(SIGTERM, Behandeln, vorherTerm_);
}

SignalAbbruch::~SignalAbbruch() {
    sigaction(SIGINT, &vorherInt_, nullptr);
    sigaction(SIGTERM, &vorherTerm_, nullptr);
    aktiv.store(nullptr);
}

} // namespace quandel::cli
