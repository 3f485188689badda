# SPDX-FileCopyrightText: 2026 chemeng-calc contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Compresses a generated file as Debian's tools expect (best, no name or time stamp inside),
# as part of the default build: add_gzipped(<target> <file>) makes <file>.gz beside it.
function(add_gzipped target file)
    add_custom_command(OUTPUT ${file}.gz
        COMMAND gzip -9n -c ${file} > ${file}.gz
        DEPENDS ${file})
    add_custom_target(${target} ALL DEPENDS ${file}.gz)
endfunction()
