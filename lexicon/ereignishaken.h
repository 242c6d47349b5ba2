#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <utility>

namespace quandel {

// Hands control to the window now and then during a long loop. The window binds it to
// processing its pending events, so it repaints and "Abbruch" can be pressed. A call costs a
// counter step; the clock is read every 16th call and the bound function runs at most once per
// interval, so the work itself is not slowed down. Without a function it does nothing.
class EreignisHaken {
public:
    EreignisHaken() = default;
    explicit EreignisHaken(std::function<void()> verarbeiten,
                           std::chrono::milliseconds abstand = std::chrono::milliseconds(15))
        : verarbeiten_(std::move(verarbeiten)), abstand_(abstand),
          naechster_(std::chrono::steady_clock::now() + abstand) {}

    void operator()() {
        if (!verarbeiten_ || (++zaehler_ & 15u) != 0)
            return;
        Jetzt();
    }

    // For a caller that looks seldom, at the end of a long step: runs the bound function if the
    // interval has passed, without counting calls.
    void Jetzt() {
        if (!verarbeiten_ || std::chrono::steady_clock::now() < naechster_)
            return;
        verarbeiten_();
        naechster_ = std::chrono::steady_clock::now() + abstand_;
    }

private:
    std::function<void()> verarbeiten_;
    std::chrono::milliseconds abstand_{15};
    std::chrono::steady_clock::time_point naechster_{};
    std::uint32_t zaehler_ = 0;
};

} // namespace quandel
