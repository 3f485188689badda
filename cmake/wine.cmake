# SPDX-FileCopyrightText: 2026 chemeng-calc contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the Windows build's tests on this Linux machine: ctest starts each test program under
# Wine, through a wrapper set as the cross-compiling emulator, in a Wine prefix of the build's
# own.
find_program(WINE wine REQUIRED)
set(wine_dir ${PROJECT_BINARY_DIR}/wine)

# Qt's offscreen platform on Windows reads its fonts from one folder, not from the system:
# give it the faces the windows are drawn in on Linux, so that captions measure the same.
# A second folder has only the Latin ones: a Windows with no Japanese face at all, where only
# the faces the program carries draw kanji.
set(CHEMENG_WINE_LATIN_FONTS ${wine_dir}/latin-fonts)
file(MAKE_DIRECTORY ${wine_dir}/fonts ${CHEMENG_WINE_LATIN_FONTS})
file(GLOB fonts
    /usr/share/fonts/opentype/ipafont-gothic/*.ttf
    /usr/share/fonts/truetype/aoyagi-kouzan-t/*.ttf
    /usr/share/fonts/truetype/liberation*/LiberationSerif-*.ttf
    /usr/share/fonts/truetype/dejavu/DejaVuSans*.ttf)
foreach(font ${fonts})
    get_filename_component(name ${font} NAME)
    file(CREATE_LINK ${font} ${wine_dir}/fonts/${name} SYMBOLIC)
    if(name MATCHES "^(DejaVu|Liberation)")
        file(CREATE_LINK ${font} ${CHEMENG_WINE_LATIN_FONTS}/${name} SYMBOLIC)
    endif()
endforeach()

configure_file(cmake/wine-run.sh.in ${wine_dir}/run @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${wine_dir}/run)
