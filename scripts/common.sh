# SPDX-FileCopyrightText: 2026 chemeng-calc contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# What the scripts here share; sourced by each, not run. Moves to the project's root.
# shellcheck shell=bash

cd "$(dirname "${BASH_SOURCE[0]}")/.."

# Builds use every core unless the caller says otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}

# Runs a command as root: directly when root already, else through sudo.
as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
