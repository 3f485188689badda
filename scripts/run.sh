#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 chemeng-calc contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the program and starts it.
set -euo pipefail
source "$(dirname "$0")/common.sh"

scripts/install-deps.sh
cmake --preset release
cmake --build --preset release
exec build-release/src/app/chemeng-calc "$@"
