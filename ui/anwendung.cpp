#include "ui/anwendung.h"

#include "ui/ueberdialog.h"

#include <QGuiApplication>

namespace quandel {

void AnwendungEinrichten() {
    // Qt adds the display name to the title of every window it does not end already, so it
    // stays the product's name; the search frame's "QBX" texts go into the main window's caption.
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Quandel Tornar"));
    // Ties the windows to the desktop entry, whose name and icon the task bar shows.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.quandeltornar.QuandelTornar"));
    QGuiApplication::setWindowIcon(Programmsymbol());
    QGuiApplication::setQuitOnLastWindowClosed(true);
}

} // namespace quandel
