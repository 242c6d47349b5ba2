// System reasons in messages are German in every locale.
#include "text/systemgrund.h"

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>

using quandel::SystemGrund;

TEST(SystemGrund, GermanInTheCLocale) {
    ::setenv("LC_ALL", "C", 1);
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(SystemGrund(ENOENT), "Datei oder Verzeichnis nicht gefunden");
    EXPECT_EQ(SystemGrund(EACCES), "Keine Berechtigung");
    EXPECT_EQ(SystemGrund(ENOSPC), "Kein Platz mehr auf dem Datenträger");
    EXPECT_EQ(SystemGrund(EISDIR), "Ist ein Verzeichnis");
}

TEST(SystemGrund, EveryReasonAFileProgramMeetsHasItsOwnText) {
    const int nummern[] = {ENOENT,       EACCES, EPERM,  EISDIR, ENOTDIR, ENOSPC,   EDQUOT,
                           EROFS,        ELOOP,  EMFILE, ENFILE, EIO,     EEXIST,   EFBIG,
                           ENAMETOOLONG, ENOMEM, EINVAL, EBUSY,  ETXTBSY, EXDEV,    EAGAIN,
                           EINTR,        EPIPE,  ENXIO,  ENODEV, ESPIPE,  EOVERFLOW};
    std::set<std::string> texte;
    for (const int nummer : nummern) {
        const std::string text = SystemGrund(nummer);
        EXPECT_EQ(text.rfind("Systemfehler", 0), std::string::npos) << nummer;
        texte.insert(text);
    }
    EXPECT_EQ(texte.size(), std::size(nummern));
}

TEST(SystemGrund, AnUnknownNumberIsNamed) {
    EXPECT_EQ(SystemGrund(0), "Systemfehler 0");
    EXPECT_EQ(SystemGrund(99999), "Systemfehler 99999");
}
