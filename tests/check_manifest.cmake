# SPDX-FileCopyrightText: 2026 chemeng-calc contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Reads the application manifest out of PROGRAM with WRESTOOL (icoutils) and checks that it
# says what Windows must know before the program starts.
# Usage: cmake -DWRESTOOL=... -DPROGRAM=... -P check_manifest.cmake
execute_process(COMMAND ${WRESTOOL} --extract --raw --type=24 ${PROGRAM}
    RESULT_VARIABLE exit_code OUTPUT_VARIABLE manifest ERROR_VARIABLE err)
if(NOT exit_code EQUAL 0 OR manifest STREQUAL "")
    message(FATAL_ERROR "${PROGRAM} has no manifest: ${err}")
endif()
foreach(expected
        "<dpiAwareness[^>]*>PerMonitorV2</dpiAwareness>"
        "<activeCodePage[^>]*>UTF-8</activeCodePage>"
        "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>" # Windows 10 and 11
        "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""
        "<requestedExecutionLevel level=\"asInvoker\"")
    if(NOT manifest MATCHES "${expected}")
        message(FATAL_ERROR "The manifest does not say ${expected}:\n${manifest}")
    endif()
endforeach()
