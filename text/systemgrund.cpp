#include "text/systemgrund.h"

#include <clocale>
#include <cstring>
#include <locale.h>

namespace quandel {

std::string SystemGrund(int fehlernummer) {
    static const locale_t umgebung = ::newlocale(LC_ALL_MASK, "", locale_t{});
    if (umgebung == locale_t{})
        return std::strerror(fehlernummer);
    return ::strerror_l(fehlernummer, umgebung);
}

} // namespace quandel
