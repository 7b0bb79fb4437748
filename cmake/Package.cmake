# The Debian package: `cpack --config build/CPackConfig.cmake` (scripts/package) turns the
# install rules into build/package/sprachausgabe_VERSION-RELEASE_ARCH.deb, installed under /usr.

set(SUITE_PACKAGE_RELEASE 1)
set(SUITE_MAINTAINER
    "Sprachausgabe maintainers <maintainers@users.noreply.c-seed-7fd0d724.example>")
# The release this version is: the changelog's date, in the two forms its readers want.
set(SUITE_RELEASE_DATE 2026-12-07)
set(SUITE_RELEASE_DATE_RFC2822 "Mon, 07 Dec 2026 06:00:00 +0000")

# Debian wants the copyright and its own changelog, compressed without a time stamp, in the
# package's documentation folder.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/sprachausgabe)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.Debian.in
               ${CMAKE_BINARY_DIR}/packaging/changelog.Debian @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz
  COMMAND gzip -9nkf ${CMAKE_BINARY_DIR}/packaging/changelog.Debian
  DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.Debian)
add_custom_target(suite_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright
              ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz
        DESTINATION ${doc_dir})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME sprachausgabe)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sprachausgabe)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${SUITE_MAINTAINER})
set(CPACK_PACKAGE_VENDOR "Sprachausgabe")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "talking German desktop programs built on espeak-ng")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${PROJECT_SOURCE_DIR}/packaging/description)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${SUITE_PACKAGE_RELEASE})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The shared libraries give most of Depends, and with them Qt's plugins the programs load:
# xcb (libqt6gui6), the SVG icon engine (libqt6svg6), the web engine's helper process
# (libqt6webenginecore6-bin). What nothing links comes on top: espeak-ng itself (opened when
# speech starts) and its voices, Qt's German translations, and the fonts the twips layouts were
# drawn for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libespeak-ng1, espeak-ng-data, qt6-translations-l10n, fonts-liberation, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS
    "kolourpaint | pinta | gimp, hardinfo | gnome-system-monitor")
include(CPack)
