# The Debian package: `cpack` in the build folder makes plenk_<version>_<arch>.deb
# from the install rules. Its library dependencies are read from the program
# by dpkg-shlibdeps; the card deck it draws with is named here, as no library
# links to it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME plenk)
set(CPACK_PACKAGE_VENDOR "Plenk developers")
set(CPACK_PACKAGE_CONTACT "Plenk developers <plenk@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "shedding card game against three computer players")
set(CPACK_PACKAGE_DESCRIPTION
"Plenk is a card game for one person against three computer players, played
with one 52-card pack. Every round each player must follow the lead suit; a
player who cannot must draw from the stock until the suit turns up, and when
the stock runs out takes every card on the table instead. The highest card
wins the round and leads the next. The game keeps the player's name and how
often they finished first, second, third or last.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://plenk.example.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS kdegames-card-data-kf5)
# Qt's own translations put the standard buttons (Yes, No, OK) into the
# player's language. On a Wayland desktop Qt runs natively only with its
# Wayland plugin; without it the game falls back to Xwayland. Noto CJK
# draws Japanese, Chinese and Korean.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-liberation, fonts-noto-cjk, qt6-translations-l10n, qt6-wayland")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Debian wants the licence and the package's history beside every package.
include(GNUInstallDirs)
find_program(GZIP gzip REQUIRED)
set(changelog ${CMAKE_BINARY_DIR}/packaging/changelog)
add_custom_command(OUTPUT ${changelog}.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/changelog ${changelog}
  COMMAND ${GZIP} -9nf ${changelog}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog VERBATIM)
add_custom_target(plenk_changelog ALL DEPENDS ${changelog}.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${changelog}.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

include(CPack)
