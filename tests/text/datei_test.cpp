// Saving over the user's files: their rights, their links and their read-only mark.
#include "text/datei.h"
#include "text/fehler.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace quandel {
namespace {

namespace fs = std::filesystem;

class DateiSchreibenTest : public ::testing::Test {
protected:
    void SetUp() override {
        ordner_ = fs::path(::testing::TempDir()) /
                  ("datei_test_" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(ordner_);
        fs::create_directories(ordner_);
        alteMaske_ = ::umask(022);
    }
    void TearDown() override {
        ::umask(alteMaske_);
        fs::permissions(ordner_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(ordner_);
    }

    fs::path Pfad(const std::string& name) const { return ordner_ / name; }

    static mode_t Rechte(const fs::path& pfad) {
        struct stat info {};
        EXPECT_EQ(::stat(pfad.c_str(), &info), 0) << pfad;
        return info.st_mode & 07777;
    }

    // The names in the folder, so that a test sees no temporary file left behind.
    std::vector<std::string> Namen() const {
        std::vector<std::string> namen;
        for (const auto& eintrag : fs::directory_iterator(ordner_))
            namen.push_back(eintrag.path().filename().string());
        std::sort(namen.begin(), namen.end());
        return namen;
    }

    static std::string Meldung(const fs::path& pfad, std::string_view inhalt) {
        try {
            DateiSchreiben(pfad, inhalt);
        } catch (const Fehler& fehler) {
            return fehler.what();
        }
        return "";
    }

    fs::path ordner_;
    mode_t alteMaske_ = 0;
};

TEST_F(DateiSchreibenTest, NewFileGetsTheUsualRights) {
    DateiSchreiben(Pfad("neu.grd"), "4\r\n");
    EXPECT_EQ(DateiLesen(Pfad("neu.grd")), "4\r\n");
    EXPECT_EQ(Rechte(Pfad("neu.grd")), 0644u);
    EXPECT_EQ(Namen(), std::vector<std::string>{"neu.grd"});
}

TEST_F(DateiSchreibenTest, ReplacedFileKeepsItsRights) {
    for (const mode_t rechte : {0600u, 0640u, 0664u}) {
        const fs::path datei = Pfad("alt.grd");
        DateiSchreiben(datei, "alt");
        ASSERT_EQ(::chmod(datei.c_str(), rechte), 0);
        DateiSchreiben(datei, "neu");
        EXPECT_EQ(DateiLesen(datei), "neu");
        EXPECT_EQ(Rechte(datei), rechte);
    }
    EXPECT_EQ(Namen(), std::vector<std::string>{"alt.grd"});
}

TEST_F(DateiSchreibenTest, ReadOnlyFileIsRefusedAndUntouched) {
    const fs::path datei = Pfad("fest.grd");
    DateiSchreiben(datei, "alt");
    ASSERT_EQ(::chmod(datei.c_str(), 0444), 0);
    EXPECT_EQ(Meldung(datei, "neu"),
              "Datei " + datei.string() +
                  " kann nicht geschrieben werden (keine Schreibberechtigung).");
    EXPECT_EQ(DateiLesen(datei), "alt");
    EXPECT_EQ(Rechte(datei), 0444u);
    EXPECT_EQ(Namen(), std::vector<std::string>{"fest.grd"});
}

TEST_F(DateiSchreibenTest, WritesThroughLinksAndKeepsThem) {
    fs::create_directory(Pfad("ziele"));
    const fs::path ziel = Pfad("ziele/liste.txt");
    DateiSchreiben(ziel, "alt");
    ASSERT_EQ(::chmod(ziel.c_str(), 0600), 0);
    // A chain: a link beside the folder to a relative link inside it, and on to the file.
    fs::create_symlink("liste.txt", Pfad("ziele/zwischen.txt"));
    fs::create_symlink("ziele/zwischen.txt", Pfad("verweis.txt"));

    DateiSchreiben(Pfad("verweis.txt"), "neu");
    EXPECT_EQ(DateiLesen(ziel), "neu");
    EXPECT_EQ(Rechte(ziel), 0600u);
    EXPECT_TRUE(fs::is_symlink(Pfad("verweis.txt")));
    EXPECT_EQ(fs::read_symlink(Pfad("verweis.txt")), "ziele/zwischen.txt");
    EXPECT_TRUE(fs::is_symlink(Pfad("ziele/zwischen.txt")));
    EXPECT_EQ(Namen(), (std::vector<std::string>{"verweis.txt", "ziele"}));

    // A link to a read-only file is refused like the file itself.
    ASSERT_EQ(::chmod(ziel.c_str(), 0444), 0);
    EXPECT_EQ(Meldung(Pfad("verweis.txt"), "mehr"),
              "Datei " + Pfad("verweis.txt").string() +
                  " kann nicht geschrieben werden (keine Schreibberechtigung).");
    EXPECT_EQ(DateiLesen(ziel), "neu");
}

TEST_F(DateiSchreibenTest, DanglingLinkCreatesItsTarget) {
    fs::create_symlink("fehlt.akz", Pfad("verweis.akz"));
    DateiSchreiben(Pfad("verweis.akz"), "A: a\n");
    EXPECT_EQ(DateiLesen(Pfad("fehlt.akz")), "A: a\n");
    EXPECT_EQ(Rechte(Pfad("fehlt.akz")), 0644u);
    EXPECT_TRUE(fs::is_symlink(Pfad("verweis.akz")));

    // A link that leads back to itself ends with a message, not a loop.
    fs::create_symlink("kreis2", Pfad("kreis1"));
    fs::create_symlink("kreis1", Pfad("kreis2"));
    EXPECT_EQ(
        Meldung(Pfad("kreis1"), "x")
            .rfind("Datei " + Pfad("kreis1").string() + " kann nicht geschrieben werden (", 0),
        0u);
    EXPECT_TRUE(fs::is_symlink(Pfad("kreis1")));
}

} // namespace
} // namespace quandel
