# SPDX-FileCopyrightText: 2026 chemeng-calc contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# `cpack -G DEB` makes a package that apt installs with everything the program needs at run
# time: the Qt libraries found by dpkg-shlibdeps, the platform plugins that are not linked,
# and the fonts the windows are drawn in.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)


# The project has no mailing list or web page of its own yet: the address is the one its
# commits carry, and there is no Homepage field.
set(CHEMENG_PACKAGE_MAINTAINER "chemeng-calc contributors <maintainers@users.noreply.c-seed-6a427c18.example>"
    CACHE STRING "The Maintainer field of the Debian package")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CHEMENG_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The Qt libraries bring fontconfig; the plugins, translations and fonts are not linked, so
# nothing else finds them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-ipafont-gothic, fonts-aoyagi-kouzan-t, fonts-liberation")

# What Debian asks of every package besides the program: its licence and its history. The
# package is native (its version has no Debian revision), so its history is changelog.gz.
set(debian_doc ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
configure_file(packaging/debian/changelog.in packaging/debian/changelog @ONLY)
add_gzipped(debian_changelog ${PROJECT_BINARY_DIR}/packaging/debian/changelog)
install(FILES packaging/debian/copyright DESTINATION ${debian_doc})
install(FILES ${PROJECT_BINARY_DIR}/packaging/debian/changelog.gz DESTINATION ${debian_doc})

