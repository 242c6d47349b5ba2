// Runs a fuzz target once over every file of the given directories, without libFuzzer: the
// corpus as a regression test of every build.
//   kommatext_korpus tests/fuzz/korpus/kommatext
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse);

int main(int argc, char** argv) {
    std::size_t anzahl = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto& eintrag : std::filesystem::directory_iterator(argv[i])) {
            std::ifstream datei(eintrag.path(), std::ios::binary);
            const std::string inhalt{std::istreambuf_iterator<char>(datei), {}};
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(inhalt.data()),
                                   inhalt.size());
            ++anzahl;
        }
    }
    std::printf("%zu Eingaben geprüft\n", anzahl);
    return anzahl > 0 ? 0 : 1;
}
