// Reading word-list files: pieces, line breaks, limits, and running out of memory.
#include "lexicon/indexcache.h"
#include "lexicon/wortliste.h"
#include "search/suchkontext.h"
#include "tests/mitasan.h"
#include "tests/testcache.h"
#include "text/fehler.h"
#include "text/kollation.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <tuple>
#include <unistd.h>
#include <utility>
#include <vector>

namespace quandel {
namespace {

std::string dateiSchreiben(const std::string& name, const std::string& inhalt) {
    const std::string pfad = ::testing::TempDir() + name;
    std::ofstream(pfad, std::ios::binary) << inhalt;
    return pfad;
}

std::vector<std::string> zeilen(const Wortzeilen& w) {
    std::vector<std::string> z;
    for (std::size_t i = 0; i < w.size(); ++i)
        z.emplace_back(w[i]);
    return z;
}

TEST(WortlisteLesen, LineBreaksSplitAcrossReadPiecesCountOnce) {
    // The reader takes 64 KiB at a time; CR LF straddles the first border.
    std::string inhalt;
    while (inhalt.size() < 65535 - 5)
        inhalt += "wort\n";
    inhalt.resize(65535, 'y');
    inhalt.back() = '\r';
    inhalt += "\nende";
    const std::string pfad = dateiSchreiben("grenze.txt", inhalt);
    const std::vector<std::string> z = zeilen(WortlisteLesen(pfad, Kodierung::Cp1252));
    ASSERT_GE(z.size(), 3u);
    EXPECT_EQ(z.back(), "ende");
    EXPECT_EQ(z[z.size() - 2].find_first_not_of('y'), std::string::npos);
    EXPECT_EQ(z.size(), 65530 / 5 + 2); // the words, "yyyy" and "ende": no empty line between
}

TEST(WortlisteLesen, BomUtf8AndTheLastLineWithoutBreak) {
    const std::string pfad = dateiSchreiben("bom.txt", "\xEF\xBB\xBF  Bär \r\n\r\nvor allem");
    EXPECT_EQ(zeilen(WortlisteLesen(pfad, Kodierung::Utf8)),
              (std::vector<std::string>{"B\xE4r", "", "vor allem"}));
}

TEST(KodierungErkennen, Utf8OrWindows1252WhereverTheFirstNonAsciiByteStands) {
    // Long ASCII runs are skipped eight bytes at a time: the decisive byte at every offset.
    for (std::size_t vor = 0; vor < 20; ++vor) {
        const std::string ascii(vor + 70000, 'a');
        EXPECT_EQ(KodierungErkennen(dateiSchreiben("k1.txt", ascii + "B\xC3\xA4r\n" + ascii)),
                  Kodierung::Utf8)
            << vor;
        EXPECT_EQ(KodierungErkennen(dateiSchreiben("k2.txt", ascii + "B\xE4r\n" + ascii)),
                  Kodierung::Cp1252)
            << vor;
        EXPECT_EQ(KodierungErkennen(dateiSchreiben("k3.txt", ascii + "\xC3")), Kodierung::Cp1252)
            << vor; // cut off at the end
        // Reading stops at a NUL byte, which the reader refuses anyway.
        EXPECT_EQ(
            KodierungErkennen(dateiSchreiben("k4.txt", ascii + std::string(1, '\0') + "\xE4")),
            Kodierung::Utf8)
            << vor;
    }
    EXPECT_EQ(KodierungErkennen(dateiSchreiben("k5.txt", "")), Kodierung::Utf8);
}

TEST(KodierungErkennen, AMostlyUtf8ListWithAStrayLatin1LineIsUtf8) {
    // Read as Windows-1252, every umlaut of the list showed as "Ã¤"; read as UTF-8, the reader
    // names the stray line.
    const std::string gemischt =
        dateiSchreiben("gemischt.txt", "B\xC3\xA4r\r\nM\xC3\xB6we\r\nFu\xC3\x9F\r\nT\xE4ler\r\n");
    EXPECT_EQ(KodierungErkennen(gemischt), Kodierung::Utf8);
    try {
        WortlisteLesen(gemischt, Kodierung::Utf8);
        ADD_FAILURE() << "the Latin-1 line was read";
    } catch (const Fehler& fehler) {
        EXPECT_EQ(std::string(fehler.what()),
                  gemischt + ", Zeile 4: Ungültige UTF-8-Bytefolge an Byte 2.");
    }
    // As many lines of each: still UTF-8, so that nothing turns silently into "Ã¤".
    EXPECT_EQ(KodierungErkennen(dateiSchreiben("gleich.txt", "B\xC3\xA4r\nT\xE4ler\n")),
              Kodierung::Utf8);
    // A Windows-1252 list in which "Spaß“" happens to be a UTF-8 byte pair stays Windows-1252;
    // so does one with overlong forms and surrogates, which are no UTF-8.
    EXPECT_EQ(KodierungErkennen(
                  dateiSchreiben("cp1252.txt", "\x84Spa\xDF\x93\nT\xE4ler\nM\xF6we\nS\xFC\x64\n")),
              Kodierung::Cp1252);
    EXPECT_EQ(KodierungErkennen(dateiSchreiben("falsch.txt", "a\xE0\x80\x80\nb\xED\xA0\x80\n")),
              Kodierung::Cp1252);
    // Each line counts once, however long the ASCII between.
    const std::string ascii(70000, 'a');
    EXPECT_EQ(KodierungErkennen(dateiSchreiben("lang.txt", "B\xC3\xA4r\n" + ascii + "\n" + ascii +
                                                               "T\xE4ler\n" + ascii + "\xE4\n")),
              Kodierung::Cp1252);
}

TEST(WortlisteLesen, TheLimitHoldsForTheLineInWindows1252) {
    // 200 × "ä" are 400 bytes in UTF-8 but 200 as the program keeps them.
    std::string ae200;
    for (int i = 0; i < 200; ++i)
        ae200 += "\xC3\xA4";
    EXPECT_EQ(zeilen(WortlisteLesen(dateiSchreiben("ae200.txt", ae200 + "\n"), Kodierung::Utf8)),
              (std::vector<std::string>{std::string(200, '\xE4')}));

    // 255 × "€" (765 bytes) after a byte order mark are 255; one more is too many.
    std::string euro255;
    for (int i = 0; i < 255; ++i)
        euro255 += "\xE2\x82\xAC";
    EXPECT_EQ(zeilen(WortlisteLesen(dateiSchreiben("euro.txt", "\xEF\xBB\xBF" + euro255),
                                    Kodierung::Utf8)),
              (std::vector<std::string>{std::string(255, '\x80')}));
    for (const auto& [name, inhalt, kodierung] :
         {std::tuple{"euro256.txt", "a\n" + euro255 + "\xE2\x82\xAC\n", Kodierung::Utf8},
          std::tuple{"ae256.txt", "a\n" + ae200 + std::string(56, 'a') + "\n", Kodierung::Utf8},
          std::tuple{"cp256.txt", "a\n" + std::string(256, '\xE4') + "\n", Kodierung::Cp1252}}) {
        const std::string pfad = dateiSchreiben(name, inhalt);
        try {
            WortlisteLesen(pfad, kodierung);
            ADD_FAILURE() << name;
        } catch (const Fehler& fehler) {
            EXPECT_EQ(std::string(fehler.what()),
                      pfad + ", Zeile 2: Die Zeile ist länger als 255 Bytes.");
        }
    }
}

TEST(WortlisteLesen, AListWithoutAWordIsRefused) {
    for (const std::string inhalt : {"", "\n", " \t\r\n\r\n  ", "\xEF\xBB\xBF\n"}) {
        const std::string pfad = dateiSchreiben("leer.txt", inhalt);
        try {
            WortlisteLesen(pfad, Kodierung::Utf8);
            ADD_FAILURE() << "\"" << inhalt << "\" was read";
        } catch (const Fehler& fehler) {
            EXPECT_EQ(std::string(fehler.what()), "Die Wortliste " + pfad + " enthält kein Wort.");
        }
    }
    EXPECT_EQ(zeilen(WortlisteLesen(dateiSchreiben("eins.txt", "\n \nwort\n"), Kodierung::Utf8)),
              (std::vector<std::string>{"", "", "wort"}));
}

// A list of 150,000 lines (1.6 MB, 26 pieces of a read): "Wort0000000" ...
std::string grosseListe() {
    std::string inhalt;
    char zeile[16];
    for (int i = 0; i < 150000; ++i) {
        std::snprintf(zeile, sizeof zeile, "Wort%07d\n", i);
        inhalt += zeile;
    }
    return inhalt;
}

// Loads the list while `aendern` runs from the read's hook (after every 16th piece).
LadeErgebnis ladenUnter(const std::string& pfad, const std::function<void()>& aendern,
                        bool mitIndex = true) {
    EreignisHaken haken(aendern, std::chrono::milliseconds(0));
    Baubegleitung begleitung;
    begleitung.haken = &haken;
    return WortlisteLaden(pfad, Kodierung::Utf8, kVokalfeldVorgabe, begleitung, mitIndex);
}

// A list that changes while it is read is read again as it is then, never used half read.
TEST(WortlisteLaden, ListChangedWhileReadIsReadAgain) {
    const test::TestCacheOrdner cache;
    const std::string inhalt = grosseListe();
    const std::string pfad = dateiSchreiben("waehrend.txt", inhalt);
    const std::string haelfte = inhalt.substr(0, inhalt.size() / 2);
    const std::size_t zeilenHaelfte = haelfte.size() / 12;

    // Cut short in place.
    bool einmal = false;
    LadeErgebnis geladen = ladenUnter(pfad, [&] {
        if (!std::exchange(einmal, true)) {
            ASSERT_EQ(::truncate(pfad.c_str(), static_cast<off_t>(haelfte.size())), 0);
        }
    });
    ASSERT_TRUE(einmal);
    EXPECT_EQ(geladen.lexikon.Wortbestand().size(), zeilenHaelfte);
    EXPECT_TRUE(geladen.lexikon.WortNrVon("wort0074999").has_value());
    EXPECT_FALSE(geladen.lexikon.WortNrVon("wort0075000").has_value());

    // Replaced by another file, as sed -i does: the list is the new file now.
    dateiSchreiben("waehrend.txt", inhalt);
    const std::string neu = dateiSchreiben("waehrend.neu", haelfte + "Zeide\n");
    einmal = false;
    geladen = ladenUnter(pfad, [&] {
        if (!std::exchange(einmal, true)) {
            ASSERT_EQ(std::rename(neu.c_str(), pfad.c_str()), 0);
        }
    });
    ASSERT_TRUE(einmal);
    EXPECT_EQ(geladen.lexikon.Wortbestand().size(), zeilenHaelfte + 1);
    EXPECT_TRUE(geladen.lexikon.WortNrVon("zeide").has_value());
}

TEST(WortlisteLaden, ListChangingOnEveryReadIsRefused) {
    const test::TestCacheOrdner cache;
    const std::string pfad = dateiSchreiben("immer.txt", grosseListe());
    for (const bool mitIndex : {true, false}) {
        int aenderungen = 0;
        std::string meldung = "kein Fehler";
        try {
            ladenUnter(
                pfad,
                [&] {
                    ++aenderungen;
                    std::ofstream(pfad, std::ios::app) << "Zeide\n";
                },
                mitIndex);
        } catch (const ListeVeraendert& fehler) {
            meldung = fehler.what();
        }
        EXPECT_EQ(meldung, "Die Wortliste " + pfad + " wurde beim Lesen verändert.");
        EXPECT_GE(aenderungen, 2); // during the first read and during the second
    }
}

TEST(Wortlistendatei, ChangedBetweenOpeningAndReadingIsNoList) {
    const std::string pfad = dateiSchreiben("zwischen.txt", "Seide\nWeide\n");
    {
        Wortlistendatei datei(pfad);
        ASSERT_EQ(::truncate(pfad.c_str(), 6), 0);
        EXPECT_THROW(datei.Lesen(Kodierung::Utf8, nullptr), ListeVeraendert);
    }
    {
        dateiSchreiben("zwischen.txt", "Seide\nWeide\n");
        Wortlistendatei datei(pfad);
        // The same length, written a moment later: its change time tells.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        dateiSchreiben("zwischen.txt", "Seide\nKeide\n");
        EXPECT_THROW(datei.Lesen(Kodierung::Utf8, nullptr), ListeVeraendert);
    }
    Wortlistendatei datei(pfad);
    EXPECT_EQ(zeilen(datei.Lesen(Kodierung::Utf8, nullptr)),
              (std::vector<std::string>{"Seide", "Keide"}));
}

TEST(WortlisteLaden, RunningOutOfMemoryIsAMessageNotAnAbort) {
#ifdef QUANDEL_MIT_ASAN
    GTEST_SKIP() << "AddressSanitizer reserves its shadow memory beyond any address-space limit";
#else
    // Twenty megabytes of lines, loaded under an address-space limit just above what the
    // process holds before: the build cannot get its memory.
    std::string inhalt;
    for (int i = 0; i < 1000000; ++i)
        inhalt += "Wortlistenzeile" + std::to_string(i) + "\n";
    const std::string pfad = dateiSchreiben("gross.txt", inhalt);
    inhalt = {};
    const test::TestCacheOrdner cache;
    Kollator::Deutsch(); // ICU's data are mapped before the limit

    int rohr[2];
    ASSERT_EQ(::pipe(rohr), 0);
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        ::close(rohr[0]);
        std::ifstream statm("/proc/self/statm");
        unsigned long seiten = 0;
        statm >> seiten;
        const rlim_t grenze = seiten * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + (24u << 20);
        const rlimit limit{grenze, grenze};
        ::setrlimit(RLIMIT_AS, &limit);
        std::string meldung = "kein Fehler";
        try {
            WortlisteLaden(pfad, Kodierung::Utf8, kVokalfeldVorgabe, {}, true);
        } catch (const Fehler& fehler) {
            meldung = fehler.what();
        } catch (...) {
            meldung = "andere Ausnahme";
        }
        [[maybe_unused]] const auto n = ::write(rohr[1], meldung.data(), meldung.size());
        ::_exit(0);
    }
    ::close(rohr[1]);
    std::string meldung;
    char puffer[256];
    for (ssize_t n; (n = ::read(rohr[0], puffer, sizeof puffer)) > 0;)
        meldung.append(puffer, static_cast<std::size_t>(n));
    ::close(rohr[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(kind, &status, 0), kind);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(meldung, "Nicht genug Arbeitsspeicher für die Wortliste " + pfad + ".");
#endif
}

} // namespace
} // namespace quandel
