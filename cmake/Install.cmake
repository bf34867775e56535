# Installation and the Debian package: the player and its updater, the bundled
# demo game (read-only; the player plays it from a per-user copy), the desktop
# entry, the icon in every size, the AppStream metainfo, the man pages, the
# script guide and the licences.
include(GNUInstallDirs)

# The id every desktop names the program by (lower case, as AppStream asks).
set(MIRANDEL_APP_ID org.mirandel.mirandel)
set(MIRANDEL_HOMEPAGE_URL "https://github.com/mirandel/mirandel" CACHE STRING
    "The project's repository page (metainfo, package, copyright file)")

# The player starts its updater from its own folder, never from the game's.
install(TARGETS mirandel mirandel-update RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The sound device, opened by the player on its first sound.
install(TARGETS mirandel_sound LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/mirandel)
# The player finds its games at ../share/mirandel/games beside its own folder.
install(DIRECTORY games/ DESTINATION ${CMAKE_INSTALL_DATADIR}/mirandel/games
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

install(FILES data/${MIRANDEL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
file(GLOB MIRANDEL_ICON_SIZES RELATIVE ${PROJECT_SOURCE_DIR}/data/icons ${PROJECT_SOURCE_DIR}/data/icons/*)
foreach(size IN LISTS MIRANDEL_ICON_SIZES)
  install(FILES data/icons/${size}/mirandel.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}/apps)
endforeach()

# Files that carry the version or the install folders are filled in at configure time.
configure_file(data/${MIRANDEL_APP_ID}.metainfo.xml ${PROJECT_BINARY_DIR}/data/${MIRANDEL_APP_ID}.metainfo.xml @ONLY)
foreach(page mirandel.6 mirandel-update.6)
  configure_file(data/${page} ${PROJECT_BINARY_DIR}/data/${page} @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/data/${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endforeach()
configure_file(data/copyright ${PROJECT_BINARY_DIR}/data/copyright @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/data/${MIRANDEL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES README.md docs/script-guide.md games/mirandel/WALKTHROUGH.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The licences: the code's (GPL-3.0-or-later), the demo game's pictures and
# sounds' (CC-BY-SA-4.0), and both in the machine-readable form Debian reads.
install(FILES LICENSE COPYING.assets ${PROJECT_BINARY_DIR}/data/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The Debian package (tools/package.sh builds it with cpack).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mirandel)
set(CPACK_PACKAGE_VENDOR "The Mirandel team")
set(CPACK_PACKAGE_CONTACT "The Mirandel team <mirandel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "player for graphical Portuguese text adventures")
set(CPACK_PACKAGE_DESCRIPTION
  "Mirandel plays graphical text adventures in Portuguese made with the authoring engine Quimera, in a window or in the terminal. A small original adventure comes with it.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${MIRANDEL_HOMEPAGE_URL})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# The libraries the installed programs link, computed by dpkg-shlibdeps from the
# built binaries (the player and the updater).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so the library scan cannot see them: Qt's platform plugins,
# the metric-compatible fonts the games name, and the libraries opened on first
# use (libcurl, the sound decoders, libjpeg, giflib, libqrencode, libedit).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, libcurl4, libsndfile1, libmpg123-0,
    libjpeg62-turbo, libgif7, libqrencode4, libedit2")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)

# The installed files and the package, checked in scratch folders (not in the
# sanitizer build: they check packaging, not the program's memory).
if(MIRANDEL_BUILD_TESTS AND NOT MIRANDEL_SANITIZE)
  add_test(NAME install_files COMMAND bash ${PROJECT_SOURCE_DIR}/tools/check_install.sh ${PROJECT_BINARY_DIR})
  add_test(NAME package_deb
           COMMAND bash -c "rm -rf package-test && cpack -G DEB -B package-test >/dev/null && bash '${PROJECT_SOURCE_DIR}/tools/check_package.sh' package-test/mirandel_*.deb"
           WORKING_DIRECTORY ${PROJECT_BINARY_DIR})
  set_tests_properties(install_files package_deb PROPERTIES TIMEOUT 300)
endif()
