#pragma once

#include <atomic>
#include <csignal>

namespace quandel::cli {

// While it lives, Ctrl+C (SIGINT) sets the given flag instead of ending the process; the
// earlier handling comes back when it goes out of scope. One at a time.
class StrgCAbbruch {
public:
    explicit StrgCAbbruch(std::atomic<bool>& flag);
    StrgCAbbruch(const StrgCAbbruch&) = delete;
    StrgCAbbruch& operator=(const StrgCAbbruch&) = delete;
    ~StrgCAbbruch();

private:
    struct sigaction vorher_ {};
};

} // namespace quandel::cli
