# SPDX-FileCopyrightText: 2026 chemeng-calc contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows icon, drawn from the same SVG as the Linux one at the sizes Explorer, the Start
# menu and the taskbar ask for; the large size kept as PNG inside the .ico, as Windows allows.
# Without the tools (rsvg-convert, icotool), as on a Windows machine, the .exe has no icon.
find_program(RSVG_CONVERT rsvg-convert)
find_program(ICOTOOL icotool)
if(RSVG_CONVERT AND ICOTOOL)
    set(CHEMENG_WINDOWS_ICON ${PROJECT_BINARY_DIR}/windows/chemeng-calc.ico)
else()
    message(STATUS "rsvg-convert or icotool not found: the program gets no icon")
endif()

function(add_windows_icon svg)
    if(NOT CHEMENG_WINDOWS_ICON)
        return()
    endif()
    set(dir ${PROJECT_BINARY_DIR}/windows)
    set(commands "")
    set(small_pngs "")
    foreach(size 16 20 24 32 40 48 64 256)
        set(png ${dir}/icon-${size}.png)
        list(APPEND commands COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${svg})
        if(size LESS 256)
            list(APPEND small_pngs ${png})
        endif()
    endforeach()
    add_custom_command(OUTPUT ${CHEMENG_WINDOWS_ICON}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dir} ${commands}
        COMMAND ${ICOTOOL} -c -o ${CHEMENG_WINDOWS_ICON} ${small_pngs} -r ${dir}/icon-256.png
        DEPENDS ${svg} VERBATIM)
    add_custom_target(windows_icon DEPENDS ${CHEMENG_WINDOWS_ICON})
endfunction()

# Gives a program the icon, a version resource with its name, version and description, and its
# application manifest.
function(add_windows_resources target)
    set(icon_resource "")
    if(CHEMENG_WINDOWS_ICON)
        set(icon_resource "IDI_ICON1 ICON \"${CHEMENG_WINDOWS_ICON}\"")
    endif()
    set(manifest ${PROJECT_BINARY_DIR}/windows/${target}.manifest)
    configure_file(${PROJECT_SOURCE_DIR}/data/windows/chemeng-calc.manifest.in ${manifest} @ONLY)
    set(rc ${PROJECT_BINARY_DIR}/windows/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/data/windows/chemeng-calc.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
    set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS ${manifest})
    if(CHEMENG_WINDOWS_ICON)
        set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS ${CHEMENG_WINDOWS_ICON})
        add_dependencies(${target} windows_icon)
    endif()
endfunction()
