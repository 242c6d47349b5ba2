#pragma once

#include <stdexcept>
#include <string>

namespace quandel {

// The one error type of the core. The message is German, UTF-8 encoded and meant for the user
// as it stands; the windows show it in a message box, the command-line program on stderr.
class Fehler : public std::runtime_error {
public:
    explicit Fehler(const std::string& meldung) : std::runtime_error(meldung) {}
};

} // namespace quandel
