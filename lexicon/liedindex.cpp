#include "lexicon/liedindex.h"

#include "lexicon/byteordnung.h"
#include "lexicon/grossspeicher.h"
#include "lexicon/halbierung.h"
#include "lexicon/vokalfolge.h"
#include "text/kollation.h"

#include <algorithm>

namespace quandel {

namespace {

// The vowel sequence of every word, in the words' order.
TextSammlung folgenSammeln(const TextFeld& klein, std::string_view vokalfeld,
                           const Baubegleitung& begleitung) {
    const Vokale vokale(VokallisteAus(vokalfeld));
    const std::size_t n = klein.size();
    TextSammlung folgen;
    GrossReservieren(folgen.ende, n + 1);
    Schritte schritte(begleitung, n, 90, 95);
    for (std::size_t i = 0; i < n; ++i) {
        schritte(i);
        vokale.VokalfolgeAnhaengen(klein[i], folgen.pool);
        folgen.ende.push_back(static_cast<std::uint32_t>(folgen.pool.size()));
    }
    return folgen;
}

} // namespace

// A run of words whose sequences are equal byte by byte: places [von, bis) of the byte order,
// and the number of the collation key of their sequence.
struct LiedIndex::Lauf {
    std::uint32_t von, bis;
    std::uint32_t schluessel;
};

std::unique_ptr<LiedIndex> LiedIndex::Bauen(const TextFeld& klein, std::string_view vokalfeld,
                                            const Baubegleitung& begleitung) {
    auto index = std::make_unique<LiedIndex>();
    index->vokalfeld_ = std::string(vokalfeld);

    // The sequence of every word, then the words ordered by their sequence byte by byte:
    // each run of equal sequences needs one collation key, and no map over strings grows.
    const TextSammlung folgen = folgenSammeln(klein, vokalfeld, begleitung);
    const TextFeld folgenFeld = folgen.Feld();
    const std::vector<std::uint32_t> ordnung = NachBytesOrdnen(folgenFeld, false);
    Zwischenstand(begleitung, 96);
    TextSammlung schluessel;
    std::vector<Lauf> laeufe = laeufeBilden(folgenFeld, ordnung, schluessel);
    Zwischenstand(begleitung, 97);
    const TextFeld schluesselFeld = schluessel.Feld();
    std::stable_sort(laeufe.begin(), laeufe.end(), [&](const Lauf& a, const Lauf& b) {
        return schluesselFeld[a.schluessel] < schluesselFeld[b.schluessel];
    });
    Zwischenstand(begleitung, 98);
    index->schluesselAnlegen(laeufe, folgenFeld, schluesselFeld, ordnung);

    index->folgen_ = index->eigeneFolgen_.Feld();
    index->schluessel_ = index->eigeneSchluessel_.Feld();
    index->enden_ = index->eigeneEnden_;
    index->worte_ = index->eigeneWorte_;
    return index;
}

// The runs of byte-equal sequences in their byte order, each with the collation key of its
// sequence, appended to schluessel.
std::vector<LiedIndex::Lauf> LiedIndex::laeufeBilden(const TextFeld& folgen,
                                                     const std::vector<std::uint32_t>& ordnung,
                                                     TextSammlung& schluessel) {
    const Kollator& kollator = Kollator::Deutsch();
    const std::size_t n = ordnung.size();
    std::vector<Lauf> laeufe;
    for (std::uint32_t i = 0; i < n;) {
        std::uint32_t j = i + 1;
        while (j < n && folgen[ordnung[j]] == folgen[ordnung[i]])
            ++j;
        laeufe.push_back({i, j, static_cast<std::uint32_t>(schluessel.ende.size() - 1)});
        kollator.SchluesselAnhaengen(folgen[ordnung[i]], schluessel.pool);
        schluessel.ende.push_back(static_cast<std::uint32_t>(schluessel.pool.size()));
        i = j;
    }
    return laeufe;
}

// Runs equal in collation (laeufe sorted by key) form one key, named by the sequence of its
// first word; its words ascending.
void LiedIndex::schluesselAnlegen(const std::vector<Lauf>& laeufe, const TextFeld& folgen,
                                  const TextFeld& schluessel,
                                  const std::vector<std::uint32_t>& ordnung) {
    eigeneEnden_.push_back(0);
    GrossReservieren(eigeneWorte_, ordnung.size());
    for (std::size_t k = 0; k < laeufe.size();) {
        std::size_t m = k + 1;
        while (m < laeufe.size() &&
               schluessel[laeufe[m].schluessel] == schluessel[laeufe[k].schluessel])
            ++m;
        const std::size_t anfang = eigeneWorte_.size();
        for (std::size_t l = k; l < m; ++l)
            for (std::uint32_t i = laeufe[l].von; i < laeufe[l].bis; ++i)
                eigeneWorte_.push_back(static_cast<std::int32_t>(ordnung[i]));
        const auto worte = eigeneWorte_.begin() + static_cast<std::ptrdiff_t>(anfang);
        if (m - k > 1)
            std::sort(worte, eigeneWorte_.end());
        eigeneFolgen_.Anhaengen(folgen[static_cast<std::size_t>(*worte)]);
        eigeneSchluessel_.Anhaengen(schluessel[laeufe[k].schluessel]);
        eigeneEnden_.push_back(static_cast<std::uint32_t>(eigeneWorte_.size()));
        k = m;
    }
}

void LiedIndex::Entwerfen(AbschnittsEntwurf& entwurf) const {
    entwurf.Zahl(vokalfeld_.size());
    entwurf.Bytes(vokalfeld_);
    entwurf.Texte(eigeneFolgen_.ende, eigeneFolgen_.pool);
    entwurf.Texte(eigeneSchluessel_.ende, eigeneSchluessel_.pool);
    entwurf.Zahl(eigeneEnden_.size());
    entwurf.Feld(std::span<const std::uint32_t>(eigeneEnden_));
    entwurf.Zahl(eigeneWorte_.size());
    entwurf.Feld(std::span<const std::int32_t>(eigeneWorte_));
}

void LiedIndex::Lesen(AbschnittsLeser& leser, std::size_t wortzahl) {
    vokalfeld_ = std::string(leser.Bytes(leser.Zahl()));
    folgen_ = leser.Texte();
    schluessel_ = leser.Texte();
    enden_ = leser.Feld<std::uint32_t>(leser.Zahl());
    worte_ = leser.Wortnummern(wortzahl);
    if (schluessel_.size() != folgen_.size() || enden_.size() != folgen_.size() + 1 ||
        enden_.front() != 0 || enden_.back() != worte_.size() ||
        (leser.Umfang() == Pruefumfang::Alles && !std::is_sorted(enden_.begin(), enden_.end())))
        throw AbbildFehler("Liedindex unstimmig");
}

std::span<const std::int32_t> LiedIndex::Worte(std::string_view vokalfolge) const {
    const std::string gesucht = Kollator::Deutsch().Schluessel(vokalfolge);
    const std::size_t von =
        ErsteStelle(0, schluessel_.size(), [&](std::size_t k) { return schluessel_[k] < gesucht; });
    if (von == schluessel_.size() || schluessel_[von] != gesucht)
        return {};
    const std::uint32_t anfang = enden_[von];
    const std::uint32_t ende = enden_[von + 1];
    if (anfang > ende || ende > worte_.size())
        return {};
    return worte_.subspan(anfang, ende - anfang);
}

} // namespace quandel
