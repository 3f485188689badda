# `cpack -G DEB` in the build folder makes a package that apt installs with everything the
# program needs at run time: the Qt libraries found by dpkg-shlibdeps, the platform plugins
# that are not linked, and the fonts the windows are drawn in.
set(CPACK_PACKAGE_NAME chemeng-calc)
set(CPACK_PACKAGE_VENDOR "化学工学概論")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Particle-technology calculators for an introductory chemical-engineering course")
set(CPACK_PACKAGE_DESCRIPTION "A menu window that opens three calculators: the settling velocity of a particle by
Stokes' law, the mean Feret diameter of a rectangle by Monte Carlo, and the division of a sphere.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "chemeng-calc maintainers <chemeng-calc@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-ipafont-gothic, fonts-aoyagi-kouzan-t, fonts-liberation, fontconfig")

include(CPack)
