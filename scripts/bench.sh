#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 chemeng-calc contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the benchmark in release mode and runs it on a virtual X
# display (Xvfb), as the program runs on a real one. Prints the table of docs/performance.md.
set -euo pipefail
source "$(dirname "$0")/common.sh"

scripts/install-deps.sh xvfb xauth
cmake --preset bench
cmake --build --preset bench
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | xargs)"
xvfb-run -a -s "-screen 0 1280x1024x24" build-bench/bench/chemeng-bench
