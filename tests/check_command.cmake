# SPDX-FileCopyrightText: 2026 chemeng-calc contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs PROGRAM with ARGUMENTS (a ;-list), through EMULATOR if one is given, and checks its
# exit code, its standard output and its standard error against EXIT_CODE, STDOUT and STDERR
# (regular expressions). Windows line ends count as Linux ones.
# Usage: cmake -DPROGRAM=... -DARGUMENTS=... -DEXIT_CODE=... -DSTDOUT=... -DSTDERR=... -P check_command.cmake
execute_process(COMMAND ${EMULATOR} ${PROGRAM} ${ARGUMENTS}
    RESULT_VARIABLE exit_code OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
string(REPLACE "\r\n" "\n" out "${out}")
string(REPLACE "\r\n" "\n" err "${err}")
set(failures "")
if(NOT exit_code STREQUAL EXIT_CODE)
    string(APPEND failures "exit code ${exit_code}, expected ${EXIT_CODE}\n")
endif()
if(NOT out MATCHES "${STDOUT}")
    string(APPEND failures "standard output does not match ${STDOUT}\n")
endif()
if(NOT err MATCHES "${STDERR}")
    string(APPEND failures "standard error does not match ${STDERR}\n")
endif()
if(failures)
    message(FATAL_ERROR "${PROGRAM} ${ARGUMENTS}:\n${failures}--- stdout:\n${out}--- stderr:\n${err}")
endif()
