#include "lexicon/baubegleitung.h"

namespace quandel {

void Zwischenstand(const Baubegleitung& begleitung, int prozent) {
    if (begleitung.fortschritt)
        begleitung.fortschritt(prozent);
    if (begleitung.haken)
        begleitung.haken->Jetzt();
    if (begleitung.abbruch && begleitung.abbruch->load())
        throw BauAbgebrochen();
}

void Schritte::melden(std::size_t i) {
    Zwischenstand(b_, von_ + static_cast<int>((bis_ - von_) * static_cast<double>(i) /
                                              static_cast<double>(anzahl_)));
}

} // namespace quandel
