#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 chemeng-calc contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages needed to build, run and test the program, and any named
# as arguments: only those missing, so running it again costs nothing. Uses sudo when not
# run as root.
set -euo pipefail
source "$(dirname "$0")/common.sh"

packages=(
    cmake g++ make pkg-config
    librsvg2-bin                        # draws the help pages' SVG figures as pictures
    qt6-base-dev qt6-qpa-plugins        # Qt Widgets and Qt Test; xcb and offscreen platforms
    qt6-translations-l10n               # Qt's own texts (context menus, buttons) in Japanese
    fontconfig
    git clang-format reuse              # the sources' formatting and licence checks
    desktop-file-utils appstream        # check the desktop entry and the metainfo
    dpkg-dev lintian                    # cpack's dependency lookup; checks the Debian package
    clang libclang-rt-14-dev            # libFuzzer for the fuzz target
    fonts-ipafont-gothic                # Japanese gothic for the windows' Japanese fonts
    fonts-aoyagi-kouzan-t               # brush face for the course title
    fonts-liberation                    # serif metric-compatible with the symbols' font
    fonts-dejavu-core                   # a wide interface font, to test captions against
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root apt-get update -q
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
