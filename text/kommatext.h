#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quandel {

// Comma text: the one rule by which search texts, the vowel field and grid file rows are split.
// Commas and the characters 1 to 32 separate items; blanks before the first item are skipped;
// an item in double quotes may hold separators, two double quotes in it stand for one; a comma
// directly after a separator run opens a new item, so two commas give an empty item. A NUL byte
// ends the text.
//   KommatextTeilen("Schw ein")       -> {"Schw", "ein"}
//   KommatextTeilen("ne,,x")          -> {"ne", "", "x"}
//   KommatextTeilen("\"vor allem\"")  -> {"vor allem"}
//   KommatextTeilen(",eim")           -> {"", "eim"}
//   KommatextTeilen("   ")            -> {}
std::vector<std::string> KommatextTeilen(std::string_view text);

// A row of a grid file: the same rule, except that a comma at the very end of the line opens
// one more, empty item, so that a row reads back with as many items as it was written with.
//   KommazeileTeilen("Dings,,,")  -> {"Dings", "", "", ""}
//   KommazeileTeilen("Dings,,, ") -> {"Dings", "", ""}
std::vector<std::string> KommazeileTeilen(std::string_view zeile);

// The reverse: items joined by single commas; an item holding a comma, a double quote or a
// character 1 to 32 is written in double quotes with its quotes doubled; an empty item adds
// nothing, except that a single empty item is written as two double quotes.
//   KommatextVerbinden({"Kanne", "vor allem", ""}) -> "Kanne,\"vor allem\","
std::string KommatextVerbinden(const std::vector<std::string>& items);

} // namespace quandel
