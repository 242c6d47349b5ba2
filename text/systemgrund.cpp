#include "text/systemgrund.h"

#include <cerrno>

namespace quandel {

namespace {

// The texts are UTF-8, like every message of the programs.
const char* Text(int fehlernummer) {
    switch (fehlernummer) {
    case ENOENT:
        return "Datei oder Verzeichnis nicht gefunden";
    case EACCES:
        return "Keine Berechtigung";
    case EPERM:
        return "Vorgang nicht erlaubt";
    case EISDIR:
        return "Ist ein Verzeichnis";
    case ENOTDIR:
        return "Ein Teil des Pfades ist kein Verzeichnis";
    case ENOTEMPTY:
        return "Verzeichnis ist nicht leer";
    case EEXIST:
        return "Datei existiert bereits";
    case ENOSPC:
        return "Kein Platz mehr auf dem Datenträger";
    case EDQUOT:
        return "Speicherkontingent erschöpft";
    case EROFS:
        return "Dateisystem ist schreibgeschützt";
    case EFBIG:
        return "Datei zu groß";
    case EOVERFLOW:
        return "Wert zu groß für den Datentyp";
    case ELOOP:
        return "Zu viele Ebenen symbolischer Verknüpfungen";
    case EMLINK:
        return "Zu viele Verknüpfungen";
    case ENAMETOOLONG:
        return "Dateiname zu lang";
    case EMFILE:
        return "Zu viele offene Dateien";
    case ENFILE:
        return "Zu viele offene Dateien im System";
    case EBADF:
        return "Ungültiger Dateideskriptor";
    case EIO:
        return "Ein- oder Ausgabefehler";
    case ENOMEM:
        return "Nicht genügend Speicher";
    case EFAULT:
        return "Ungültige Adresse";
    case EINVAL:
        return "Ungültiges Argument";
    case EBUSY:
        return "Gerät oder Ressource belegt";
    case ETXTBSY:
        return "Programmdatei ist in Benutzung";
    case EXDEV:
        return "Verknüpfung über Dateisystemgrenzen hinweg nicht möglich";
    case EAGAIN:
        return "Vorübergehend nicht verfügbar, bitte erneut versuchen";
    case EINTR:
        return "Unterbrochen";
    case EPIPE:
        return "Der Empfänger hat die Verbindung geschlossen";
    case ENXIO:
        return "Gerät oder Adresse nicht vorhanden";
    case ENODEV:
        return "Gerät nicht vorhanden";
    case ESPIPE:
        return "Positionieren in dieser Datei nicht möglich";
    case ENOTTY:
        return "Unpassende Operation für dieses Gerät";
    case ENOLCK:
        return "Keine Sperren verfügbar";
    case ENOSYS:
        return "Funktion nicht vorhanden";
    case ENOTSUP:
        return "Vorgang nicht unterstützt";
    case ESTALE:
        return "Veralteter Verweis auf eine Netzwerkdatei";
    case ETIMEDOUT:
        return "Zeitüberschreitung";
    case ECANCELED:
        return "Vorgang abgebrochen";
    case ERANGE:
        return "Ergebnis außerhalb des Wertebereichs";
    default:
        return nullptr;
    }
}

} // namespace

std::string SystemGrund(int fehlernummer) {
    if (const char* text = Text(fehlernummer))
        return text;
    return "Systemfehler " + std::to_string(fehlernummer);
}

} // namespace quandel
