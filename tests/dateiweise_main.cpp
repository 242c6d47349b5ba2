// The main of the GoogleTest programs. A program holds the tests of a whole folder, and
// "--datei NAME" runs only those written in the source file NAME, so that each file stays a
// test of its own in ctest:
//
//     search_tests --datei endreim_test.cpp   runs Endreim.*, EndreimRueck.*, ...
//     search_tests                            runs every test of tests/search
//
// A file without a test is an error, so that a wrong name does not pass with nothing run.

#include "tests/quelldatei.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace {

// The tests of the file as a GoogleTest filter ("Suite.Name:Suite.Other"), empty if none.
std::string FilterDerDatei(std::string_view datei) {
    const testing::UnitTest& einheit = *testing::UnitTest::GetInstance();
    std::string filter;
    for (int s = 0; s < einheit.total_test_suite_count(); ++s) {
        const testing::TestSuite& suite = *einheit.GetTestSuite(s);
        for (int t = 0; t < suite.total_test_count(); ++t) {
            const testing::TestInfo& test = *suite.GetTestInfo(t);
            if (!quandel::testhilfe::IstQuelldatei(test.file(), datei))
                continue;
            if (!filter.empty())
                filter += ':';
            filter += std::string(suite.name()) + '.' + test.name();
        }
    }
    return filter;
}

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc == 3 && std::string_view(argv[1]) == "--datei") {
        const std::string filter = FilterDerDatei(argv[2]);
        if (filter.empty()) {
            std::fprintf(stderr, "%s: keine Tests aus %s\n", argv[0], argv[2]);
            return 2;
        }
        GTEST_FLAG_SET(filter, filter);
    } else if (argc != 1) {
        std::fprintf(stderr, "Aufruf: %s [--datei QUELLDATEI] [GoogleTest-Optionen]\n", argv[0]);
        return 2;
    }
    return RUN_ALL_TESTS();
}
