#include "ui/qttext.h"

#include "text/kodierung.h"

#include <QFile>

namespace quandel {

QString AlsQString(std::string_view cp1252) {
    return QString::fromStdString(Utf8AusCp1252(cp1252));
}

std::string AusQString(const QString& text) {
    return Cp1252AusUtf8(text.toStdString());
}

std::filesystem::path AlsPfad(const QString& pfad) {
    return QFile::encodeName(pfad).toStdString();
}

} // namespace quandel
