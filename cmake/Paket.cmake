# A Debian package of the installation: `cpack -G DEB` in the build directory. Its library
# dependencies are read from the programs by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME quandel-tornar)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "German rhyming dictionary (Deutsches Reimlexikon)")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(QUANDEL_PAKETBETREUER "Quandel Tornar <quandel-tornar@localhost>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUANDEL_PAKETBETREUER}")
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS wngerman)
# Libraries loaded at run time, which no library dependency names: espeak-ng for the sound
# search (loaded at its first pronunciation, with its German voice data) and Qt's platform
# plugin.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libespeak-ng1, espeak-ng-data")
# The synonyms come from Debian's OpenThesaurus, read at run time. (The word classes are taken
# from trans-de-en when the program is built and compiled in: no dependency.)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS openthesaurus-de-text)
if(QUANDEL_GUI)
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", qt6-qpa-plugins")
    # Qt's own texts (dialog buttons, context menus) in German; English without it.
    string(PREPEND CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, ")
endif()
set(CPACK_PACKAGE_DESCRIPTION
    "Quandel Tornar searches a built-in stock of 6806 German words and phrases
for end rhymes, song rhymes (the same sequence of vowels), spoonerisms and
alliterations. The command-line program quandel-cli runs the same searches
from a terminal or a script, also on any word list such as wngerman's; it
lists synonyms from OpenThesaurus and keeps only the rhymes of a word class
or of a sense.")
include(CPack)
