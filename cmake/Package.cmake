# `cpack -G DEB` in a build folder makes one Debian package of both programs.
# Its library dependencies come from dpkg-shlibdeps; the data the programs
# read at run time (thesaurus, WordNet) and the mail command are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wordpuzzles)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "crossword construction program and a hangman game")
set(CPACK_PACKAGE_DESCRIPTION
  "wordlatch designs, fills, clues, prints and solves crosswords from 11x11 to 23x23, with a dictionary and automatic fill, a thesaurus and a bank of one's own clues; it reads and writes .puz and .ipuz. Tobbin Hangman is a hangman game with points, a rating, statistics, a top-ten table and a word list editor.")
set(CPACK_PACKAGE_CONTACT "The wordlatch developers <wordlatch@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, mythes-en-us, wordnet-base, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")
include(CPack)
