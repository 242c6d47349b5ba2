// The collation table against ICU's German collator itself, which it was made from: every
// text of one and two bytes, random longer texts, the built-in stock and Debian's dictionary
// must sort the same.
#include "lexicon/wortbestand_eingebaut.h"
#include "text/kodierung.h"
#include "text/kollation.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <unicode/ucol.h>

namespace quandel {
namespace {

class IcuKollator {
public:
    IcuKollator() {
        UErrorCode status = U_ZERO_ERROR;
        kollator_.reset(ucol_open("de", &status));
        EXPECT_TRUE(U_SUCCESS(status)) << u_errorName(status);
        ucol_setStrength(kollator_.get(), UCOL_SECONDARY);
    }

    int Vergleichen(std::string_view a, std::string_view b) const {
        const std::u16string ua = utf16(a), ub = utf16(b);
        const UCollationResult r =
            ucol_strcoll(kollator_.get(), ua.data(), static_cast<int32_t>(ua.size()), ub.data(),
                         static_cast<int32_t>(ub.size()));
        return r == UCOL_LESS ? -1 : r == UCOL_GREATER ? 1 : 0;
    }

    std::array<std::uint8_t, 4> Version() const {
        UVersionInfo v{};
        ucol_getVersion(kollator_.get(), v);
        return {v[0], v[1], v[2], v[3]};
    }

private:
    static std::u16string utf16(std::string_view text) {
        std::u16string u;
        for (const char c : text) {
            const char16_t z = UnicodeVon(c);
            u.push_back(z == 0xFFFF ? u'\xFFFD' : z);
        }
        return u;
    }

    struct Schliessen {
        void operator()(UCollator* k) const { ucol_close(k); }
    };
    std::unique_ptr<UCollator, Schliessen> kollator_;
};

int vorzeichen(int r) {
    return r < 0 ? -1 : r > 0 ? 1 : 0;
}

// Orders the texts by our keys and checks every neighbour pair against ICU: agreeing there,
// both orders agree on every pair.
void ordnetWieIcu(std::vector<std::string> texte) {
    const Kollator& kollator = Kollator::Deutsch();
    std::vector<std::pair<std::string, std::string>> mitSchluessel;
    for (std::string& t : texte)
        mitSchluessel.emplace_back(kollator.Schluessel(t), std::move(t));
    std::stable_sort(mitSchluessel.begin(), mitSchluessel.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    const IcuKollator icu;
    int fehler = 0;
    for (std::size_t i = 1; i < mitSchluessel.size() && fehler < 10; ++i) {
        const auto& [schluesselA, a] = mitSchluessel[i - 1];
        const auto& [schluesselB, b] = mitSchluessel[i];
        const int unsere = vorzeichen(schluesselA.compare(schluesselB));
        const int ihre = icu.Vergleichen(a, b);
        if (unsere != ihre) {
            ++fehler;
            ADD_FAILURE() << "\"" << Utf8AusCp1252(a) << "\" vs \"" << Utf8AusCp1252(b)
                          << "\": table " << unsere << ", ICU " << ihre;
        }
    }
}

std::string zeichen(int b) {
    return std::string(1, static_cast<char>(b));
}

TEST(Kollationstabelle, EveryTextOfOneAndTwoBytesSortsAsIcuSortsIt) {
    std::vector<std::string> texte;
    for (int a = 1; a < 256; ++a) {
        texte.push_back(zeichen(a));
        for (int b = 1; b < 256; ++b)
            texte.push_back(zeichen(a) + zeichen(b));
    }
    ordnetWieIcu(std::move(texte));
}

TEST(Kollationstabelle, RandomLongerTextsSortAsIcuSortsThem) {
    // Mostly letters, so that texts share long prefixes and differ late or in accents only.
    const std::string haeufig = Cp1252AusUtf8("aAäÄeEiIoOöÖuUüÜßsSnNrRtT -'.éÉ");
    std::mt19937 zufall(1234);
    std::vector<std::string> texte;
    for (int i = 0; i < 40000; ++i) {
        std::string t;
        const int laenge = 3 + static_cast<int>(zufall() % 10);
        for (int j = 0; j < laenge; ++j)
            t += zufall() % 4 == 0
                     ? zeichen(1 + static_cast<int>(zufall() % 255))
                     : zeichen(static_cast<unsigned char>(haeufig[zufall() % haeufig.size()]));
        texte.push_back(std::move(t));
    }
    ordnetWieIcu(std::move(texte));
}

TEST(Kollationstabelle, TheBuiltInStockSortsAsIcuSortsIt) {
    ordnetWieIcu(daten::Wortbestand());
}

// Debian's dictionary, which the set-up script installs: 356,008 words with every kind of
// German spelling, abbreviations, apostrophes and foreign names.
TEST(Kollationstabelle, DebiansDictionarySortsAsIcuSortsIt) {
    std::ifstream datei("/usr/share/dict/ngerman");
    ASSERT_TRUE(datei) << "wngerman fehlt (scripts/install-deps.sh)";
    std::vector<std::string> worte;
    for (std::string zeile; std::getline(datei, zeile);)
        worte.push_back(Cp1252AusUtf8(zeile));
    ASSERT_GT(worte.size(), 300000u);
    ordnetWieIcu(std::move(worte));
}

TEST(Kollationstabelle, NamesTheVersionOfIcusRules) {
    EXPECT_EQ(Kollator::Deutsch().Version(), IcuKollator().Version());
}

} // namespace
} // namespace quandel
