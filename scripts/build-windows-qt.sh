#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 chemeng-calc contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Qt for 64-bit Windows, static, from Debian's own qt6-base source package, with only
# what Widgets and Qt Test need. The result is cached under ${XDG_CACHE_HOME:-~/.cache}, keyed
# by the source version, the configure options and the toolchain, and reused when present
# (a build takes about half an hour on two cores). Prints the install prefix on stdout.
set -euo pipefail
source "$(dirname "$0")/common.sh"

# Debian's host Qt of the same version provides moc, rcc and uic, so none is built here. The
# Qt built records where that host Qt is; QT_HOST_PATH in the environment overrides it, for
# this build and for the program's.
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
host_qt=${QT_HOST_PATH:-/usr}
host_qt_cmake=${QT_HOST_PATH_CMAKE_DIR:-$host_qt/lib/$(gcc -print-multiarch)/cmake}
options=(
    -xplatform win32-g++ -static -static-runtime -release
    -nomake examples -nomake tests
    -no-dbus -no-opengl -no-icu -no-zstd
    -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre -qt-doubleconversion
    -no-feature-sql -no-feature-network -no-feature-concurrent -no-feature-xml
    -no-feature-printsupport -no-feature-vulkan
    -no-feature-tabletevent # Debian's source leaves out the Wintab headers it needs
)
toolchain=cmake/mingw-w64-x86_64.cmake
key=$( (echo "${options[*]}"; cat "$toolchain") | sha256sum | cut -c1-12)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/chemeng-calc
prefix=$cache/qt-$qt_version-win64-static-$key

# Written last, so a build stopped half-way is not taken for a finished one.
done_marker=$prefix/.installed
if [ -f "$done_marker" ]; then
    echo "$prefix"
    exit 0
fi

log() { echo "$@" >&2; }

# Debian's source packages come from a deb-src twin of the archive the machine installs from.
if ! apt-get source --print-uris qt6-base="$qt_version" >/dev/null 2>&1; then
    log "Adding Debian's source archive for qt6-base"
    as_root tee /etc/apt/sources.list.d/chemeng-calc-deb-src.sources >/dev/null <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    as_root apt-get update -q >&2
fi

work=$cache/qt-build-$key
rm -rf "$work" "$prefix"
mkdir -p "$work/download"
(cd "$work/download" && apt-get source --download-only qt6-base="$qt_version" >&2)
mkdir "$work/src"
tar -xf "$work"/download/*.orig.tar.xz -C "$work/src" --strip-components=1
tar -xf "$work"/download/*.debian.tar.xz -C "$work/src"

# Debian's security fixes; the other patches concern Debian's own packaging.
for patch in "$work"/src/debian/patches/cve-*; do
    log "Applying $(basename "$patch")"
    patch -d "$work/src" -p1 --forward --quiet <"$patch"
done

# The installed toolchain names its chain-loaded file by path: keep a copy beside the Qt.
mkdir -p "$prefix"
cp "$toolchain" "$prefix/mingw-w64-x86_64.cmake"

log "Configuring Qt $qt_version for Windows (static) in $work/build"
mkdir "$work/build"
(
    cd "$work/build"
    ../src/configure -prefix "$prefix" "${options[@]}" -qt-host-path "$host_qt" \
        -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-x86_64.cmake" \
        -DQT_HOST_PATH_CMAKE_DIR="$host_qt_cmake" >&2
    nice cmake --build . >&2
)

cmake --install "$work/build" >&2
# The build tree is some 3 GB; only the install is kept.
rm -rf "$work"
touch "$done_marker"
log "Qt for Windows installed in $prefix"
echo "$prefix"
