#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace quandel::test {

// A fresh temporary folder as XDG_CACHE_HOME while it lives, so that no test reads or writes
// the saved indexes of the real home; removed with everything in it at the end.
class TestCacheOrdner {
public:
    TestCacheOrdner() {
        std::string vorlage =
            std::filesystem::temp_directory_path().string() + "/quandel-cache-XXXXXX";
        if (!::mkdtemp(vorlage.data()))
            throw std::runtime_error("mkdtemp fehlgeschlagen");
        pfad_ = vorlage;
        ::setenv("XDG_CACHE_HOME", pfad_.c_str(), 1);
    }
    TestCacheOrdner(const TestCacheOrdner&) = delete;
    TestCacheOrdner& operator=(const TestCacheOrdner&) = delete;
    ~TestCacheOrdner() {
        std::error_code fehler;
        std::filesystem::permissions(pfad_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, fehler);
        std::filesystem::remove_all(pfad_, fehler);
    }

    const std::string& pfad() const { return pfad_; }
    // Where the program keeps its indexes below XDG_CACHE_HOME.
    std::string IndexOrdner() const { return pfad_ + "/quandel-tornar"; }

private:
    std::string pfad_;
};

// The indexes in the folder, and any temporary file left behind.
inline std::size_t IndexeUndReste(const std::string& ordner) {
    std::size_t anzahl = 0;
    for (const auto& eintrag : std::filesystem::directory_iterator(ordner)) {
        const std::string name = eintrag.path().filename().string();
        anzahl += name.ends_with(".qtidx") || name.starts_with('.') ? 1 : 0;
    }
    return anzahl;
}

// Bytes this process has read through read(2) so far.
inline std::uint64_t GelesenBisher() {
    std::ifstream io("/proc/self/io");
    std::string name;
    std::uint64_t wert = 0;
    while (io >> name >> wert)
        if (name == "rchar:")
            return wert;
    return 0;
}

} // namespace quandel::test
