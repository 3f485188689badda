#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 chemeng-calc contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, then checks the sources (formatting, licence headers), builds and
# runs every test twice, in a plain build with warnings as errors and under AddressSanitizer
# and UndefinedBehaviorSanitizer, builds the Debian package and has lintian check it, fuzzes
# the text-number conversions for FUZZ_SECONDS (60), and then builds the Windows program and
# runs every test again under Wine (build-windows.sh; SKIP_WINDOWS=1 leaves it out). Builds
# use CMakePresets.json. Tests run on Qt's offscreen platform: no display is needed.
set -euo pipefail
source "$(dirname "$0")/common.sh"

scripts/install-deps.sh

echo "== Formatting (clang-format) and licensing (reuse)"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
reuse lint

echo "== Tests, warnings as errors"
cmake --workflow --preset test

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --workflow --preset sanitize

echo "== Debian package, checked by lintian"
rm -f build-release/*.deb
cmake --workflow --preset package
lintian --fail-on error,warning --display-info build-release/*.deb

echo "== Fuzzing the text-number conversions for FUZZ_SECONDS (60)"
cmake --workflow --preset fuzz

if [ "${SKIP_WINDOWS:-0}" != 1 ]; then
    echo "== Windows: cross-built, every test under Wine, the installer and the zip in dist/"
    # The first run builds Qt for Windows (some 30 minutes); later runs take it from the cache.
    scripts/build-windows.sh
fi
