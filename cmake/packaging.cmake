# SPDX-FileCopyrightText: 2026 chemeng-calc contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# `cpack` in the build folder packages the program, with the project's version: on Linux a
# Debian package (packaging/debian), on Windows an installer and a zip (packaging/windows).
set(CPACK_PACKAGE_NAME chemeng-calc)
set(CPACK_PACKAGE_VENDOR "${CHEMENG_VENDOR}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "particle-technology calculators for a chemical-engineering course")
set(CPACK_PACKAGE_DESCRIPTION "A menu window that opens three calculators for an introductory
chemical-engineering course (化学工学概論): the settling velocity of a particle
by Stokes' law, the mean Feret diameter of a rectangle by Monte Carlo, and the
division of a sphere. The windows are in Japanese.")
set(CPACK_STRIP_FILES ON)

if(WIN32)
    include(packaging/windows/packaging.cmake)
else()
    include(packaging/debian/packaging.cmake)
endif()
include(CPack)
