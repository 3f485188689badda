# SPDX-FileCopyrightText: 2026 chemeng-calc contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# `cpack` makes a 64-bit Unicode NSIS installer and a zip to run from anywhere, a USB stick
# included. Both hold the one .exe, which needs no DLL, and the licences.
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_SYSTEM_NAME win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY ${CPACK_PACKAGE_NAME})
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY ${CPACK_PACKAGE_NAME})
set(CPACK_NSIS_DISPLAY_NAME "${CHEMENG_DISPLAY_NAME}")
set(CPACK_NSIS_PACKAGE_NAME "${CHEMENG_DISPLAY_NAME}")
if(CHEMENG_WINDOWS_ICON)
    set(CPACK_NSIS_MUI_ICON ${CHEMENG_WINDOWS_ICON})
    set(CPACK_NSIS_MUI_UNIICON ${CHEMENG_WINDOWS_ICON})
endif()
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
# The installer's script is this folder's NSIS.template.in, not CPack's, which asks every
# user for an administrator's password: a student installs for themself, an administrator
# for everyone or for themself.
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})

# The program's licence, and those of what the .exe carries inside (Qt, the compiler's
# run-time libraries, the two faces): the IPA Font License asks to travel with the font.
install(FILES LICENSES/GPL-3.0-or-later.txt DESTINATION . RENAME COPYING.txt)
install(FILES packaging/windows/THIRD-PARTY-NOTICES.txt DESTINATION .)
if(EXISTS /usr/share/common-licenses/LGPL-3)
    install(FILES /usr/share/common-licenses/LGPL-3 DESTINATION . RENAME LGPL-3.0.txt)
endif()
if(CHEMENG_GOTHIC_FONT)
    install(FILES /usr/share/doc/fonts-ipafont-gothic/copyright DESTINATION . RENAME IPA-Font-License.txt)
endif()
