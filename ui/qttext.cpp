#include "ui/qttext.h"

#include "text/kodierung.h"

namespace quandel {

QString AlsQString(std::string_view cp1252) {
    return QString::fromStdString(Utf8AusCp1252(cp1252));
}

std::string AusQString(const QString& text) {
    return Cp1252AusUtf8(text.toStdString());
}

} // namespace quandel
