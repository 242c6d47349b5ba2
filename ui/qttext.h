#pragma once

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace quandel {

// The edge between the program's Windows-1252 text and Qt's strings. AusQString raises Fehler
// for a character that Windows-1252 cannot hold.
QString AlsQString(std::string_view cp1252);
std::string AusQString(const QString& text);

// The path of a file the user chose, as the file system spells it.
std::filesystem::path AlsPfad(const QString& pfad);

} // namespace quandel
