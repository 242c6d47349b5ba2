#pragma once

#include <atomic>
#include <csignal>

namespace quandel::cli {

// While it lives, the first Ctrl+C (SIGINT) sets the given flag instead of ending the
// process; a second one ends it at once. A SIGINT that the caller ignores (nohup, a shell's
// &) stays ignored. The earlier handling comes back when it goes out of scope. One at a time.
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
