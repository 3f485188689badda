// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdio>

namespace app {

// Writes text for the person who typed the command, on standard output or standard error.
// A Windows program without a console of its own first borrows the console it was started
// from, and writes Unicode to it so that Japanese reads right whatever the code page.
void printToConsole(std::FILE* stream, const QString& text);

} // namespace app
