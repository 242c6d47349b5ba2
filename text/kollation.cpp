#include "text/kollation.h"

#include "text/fehler.h"
#include "text/kodierung.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <vector>

namespace quandel {

namespace {

// Unassigned bytes cannot reach a sorted list from outside (conversion refuses them); should
// one be built inside, it sorts as the replacement character.
char16_t zeichen(char c) {
    const char16_t u = UnicodeVon(c);
    return u == 0xFFFF ? u'\xFFFD' : u;
}

std::u16string utf16(std::string_view text) {
    std::u16string ergebnis(text.size(), u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        ergebnis[i] = zeichen(text[i]);
    return ergebnis;
}

} // namespace

struct Kollator::Icu {
    std::unique_ptr<icu::Collator> collator;
};

const Kollator& Kollator::Deutsch() {
    static const Kollator kollator;
    return kollator;
}

Kollator::Kollator() : icu_(std::make_unique<Icu>()) {
    UErrorCode status = U_ZERO_ERROR;
    auto& collator_ = icu_->collator;
    collator_.reset(icu::Collator::createInstance(icu::Locale("de"), status));
    if (U_FAILURE(status) || !collator_)
        throw Fehler("Die deutsche Sortierordnung (ICU) ist nicht verfügbar.");
    collator_->setStrength(icu::Collator::SECONDARY);
}

Kollator::~Kollator() = default;

std::string Kollator::Schluessel(std::string_view text) const {
    std::string schluessel;
    SchluesselAnhaengen(text, schluessel);
    return schluessel;
}

std::size_t Kollator::SchluesselAnhaengen(std::string_view text, std::string& ziel) const {
    // Words and their keys fit the buffers on the stack; longer texts go to the heap.
    constexpr std::size_t kPlatz = 512;
    char16_t kurz[kPlatz];
    std::u16string lang;
    const char16_t* u = kurz;
    if (text.size() <= kPlatz) {
        for (std::size_t i = 0; i < text.size(); ++i)
            kurz[i] = zeichen(text[i]);
    } else {
        lang = utf16(text);
        u = lang.data();
    }
    const auto* quelle = reinterpret_cast<const UChar*>(u);
    const auto laenge = static_cast<int32_t>(text.size());
    uint8_t schluessel[4 * kPlatz];
    int32_t noetig = icu_->collator->getSortKey(quelle, laenge, schluessel, sizeof schluessel);
    const std::size_t alt = ziel.size();
    if (noetig <= static_cast<int32_t>(sizeof schluessel)) {
        const auto n = static_cast<std::size_t>(noetig > 0 ? noetig - 1 : 0); // drop the NUL
        ziel.append(reinterpret_cast<const char*>(schluessel), n);
        return n;
    }
    for (;;) {
        const auto platz = static_cast<std::size_t>(noetig);
        ziel.resize(alt + platz);
        noetig = icu_->collator->getSortKey(quelle, laenge,
                                            reinterpret_cast<uint8_t*>(ziel.data() + alt),
                                            static_cast<int32_t>(platz));
        if (noetig <= static_cast<int32_t>(platz)) {
            const auto n = static_cast<std::size_t>(noetig > 0 ? noetig - 1 : 0);
            ziel.resize(alt + n);
            return n;
        }
    }
}

std::array<std::uint8_t, 4> Kollator::Version() const {
    UVersionInfo info{};
    icu_->collator->getVersion(info);
    return {info[0], info[1], info[2], info[3]};
}

int Kollator::Vergleichen(std::string_view a, std::string_view b) const {
    const std::u16string ua = utf16(a);
    const std::u16string ub = utf16(b);
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult r = icu_->collator->compare(
        reinterpret_cast<const UChar*>(ua.data()), static_cast<int32_t>(ua.size()),
        reinterpret_cast<const UChar*>(ub.data()), static_cast<int32_t>(ub.size()), status);
    return r == UCOL_LESS ? -1 : r == UCOL_GREATER ? 1 : 0;
}

} // namespace quandel
