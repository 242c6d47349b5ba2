#include "lexicon/abbildwache.h"

#include <array>
#include <atomic>
#include <csignal>
#include <cstdint>
#include <mutex>
#include <sys/mman.h>
#include <unistd.h>

namespace quandel {

namespace {

// The mappings under guard. A signal handler can reach no object, so this is the one piece of
// state at namespace level: slots that guards claim and release, read by the handler at any
// moment (hence lock-free atomics only), and the SIGBUS action that was there before.
struct Wachregister {
    struct Platz {
        std::atomic<bool> belegt{false};
        std::atomic<std::uintptr_t> anfang{0};
        std::atomic<std::size_t> laenge{0}; // 0 while being claimed or released
        std::atomic<bool> beschaedigt{false};
    };
    std::array<Platz, 64> plaetze;
    struct sigaction vorher {};
};

Wachregister gWachen;

// Async-signal-safe: atomics, mmap(2) and sigaction(2) only.
void beiSigbus(int, siginfo_t* info, void*) {
    const auto adresse = reinterpret_cast<std::uintptr_t>(info->si_addr);
    for (Wachregister::Platz& platz : gWachen.plaetze) {
        const std::size_t laenge = platz.laenge.load(std::memory_order_acquire);
        const std::uintptr_t anfang = platz.anfang.load(std::memory_order_relaxed);
        if (laenge == 0 || adresse - anfang >= laenge)
            continue;
        if (::mmap(reinterpret_cast<void*>(anfang), laenge, PROT_READ,
                   MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) == MAP_FAILED)
            break;
        platz.beschaedigt.store(true, std::memory_order_release);
        return; // the faulting read runs again, on zeros
    }
    // Not a guarded mapping: the fault happens again under the action from before (a signal
    // sent by a process is sent again).
    ::sigaction(SIGBUS, &gWachen.vorher, nullptr);
    if (info->si_code <= 0)
        ::raise(SIGBUS);
}

void handlerEinrichten() {
    struct sigaction aktion {};
    aktion.sa_sigaction = beiSigbus;
    aktion.sa_flags = SA_SIGINFO;
    sigemptyset(&aktion.sa_mask);
    ::sigaction(SIGBUS, &aktion, &gWachen.vorher);
}

} // namespace

Abbildwache::Abbildwache(const void* anfang, std::size_t laenge) {
    static std::once_flag eingerichtet;
    std::call_once(eingerichtet, handlerEinrichten);
    const auto seite = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    for (std::size_t i = 0; i < gWachen.plaetze.size(); ++i) {
        Wachregister::Platz& platz = gWachen.plaetze[i];
        bool frei = false;
        if (!platz.belegt.compare_exchange_strong(frei, true))
            continue;
        platz.beschaedigt.store(false);
        platz.anfang.store(reinterpret_cast<std::uintptr_t>(anfang), std::memory_order_relaxed);
        platz.laenge.store((laenge + seite - 1) / seite * seite, std::memory_order_release);
        platz_ = static_cast<int>(i);
        return;
    }
}

bool Abbildwache::Beschaedigt() const {
    return platz_ >= 0 && gWachen.plaetze[static_cast<std::size_t>(platz_)].beschaedigt.load(
                              std::memory_order_acquire);
}

void Abbildwache::Abmelden() {
    if (platz_ < 0)
        return;
    Wachregister::Platz& platz = gWachen.plaetze[static_cast<std::size_t>(platz_)];
    platz.laenge.store(0, std::memory_order_release);
    platz.belegt.store(false, std::memory_order_release);
    platz_ = -1;
}

} // namespace quandel
