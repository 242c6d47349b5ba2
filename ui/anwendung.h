#pragma once

namespace quandel {

// What the program tells the desktop about itself, the same in the program and in its window
// tests: the name the task bar and the window list show with every window ("Quandel Tornar"),
// the desktop entry and icon, and that it ends when its main window closes.
void AnwendungEinrichten();

} // namespace quandel
