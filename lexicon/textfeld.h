#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quandel {

// A read-only list of texts laid out flat: text i is pool[ende[i] .. ende[i + 1]). The arrays
// belong to whoever built them (a lexicon image in memory or a mapped index file). Every read
// checks its number and offsets, so even a damaged image never leads it outside its arrays: a
// text that is not there reads as empty.
class TextFeld {
public:
    TextFeld() = default;
    TextFeld(std::span<const std::uint32_t> ende, std::string_view pool)
        : ende_(ende), pool_(pool) {}

    std::size_t size() const { return ende_.empty() ? 0 : ende_.size() - 1; }
    bool empty() const { return size() == 0; }
    std::string_view operator[](std::size_t i) const {
        if (i >= size())
            return {};
        const std::uint32_t von = ende_[i];
        const std::uint32_t bis = ende_[i + 1];
        if (von > bis || bis > pool_.size())
            return {};
        return {pool_.data() + von, bis - von};
    }

    // The texts one after the other, and the end of each (after a leading 0).
    std::string_view Pool() const { return pool_; }
    std::span<const std::uint32_t> Enden() const { return ende_; }

    // True when the offsets start at 0, never fall and end at the end of the pool.
    bool Stimmig() const {
        if (ende_.empty())
            return pool_.empty();
        if (ende_.front() != 0 || ende_.back() != pool_.size())
            return false;
        bool steigend = true; // no early exit: the loop vectorizes
        for (std::size_t i = 1; i < ende_.size(); ++i)
            steigend &= ende_[i] >= ende_[i - 1];
        return steigend;
    }

    class Iterator {
    public:
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        Iterator() = default;
        Iterator(const TextFeld* feld, std::size_t i) : feld_(feld), i_(i) {}
        std::string_view operator*() const { return (*feld_)[i_]; }
        Iterator& operator++() {
            ++i_;
            return *this;
        }
        Iterator operator++(int) {
            Iterator alt = *this;
            ++i_;
            return alt;
        }
        bool operator==(const Iterator& b) const { return i_ == b.i_; }

    private:
        const TextFeld* feld_ = nullptr;
        std::size_t i_ = 0;
    };
    Iterator begin() const { return {this, 0}; }
    Iterator end() const { return {this, size()}; }

private:
    std::span<const std::uint32_t> ende_;
    std::string_view pool_;
};

// Texts collected into offsets and pool, for a TextFeld over them.
struct TextSammlung {
    std::vector<std::uint32_t> ende{0};
    std::string pool;
    void Anhaengen(std::string_view text) {
        pool.append(text);
        ende.push_back(static_cast<std::uint32_t>(pool.size()));
    }
    TextFeld Feld() const { return {ende, pool}; }
};

} // namespace quandel
