#include "text/kommatext.h"

#include <gtest/gtest.h>

namespace quandel {
namespace {

using Items = std::vector<std::string>;

TEST(KommatextTeilen, SeparatorsAndEmptyItems) {
    EXPECT_EQ(KommatextTeilen("Schw ein"), (Items{"Schw", "ein"}));
    EXPECT_EQ(KommatextTeilen("st erbe"), (Items{"st", "erbe"}));
    EXPECT_EQ(KommatextTeilen("ne,,x"), (Items{"ne", "", "x"}));
    EXPECT_EQ(KommatextTeilen("a, e,,i"), (Items{"a", "e", "", "i"}));
    EXPECT_EQ(KommatextTeilen("a , ,b"), (Items{"a", "", "b"}));
    EXPECT_EQ(KommatextTeilen("a\tb\nc\x01"
                              "d"),
              (Items{"a", "b", "c", "d"}));
    EXPECT_EQ(KommatextTeilen("a,"), (Items{"a"}));
}

TEST(KommatextTeilen, LeadingSeparators) {
    EXPECT_EQ(KommatextTeilen("   Reim"), (Items{"Reim"}));
    EXPECT_EQ(KommatextTeilen(",eim"), (Items{"", "eim"}));
    EXPECT_EQ(KommatextTeilen(","), (Items{""}));
    EXPECT_EQ(KommatextTeilen(",,"), (Items{"", ""}));
    EXPECT_EQ(KommatextTeilen("   "), Items{});
    EXPECT_EQ(KommatextTeilen(""), Items{});
}

TEST(KommatextTeilen, Quotes) {
    EXPECT_EQ(KommatextTeilen("\"vor allem\""), (Items{"vor allem"}));
    EXPECT_EQ(KommatextTeilen("\"a,b\" c"), (Items{"a,b", "c"}));
    EXPECT_EQ(KommatextTeilen("\"sag \"\"ja\"\"\""), (Items{"sag \"ja\""}));
    EXPECT_EQ(KommatextTeilen("\"offen bis zum Ende"), (Items{"offen bis zum Ende"}));
    EXPECT_EQ(KommatextTeilen("\"ab\"cd"), (Items{"ab", "cd"}));
    EXPECT_EQ(KommatextTeilen("\"\",x"), (Items{"", "x"}));
}

TEST(KommazeileTeilen, CommaAtTheEndOpensAnEmptyItem) {
    EXPECT_EQ(KommazeileTeilen("Dings,,,"), (Items{"Dings", "", "", ""}));
    EXPECT_EQ(KommazeileTeilen("Dings,,, "), (Items{"Dings", "", ""}));
    EXPECT_EQ(KommazeileTeilen(",,,"), (Items{"", "", "", ""}));
    EXPECT_EQ(KommazeileTeilen("a,\"b,\""), (Items{"a", "b,"}));
    EXPECT_EQ(KommazeileTeilen("\"\""), (Items{""}));
}

TEST(KommatextTeilen, NulEndsTheText) {
    EXPECT_EQ(KommatextTeilen(std::string_view("ab\0cd", 5)), (Items{"ab"}));
}

TEST(KommatextVerbinden, GridRows) {
    EXPECT_EQ(KommatextVerbinden({"Kanne", "Lawine", "Plane", "vor allem"}),
              "Kanne,Lawine,Plane,\"vor allem\"");
    EXPECT_EQ(KommatextVerbinden({"Dings", "", "", ""}), "Dings,,,");
    EXPECT_EQ(KommatextVerbinden({"", "", "", ""}), ",,,");
    EXPECT_EQ(KommatextVerbinden({""}), "\"\"");
    EXPECT_EQ(KommatextVerbinden({" ", "x"}), "\" \",x");
    EXPECT_EQ(KommatextVerbinden({"sag \"ja\"", "a,b", "tab\tx"}),
              "\"sag \"\"ja\"\"\",\"a,b\",\"tab\tx\"");
    EXPECT_EQ(KommatextVerbinden({"B\xE4r"}), "B\xE4r");
    EXPECT_EQ(KommatextVerbinden({}), "");
}

TEST(Kommatext, JoinedRowsSplitBack) {
    const Items zeile{"Kanne", "vor allem", "sag \"ja\"", "a,b", "\xC4rger"};
    EXPECT_EQ(KommatextTeilen(KommatextVerbinden(zeile)), zeile);
}

} // namespace
} // namespace quandel
