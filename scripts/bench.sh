#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 chemeng-calc contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the benchmark in release mode and runs it on a virtual X
# display (Xvfb), as the program runs on a real one. Prints the README's table of figures.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh xvfb xauth
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON
cmake --build build-bench --parallel --target chemeng-bench
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | xargs)"
xvfb-run -a -s "-screen 0 1280x1024x24" build-bench/bench/chemeng-bench
