#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, run and test the program, and any named
# as arguments: only those missing, so running it again costs nothing. Uses sudo when not
# run as root.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-qpa-plugins        # Qt Widgets and Qt Test; xcb and offscreen platforms
    fontconfig
    desktop-file-utils dpkg-dev         # checks the desktop entry; cpack's dependency lookup
    clang libclang-rt-14-dev            # libFuzzer for the fuzz target
    fonts-ipafont-gothic                # Japanese gothic for the windows' Japanese fonts
    fonts-aoyagi-kouzan-t               # brush face for the course title
    fonts-liberation                    # serif metric-compatible with the symbols' font
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
echo "Installing: ${missing[*]}"
as_root apt-get update -q
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
