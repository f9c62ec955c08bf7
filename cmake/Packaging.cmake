# SPDX-License-Identifier: MIT
# The man page, the Debian documentation files and the Debian package (CPack's DEB generator).
# scripts/package builds the package.
include(GNUInstallDirs)

# Debian installs man pages and changelogs compressed, without a time stamp in the gzip header.
# quillon_gzip(<source> <name>): <name>.gz in the build tree, compressed at build time.
function(quillon_gzip source name)
    set(plain ${PROJECT_BINARY_DIR}/dist/${name})
    add_custom_command(OUTPUT ${plain}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${plain}
        COMMAND gzip -9nf ${plain}
        DEPENDS ${source}
        VERBATIM
    )
    add_custom_target(gzip-${name} ALL DEPENDS ${plain}.gz)
endfunction()

quillon_gzip(${PROJECT_SOURCE_DIR}/doc/QuillonU.1 QuillonU.1)
install(FILES ${PROJECT_BINARY_DIR}/dist/QuillonU.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
quillon_gzip(${PROJECT_SOURCE_DIR}/doc/sane-quillon.5 sane-quillon.5)
install(FILES ${PROJECT_BINARY_DIR}/dist/sane-quillon.5.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man5)

set(CPACK_PACKAGE_NAME quillonu)
set(QUILLON_PACKAGE_MAINTAINER "TOVA <support@tova.example>"
    CACHE STRING "Maintainer field of the Debian package")
set(QUILLON_PACKAGE_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
configure_file(${PROJECT_SOURCE_DIR}/dist/deb/changelog.in ${PROJECT_BINARY_DIR}/dist/changelog.in
    @ONLY)
quillon_gzip(${PROJECT_BINARY_DIR}/dist/changelog.in changelog)
install(FILES ${PROJECT_BINARY_DIR}/dist/changelog.gz DESTINATION ${QUILLON_PACKAGE_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/dist/deb/copyright DESTINATION ${QUILLON_PACKAGE_DOCDIR})

# The maintainer scripts: after installing and after removing, udev applies its rules anew to a
# camera that is already plugged in.
set(QUILLON_UDEV_EVENT configure)
configure_file(${PROJECT_SOURCE_DIR}/dist/deb/udev-reload.in ${PROJECT_BINARY_DIR}/dist/postinst
    @ONLY)
set(QUILLON_UDEV_EVENT remove)
configure_file(${PROJECT_SOURCE_DIR}/dist/deb/udev-reload.in ${PROJECT_BINARY_DIR}/dist/postrm
    @ONLY)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_VENDOR TOVA)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${QUILLON_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop companion of the USB document camera")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillon for USB captures a still picture from the USB document camera,\n"
    "shows it with zoom, adjusts sharpness and gamma with a live preview,\n"
    "saves it as BMP, JPEG or PNG, copies and prints it, turns pages into\n"
    "a searchable PDF, and drives the camera (zoom, focus, iris, lamps,\n"
    "rotation, pointer) from a remote-control panel. It can also capture\n"
    "one picture from a script, without a window.\n"
    "\n"
    "Its SANE backend makes the camera a scanner for every SANE frontend\n"
    "on this machine and, through saned, on the network.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${QUILLON_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The SANE backend is loaded by libsane; the program runs without it.
set(CPACK_DEBIAN_PACKAGE_ENHANCES libsane1)
# Without them the program still runs: PDFs lose their text layer (without the orientation pack,
# pages are read both ways up to tell which is right, a little slower), Qt's buttons stay English,
# the recognition languages are listed by their packs' codes rather than their names, and on a
# Wayland desktop the window goes through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "tesseract-ocr-eng, tesseract-ocr-osd, qt6-translations-l10n, iso-codes, qt6-wayland")
# The SANE backend's configuration is the administrator's to change: kept on upgrades.
file(WRITE ${PROJECT_BINARY_DIR}/dist/conffiles
    "${QUILLON_SANE_CONFIG_DIR}/dll.d/quillon\n${QUILLON_SANE_CONFIG_DIR}/quillon.conf\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${PROJECT_BINARY_DIR}/dist/postinst ${PROJECT_BINARY_DIR}/dist/postrm
    ${PROJECT_BINARY_DIR}/dist/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
