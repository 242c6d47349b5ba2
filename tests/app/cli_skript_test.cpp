// The command line in scripts: search texts from stdin, output written as it is found,
// Ctrl+C, failed writes and the form of every message.
#include "cli_prozess.h"
#include "testdatei.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <optional>
#include <spawn.h>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

using quandel::testhilfe::CliAusfuehren;
using quandel::testhilfe::CliProzess;
using quandel::testhilfe::Lauf;
using quandel::testhilfe::TestdateiSchreiben;
using quandel::testhilfe::Umgebung;

namespace {

// The locale of the runs started while it lives, as the user's shell may set it.
class Gebietsschema {
public:
    explicit Gebietsschema(const char* name) {
        if (const char* wert = std::getenv("LC_ALL"))
            alt_ = wert;
        ::setenv("LC_ALL", name, 1);
    }
    Gebietsschema(const Gebietsschema&) = delete;
    Gebietsschema& operator=(const Gebietsschema&) = delete;
    ~Gebietsschema() {
        if (alt_)
            ::setenv("LC_ALL", alt_->c_str(), 1);
        else
            ::unsetenv("LC_ALL");
    }

private:
    std::optional<std::string> alt_;
};

// A word list whose spoonerism "s e" has n (n - 1) / 2 rows of ever longer words: the words
// a^k, s a^k and a^k e for k = 1..n give the row (se, a^(i+j), a^i e, s a^j) for every
// i + j <= n, about 2 n^3 / 3 bytes in all. Lines stay within the 255 bytes a list allows for
// n <= 254.
std::string GrosseSchuettelListe(int n) {
    std::string text;
    for (int k = 1; k <= n; ++k) {
        const std::string a(static_cast<std::size_t>(k), 'a');
        text += a + "\ns" + a + "\n" + a + "e\n";
    }
    return TestdateiSchreiben("gross" + std::to_string(n) + ".txt", text);
}

// The peak memory in kB of a run of the command line whose output goes nowhere.
long SpitzenSpeicher(std::vector<std::string> argumente) {
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_addopen(&aktionen, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    argumente.insert(argumente.begin(), QUANDEL_CLI);
    std::vector<char*> argv;
    for (std::string& teil : argumente)
        argv.push_back(teil.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int fehler = posix_spawn(&pid, QUANDEL_CLI, &aktionen, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&aktionen);
    if (fehler != 0)
        return -1;
    int zustand = 0;
    rusage verbrauch{};
    ::wait4(pid, &zustand, 0, &verbrauch);
    return verbrauch.ru_maxrss;
}

std::size_t Zeilenzahl(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

} // namespace

TEST(CliSkript, EachLineOfStdinIsAnsweredInTurn) {
    const std::string zeilen = TestdateiSchreiben("zeilen.txt", "eide\nqxqxq\r\nKreide\n");
    const auto eide = CliAusfuehren({"end", "eide"});
    const auto kreide = CliAusfuehren({"end", "Kreide"});
    // Every answer ends with an empty line; one without hits is only that.
    const std::string erwartet = eide.aus + "\n" + "\n" + kreide.aus + "\n";

    const auto strich = CliAusfuehren({"end", "-"}, {.eingabeDatei = zeilen});
    EXPECT_EQ(strich.status, 0) << strich.fehler;
    EXPECT_EQ(strich.aus, erwartet);
    EXPECT_EQ(strich.fehler, "quandel-cli: kein Eintrag\n");

    // Without TEXT and with stdin not a terminal the same.
    const auto ohneText = CliAusfuehren({"end", "--rueck"}, {.eingabeDatei = zeilen});
    EXPECT_EQ(ohneText.aus, CliAusfuehren({"end", "--rueck", "-"}, {.eingabeDatei = zeilen}).aus);
    EXPECT_EQ(ohneText.status, 0);

    // A word list is read once for all lines; spoonerism rows keep their tabs.
    const std::string liste = TestdateiSchreiben("reim.txt", "Rand\nLeim\nLand\nReim\n");
    const auto schuettel =
        CliAusfuehren({"schuettel", "--wortbestand", liste},
                      {.eingabeDatei = TestdateiSchreiben("zwei.txt", "Reim\nR eim\n")});
    EXPECT_EQ(schuettel.aus, "Reim\tLand\tLeim\tRand\n\nReim\tLand\tLeim\tRand\n\n");
}

TEST(CliSkript, StdinStatusAndBadLines) {
    const auto leer = CliAusfuehren({"end", "-"}, {.eingabeDatei = TestdateiSchreiben("l", "")});
    EXPECT_EQ(leer.status, 1);
    EXPECT_EQ(leer.aus, "");

    const auto ohne = CliAusfuehren(
        {"end", "-"}, {.eingabeDatei = TestdateiSchreiben("ohne.txt", "qxqxq\nxqxqx\n")});
    EXPECT_EQ(ohne.status, 1);
    EXPECT_EQ(ohne.aus, "\n\n");

    // A line outside Windows-1252 is reported with its number; the others are still answered.
    const auto schlecht = CliAusfuehren(
        {"end", "-"}, {.eingabeDatei = TestdateiSchreiben("schlecht.txt", "eide\nłódź\neide\n")});
    EXPECT_EQ(schlecht.status, 2);
    const auto eide = CliAusfuehren({"end", "eide"}).aus;
    EXPECT_EQ(schlecht.aus, eide + "\n\n" + eide + "\n");
    EXPECT_EQ(schlecht.fehler.rfind("quandel-cli: Zeile 2: ", 0), 0u) << schlecht.fehler;

    // So is a line with a NUL byte, whose part before it used to be answered.
    const auto nullbyte =
        CliAusfuehren({"end", "-"}, {.eingabeDatei = TestdateiSchreiben(
                                         "nullbyte.txt", std::string("eide\nei\0de\neide\n", 16))});
    EXPECT_EQ(nullbyte.status, 2);
    EXPECT_EQ(nullbyte.aus, eide + "\n\n" + eide + "\n");
    EXPECT_EQ(nullbyte.fehler, "quandel-cli: Zeile 2: Die Zeile enthält ein Nullbyte.\n");
}

TEST(CliSkript, StdinWithJsonGivesOneValuePerLine) {
    const std::string zeilen = TestdateiSchreiben("json.txt", "eide\nqxqxq\nłódź\nKreide\n");
    const auto lauf = CliAusfuehren({"end", "-", "--format", "json"}, {.eingabeDatei = zeilen});
    EXPECT_EQ(lauf.status, 2);
    std::string eide = "[";
    std::istringstream woerter(CliAusfuehren({"end", "eide"}).aus);
    for (std::string wort; std::getline(woerter, wort);)
        eide += (eide.size() > 1 ? ",\"" : "\"") + wort + "\"";
    // A line without hits and one that cannot be searched answer with an empty array.
    EXPECT_EQ(lauf.aus, eide + "]\n[]\n[]\n[\"Kreide\"]\n");
    // With the word classes asked for, objects.
    const auto arten = CliAusfuehren({"end", "-", "--format", "json", "--wortart", "nomen"},
                                     {.eingabeDatei = zeilen});
    const std::string kreide = "{\"wort\": \"Kreide\", \"wortart\": [\"nomen\"]}";
    EXPECT_EQ(arten.aus,
              "[" + kreide +
                  ",{\"wort\": \"Seide\", \"wortart\": [\"nomen\"]},{\"wort\": \"Weide\", "
                  "\"wortart\": [\"nomen\"]}]\n[]\n[]\n[" +
                  kreide + "]\n");

    const std::string liste = TestdateiSchreiben("reim.txt", "Rand\nLeim\nLand\nReim\n");
    EXPECT_EQ(CliAusfuehren({"schuettel", "-", "--format=json", "--wortbestand", liste},
                            {.eingabeDatei = TestdateiSchreiben("r.txt", "Reim\n")})
                  .aus,
              "[{\"suchwort\": \"Reim\", \"tauschwort\": \"Land\", \"endwort\": \"Leim\", "
              "\"stabwort\": \"Rand\"}]\n");
}

TEST(CliSkript, ShortVersionOption) {
    EXPECT_EQ(CliAusfuehren({"-V"}).aus, CliAusfuehren({"--version"}).aus);
    EXPECT_EQ(CliAusfuehren({"-V"}).status, 0);
}

TEST(CliSkript, FailedWritesAreReported) {
    const Gebietsschema c("C");
    for (const auto& argumente : std::vector<std::vector<std::string>>{
             {"--help"}, {"--version"}, {"end", "eide"}, {"schuettel", "Reim"}}) {
        const auto lauf = CliAusfuehren(argumente, {.ausgabeDatei = "/dev/full"});
        EXPECT_EQ(lauf.status, 2) << argumente[0];
        EXPECT_EQ(lauf.fehler, "quandel-cli: Die Ausgabe kann nicht geschrieben werden: Kein "
                               "Platz mehr auf dem Datenträger\n");
    }
}

TEST(CliSkript, EveryMessageStartsWithTheProgramName) {
    for (const auto& argumente :
         std::vector<std::vector<std::string>>{{"end", "qxqxq"},
                                               {"end", "  "},
                                               {"reim", "x"},
                                               {"end", "łódź"},
                                               {"end", "e", "--wortbestand", "/gibt/es/nicht"}}) {
        const auto lauf = CliAusfuehren(argumente);
        ASSERT_FALSE(lauf.fehler.empty()) << argumente[0];
        std::size_t anfang = 0;
        while (anfang < lauf.fehler.size()) {
            EXPECT_EQ(lauf.fehler.compare(anfang, 13, "quandel-cli: "), 0) << lauf.fehler;
            anfang = lauf.fehler.find('\n', anfang) + 1;
        }
    }
}

TEST(CliSkript, FileErrorsSayWhyInGermanInEveryLocale) {
    const Gebietsschema c("C");
    const std::string fehlt = ::testing::TempDir() + "gibt-es-nicht.txt";
    const auto lauf = CliAusfuehren({"end", "e", "--wortbestand", fehlt});
    EXPECT_EQ(lauf.fehler, "quandel-cli: Datei " + fehlt +
                               " kann nicht geöffnet werden (Datei oder Verzeichnis nicht "
                               "gefunden).\n");
    const auto verzeichnis = CliAusfuehren({"end", "e", "--wortbestand", ::testing::TempDir()});
    EXPECT_EQ(verzeichnis.fehler, "quandel-cli: Datei " + ::testing::TempDir() +
                                      " kann nicht gelesen werden: es ist ein Verzeichnis.\n");

    // A name that would not show is quoted: empty, or with a blank at an end.
    const std::string fehltGrund =
        " kann nicht geöffnet werden (Datei oder Verzeichnis nicht gefunden).\n";
    EXPECT_EQ(CliAusfuehren({"end", "e", "--wortbestand", ""}).fehler,
              "quandel-cli: Datei »«" + fehltGrund);
    EXPECT_EQ(CliAusfuehren({"end", "e", "--wortbestand", " "}).fehler,
              "quandel-cli: Datei » «" + fehltGrund);
    EXPECT_EQ(CliAusfuehren({"end", "e", "--lautgruppen="}).fehler,
              "quandel-cli: Datei »«" + fehltGrund);
    EXPECT_EQ(CliAusfuehren({"klang", "Rost", "--aussprache", ""}).fehler,
              "quandel-cli: Datei »«" + fehltGrund);
}

TEST(CliSkript, ControlBytesInMessagesAreEscaped) {
    const auto lauf = CliAusfuehren({"x\x1B[2J\ty", "eide"});
    EXPECT_EQ(lauf.status, 2);
    EXPECT_EQ(lauf.fehler.find('\x1B'), std::string::npos);
    EXPECT_EQ(lauf.fehler.find('\t'), std::string::npos);
    EXPECT_NE(lauf.fehler.find("\"x\\x1B[2J\\x09y\""), std::string::npos) << lauf.fehler;

    // Bytes that are no UTF-8 and C1 controls are escaped; German letters stay.
    const auto bytes = CliAusfuehren({"\xFF\xC2\x9B"
                                      "ä",
                                      "eide"});
    EXPECT_NE(bytes.fehler.find("\"\\xFF\\xC2\\x9Bä\""), std::string::npos) << bytes.fehler;
}

TEST(CliSkript, VowelRepeatedAnyNumberOfTimes) {
    std::string vokale = "i";
    for (int i = 0; i < 256; ++i)
        vokale += ",e";
    const auto oft = CliAusfuehren({"lied", "eide", "--vokale", vokale});
    const auto einmal = CliAusfuehren({"lied", "eide", "--vokale", "e,i"});
    EXPECT_EQ(oft.status, 0);
    EXPECT_EQ(oft.aus, einmal.aus);
    EXPECT_NE(oft.aus, CliAusfuehren({"lied", "id", "--vokale", "e,i"}).aus);
}

TEST(CliSkript, IgnoredCtrlCStaysIgnored) {
    const std::string liste = GrosseSchuettelListe(250);
    // Stdout is read only at the end, so the pairing is still writing when the signal comes.
    CliProzess prozess({"schuettel", "s", "e", "--wortbestand", liste},
                       {.fehlerAufTerminal = true, .sigintIgnoriert = true});
    ASSERT_TRUE(prozess.FehlerAbwarten(" %"));
    ::kill(prozess.pid(), SIGINT);
    const auto lauf = prozess.Abwarten();
    EXPECT_EQ(lauf.status, 0);
    EXPECT_EQ(Zeilenzahl(lauf.aus), 250u * 249u / 2u);
    EXPECT_EQ(lauf.fehler.find("Abgebrochen"), std::string::npos);
}

TEST(CliSkript, CtrlCEndsTheSpoonerismWhileItsOutputIsBlocked) {
    const std::string liste = GrosseSchuettelListe(250);
    // Nobody reads stdout: the rows fill the pipe and writing blocks.
    CliProzess prozess({"schuettel", "s", "e", "--wortbestand", liste},
                       {.fehlerAufTerminal = true});
    ASSERT_TRUE(prozess.FehlerAbwarten(" %"));
    ::usleep(200000);
    ::kill(prozess.pid(), SIGINT);
    ::usleep(200000);
    ::kill(prozess.pid(), SIGINT);
    Lauf lauf;
    ASSERT_TRUE(prozess.EndeAbwarten(20, lauf)) << "two Ctrl+C must end the program";
    EXPECT_TRUE(lauf.status == 130 || lauf.signal == SIGINT)
        << lauf.status << " " << lauf.signal << " " << lauf.fehler;
}

TEST(CliSkript, CtrlCAndSigtermEndTheSpoonerismAfterAWholeRow) {
    const std::string liste = GrosseSchuettelListe(250);
    for (const auto& [signal, status] : {std::pair{SIGINT, 130}, std::pair{SIGTERM, 143}}) {
        // Stdout is read only after the signal: the rows fill the pipe and writing blocks,
        // broken off by the signal in the middle of a row.
        CliProzess prozess({"schuettel", "s", "e", "--wortbestand", liste},
                           {.fehlerAufTerminal = true});
        ASSERT_TRUE(prozess.FehlerAbwarten(" %"));
        ::usleep(200000);
        ::kill(prozess.pid(), signal);
        const auto lauf = prozess.Abwarten();
        EXPECT_EQ(lauf.signal, 0) << "the process must end by itself";
        EXPECT_EQ(lauf.status, status) << lauf.fehler;
        ASSERT_FALSE(lauf.aus.empty());
        EXPECT_TRUE(lauf.aus.ends_with('\n'));
        EXPECT_LT(Zeilenzahl(lauf.aus), 250u * 249u / 2u);
        std::istringstream zeilen(lauf.aus);
        for (std::string zeile; std::getline(zeilen, zeile);)
            ASSERT_EQ(std::count(zeile.begin(), zeile.end(), '\t'), 3) << zeile;
    }
}

TEST(CliSkript, SpoonerismRowsAreWrittenAsTheyAreFound) {
    // The full answer is some 11 MB; `head -n 1` takes the first row and quits. Collected
    // before writing, it would cost several times that (80 MB in a release build).
    const std::string liste = GrosseSchuettelListe(250);
    const long basis = SpitzenSpeicher({"end", "a", "--kein-cache", "--wortbestand", liste});
    ASSERT_GT(basis, 0);
    int rohr[2];
    int kopf[2];
    ASSERT_EQ(::pipe2(rohr, O_CLOEXEC), 0);
    ASSERT_EQ(::pipe2(kopf, O_CLOEXEC), 0);

    posix_spawn_file_actions_t cliAktionen;
    posix_spawn_file_actions_init(&cliAktionen);
    posix_spawn_file_actions_adddup2(&cliAktionen, rohr[1], STDOUT_FILENO);
    std::vector<std::string> befehl{QUANDEL_CLI,    "schuettel",     "s",  "e",
                                    "--kein-cache", "--wortbestand", liste};
    std::vector<char*> argv;
    for (std::string& teil : befehl)
        argv.push_back(teil.data());
    argv.push_back(nullptr);
    pid_t cli = -1;
    ASSERT_EQ(posix_spawn(&cli, QUANDEL_CLI, &cliAktionen, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&cliAktionen);

    posix_spawn_file_actions_t headAktionen;
    posix_spawn_file_actions_init(&headAktionen);
    posix_spawn_file_actions_adddup2(&headAktionen, rohr[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&headAktionen, kopf[1], STDOUT_FILENO);
    char head[] = "head";
    char n[] = "-n";
    char eins[] = "1";
    char* headArgv[] = {head, n, eins, nullptr};
    pid_t headPid = -1;
    ASSERT_EQ(posix_spawnp(&headPid, "head", &headAktionen, nullptr, headArgv, environ), 0);
    posix_spawn_file_actions_destroy(&headAktionen);
    for (int fd : {rohr[0], rohr[1], kopf[1]})
        ::close(fd);

    std::string erste;
    char puffer[4096];
    for (ssize_t gelesen; (gelesen = ::read(kopf[0], puffer, sizeof puffer)) > 0;)
        erste.append(puffer, static_cast<std::size_t>(gelesen));
    ::close(kopf[0]);
    ::waitpid(headPid, nullptr, 0);
    int zustand = 0;
    rusage verbrauch{};
    ASSERT_EQ(::wait4(cli, &zustand, 0, &verbrauch), cli);

    EXPECT_EQ(erste, "se\taa\tae\tsa\n");
    ASSERT_TRUE(WIFSIGNALED(zustand)) << "the program must stop at the closed pipe";
    EXPECT_EQ(WTERMSIG(zustand), SIGPIPE);
    EXPECT_LT(verbrauch.ru_maxrss, basis + 8 * 1024)
        << "kB; an end-rhyme search on the same list took " << basis;
}
