#include "text/kommatext.h"

namespace quandel {

namespace {

bool istTrenner(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= 1 && b <= 32;
}

bool istEnde(std::string_view text, std::size_t p) {
    return p >= text.size() || text[p] == '\0';
}

void trennerUeberspringen(std::string_view text, std::size_t& p) {
    while (!istEnde(text, p) && istTrenner(text[p]))
        ++p;
}

// Reads a quoted item starting at the opening quote; without a closing quote it runs to the end.
std::string zitatLesen(std::string_view text, std::size_t& p) {
    std::string item;
    ++p;
    while (!istEnde(text, p)) {
        if (text[p] == '"') {
            if (p + 1 < text.size() && text[p + 1] == '"') {
                item.push_back('"');
                p += 2;
                continue;
            }
            ++p;
            return item;
        }
        item.push_back(text[p++]);
    }
    return item;
}

bool mussZitiert(const std::string& item) {
    for (char c : item) {
        const auto b = static_cast<unsigned char>(c);
        if (c == ',' || c == '"' || (b >= 1 && b <= 32))
            return true;
    }
    return false;
}

std::vector<std::string> teilen(std::string_view text, bool kommaAmEnde) {
    std::vector<std::string> items;
    std::size_t p = 0;
    trennerUeberspringen(text, p);
    while (!istEnde(text, p)) {
        if (text[p] == '"') {
            items.push_back(zitatLesen(text, p));
        } else {
            const std::size_t anfang = p;
            while (!istEnde(text, p) && static_cast<unsigned char>(text[p]) > 32 && text[p] != ',')
                ++p;
            items.emplace_back(text.substr(anfang, p - anfang));
        }
        trennerUeberspringen(text, p);
        if (!istEnde(text, p) && text[p] == ',') {
            ++p;
            if (kommaAmEnde && istEnde(text, p))
                items.emplace_back();
            trennerUeberspringen(text, p);
        }
    }
    return items;
}

} // namespace

std::vector<std::string> KommatextTeilen(std::string_view text) {
    return teilen(text, false);
}

std::vector<std::string> KommazeileTeilen(std::string_view zeile) {
    return teilen(zeile, true);
}

std::string KommatextVerbinden(const std::vector<std::string>& items) {
    if (items.size() == 1 && items.front().empty())
        return "\"\"";
    std::string zeile;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            zeile.push_back(',');
        const std::string& item = items[i];
        if (!mussZitiert(item)) {
            zeile += item;
            continue;
        }
        zeile.push_back('"');
        for (char c : item) {
            if (c == '"')
                zeile.push_back('"');
            zeile.push_back(c);
        }
        zeile.push_back('"');
    }
    return zeile;
}

} // namespace quandel
