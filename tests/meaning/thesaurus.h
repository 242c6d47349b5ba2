#pragma once

#include <string>

namespace quandel::test {

// A small thesaurus in OpenThesaurus's text format: marks, phrases, a word in upper and lower
// case, a word in two sets, an entry Windows-1252 cannot hold, a set of one.
inline const std::string kThesaurusText = "# Ein kleiner Thesaurus\n"
                                          "Trauer;Gram;Kummer\n"
                                          "\n"
                                          "Sorge;Kummer;Leid (geh.);Verzweiflung;Leid\r\n"
                                          "abfliegen;abdüsen (ugs.);wegfliegen\n"
                                          "(jemandem ist) schwer ums Herz;bedrückt sein\n"
                                          "Weg;Pfad\n"
                                          "weg;fort (ugs.);futsch\n"
                                          "Gag (engl.);Scherz;Witz\n"
                                          "Witz;Humor\n"
                                          "Humor;Komik\n"
                                          "Schmerz;Pein\n"
                                          "Einzel\n"
                                          "Pi;π\n";

} // namespace quandel::test
