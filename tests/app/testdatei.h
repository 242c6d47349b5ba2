#pragma once

#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace quandel::testhilfe {

// Writes the bytes into a file of the test's temporary directory and returns its path.
inline std::string TestdateiSchreiben(const std::string& name, const std::string& inhalt) {
    const std::string pfad = ::testing::TempDir() + name;
    std::ofstream(pfad, std::ios::binary) << inhalt;
    return pfad;
}

} // namespace quandel::testhilfe
