#pragma once

#include <exception>

namespace quandel {

// Raised by the event hook once the main window has been closed, so that a running build or
// search stops at once; caught where that work was started and never shown.
class FensterGeschlossen : public std::exception {
public:
    const char* what() const noexcept override { return "Fenster geschlossen"; }
};

} // namespace quandel
