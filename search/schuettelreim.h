#pragma once

#include <string>

namespace quandel {

// The entry of UniqueEnd that stands for an empty front.
inline constexpr const char* kLeermarke = "xyz321";

// The duration text of a spoonerism search, computed in single precision as hours, minutes and
// whole seconds: 3700.5 -> "Suchdauer = Std 1 - Min 1 - Sek 40".
std::string SuchdauerText(double sekunden);

} // namespace quandel
