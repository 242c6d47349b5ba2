#pragma once

#include "meaning/wortart.h"

#include <string>
#include <string_view>
#include <vector>

namespace quandel {

// A word form with its classes, in Windows-1252.
struct Wortform {
    std::string form;
    Wortarten arten;
    bool operator==(const Wortform&) const = default;
};

// The word forms and classes of one line of Ding's German-English dictionary (Debian's
// trans-de-en, /usr/share/trans/de-en, UTF-8), read from its German side:
//   "scherzen; spaßen {vi} | scherzend | gescherzt | scherzt :: to jest | ..."
// - A class mark ({m} {f} {n} {pl}: Nomen; {vt} {vi} {vr} {v}: Verb; {adj}; {adv}; {prp…}
//   {conj} {pron} {ppron} {art} {num} {interj}: andere) belongs to the term before it and to
//   the unmarked terms before that in the same part ("scherzen; spaßen {vi}": both verbs). A
//   term is its text before the mark, without (…), […], <…> and abbreviations /…/.
// - A single word is taken as it stands, a phrase of two or three words as well ("in böser
//   Absicht" adverb); a verb phrase also gives its last word, the infinitive ("es sich mit jdm.
//   verscherzen" -> "verscherzen").
// - The unmarked single words of the later parts (" | ") are the inflected forms of the first
//   part's word when it has one class, and take that class: lower-case forms of a verb or
//   adjective ("laufend", "gelaufen", "er/sie läuft" -> "läuft", "am schönsten" ->
//   "schönsten"), capitalised ones of a noun.
// Forms that Windows-1252 cannot hold and comment lines (#) give nothing.
std::vector<Wortform> DingFormen(std::string_view zeile);

} // namespace quandel
