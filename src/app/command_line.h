// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

namespace app {

// Reads the command line before any window exists, so that --version, --help and a mistyped
// option are answered without a display. Returns the exit code when the program is to stop
// there, or nothing when it is to start.
std::optional<int> handleCommandLine(int& argc, char* argv[]);

} // namespace app
