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
    abbruchFlag.store(&flag);
    struct sigaction aktion {};
    aktion.sa_handler = BeiStrgC;
    sigemptyset(&aktion.sa_mask);
    sigaction(SIGINT, &aktion, &vorher_);
}

StrgCAbbruch::~StrgCAbbruch() {
    sigaction(SIGINT, &vorher_, nullptr);
    abbruchFlag.store(nullptr);
}

} // namespace quandel::cli
