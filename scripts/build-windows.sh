#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 chemeng-calc contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Windows program on this Debian machine and tests it under Wine: installs what is
# missing, builds a static Qt for Windows from Debian's source once (cached, see
# build-windows-qt.sh), cross-builds the program in Release with MinGW-w64, runs every test
# suite under Wine, and writes the installer and the zip, named with the version, to dist/.
set -euo pipefail
source "$(dirname "$0")/common.sh"

windows_packages=(
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix   # the posix thread model, as Qt needs
    binutils-mingw-w64-x86-64 mingw-w64-tools ninja-build
    patch                                                   # applies Debian's fixes to Qt
    librsvg2-bin icoutils                                   # the .exe's icon, from the SVG
    wine wine64                                             # runs the tests
    nsis zip                                                # the installer and the zip
)
scripts/install-deps.sh "${windows_packages[@]}"

echo "== Qt for Windows, static (built once, then taken from the cache)"
CHEMENG_WINDOWS_QT=$(scripts/build-windows-qt.sh)
export CHEMENG_WINDOWS_QT
echo "$CHEMENG_WINDOWS_QT"

echo "== Windows program: build, tests under Wine, installer and zip"
# Wine's server outlives the tests unless stopped.
trap 'WINEPREFIX="$PWD/build-windows/wine/prefix" wineserver -k 2>/dev/null || true' EXIT
rm -f build-windows/*-win64.exe build-windows/*-win64.zip
cmake --workflow --preset windows

mkdir -p dist
rm -f dist/*-win64.exe dist/*-win64.zip
cp build-windows/*-win64.exe build-windows/*-win64.zip dist/
ls -l dist/
