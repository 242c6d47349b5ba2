// The comma-text splitter and joiner: items come back unchanged from their joined text, both
// the items split from any text and any bytes taken as items. An empty item is written as
// nothing (the format cannot tell a trailing one), so the round trip is asked of lists
// without empty items.
#include "pruefen.h"
#include "text/kommatext.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    using namespace quandel;
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);

    const std::vector<std::string> items = KommatextTeilen(text);
    if (std::none_of(items.begin(), items.end(), [](const auto& item) { return item.empty(); }))
        QUANDEL_PRUEFEN(KommatextTeilen(KommatextVerbinden(items)) == items);

    // The bytes as items of their own, cut at NUL (which ends a comma text).
    std::vector<std::string> eigene;
    std::size_t anfang = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '\0')
            continue;
        if (i > anfang)
            eigene.emplace_back(text.substr(anfang, i - anfang));
        anfang = i + 1;
    }
    QUANDEL_PRUEFEN(KommatextTeilen(KommatextVerbinden(eigene)) == eigene);
    return 0;
}
