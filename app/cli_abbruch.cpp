#include "app/cli_abbruch.h"

namespace quandel::cli {

namespace {

static_assert(std::atomic<bool>::is_always_lock_free);
static_assert(std::atomic<std::atomic<bool>*>::is_always_lock_free);

// The one thing the signal handler can reach.
std::atomic<std::atomic<bool>*> abbruchFlag{nullptr};

void BeiStrgC(int) {
    if (std::atomic<bool>* flag = abbruchFlag.load())
        flag->store(true);
}

} // namespace

StrgCAbbruch::StrgCAbbruch(std::atomic<bool>& flag) {
    sigaction(SIGINT, nullptr, &vorher_);
    if (vorher_.sa_handler == SIG_IGN)
        return;
    abbruchFlag.store(&flag);
    struct sigaction aktion {};
    aktion.sa_handler = BeiStrgC;
    // No SA_RESTART: a write blocked on a full pipe returns, so the search sees the flag.
    aktion.sa_flags = SA_RESETHAND;
    sigemptyset(&aktion.sa_mask);
    sigaction(SIGINT, &aktion, nullptr);
}

StrgCAbbruch::~StrgCAbbruch() {
    sigaction(SIGINT, &vorher_, nullptr);
    abbruchFlag.store(nullptr);
}

} // namespace quandel::cli
