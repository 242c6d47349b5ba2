#pragma once

class QCoreApplication;

namespace quandel {

// Qt's own texts in German, as the rest of the program: the buttons of file dialogs and
// message boxes ("Abbrechen", not "Cancel") and the context menu of a text field. They come
// from Qt's translations (Debian: qt6-translations-l10n); where those are missing, Qt's texts
// stay English. Returns whether they were found.
bool QtTexteDeutsch(QCoreApplication& anwendung);

} // namespace quandel
