// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/layout.h"

#include <QFont>

namespace ui {

// Maps the Windows font names the layouts use to installed look-alikes where the real
// ones are missing (on Linux, and on Windows without the Japanese or office fonts), loads
// the faces the program carries, and has Qt's own widgets fall back to a Japanese gothic.
// Call once, after the QApplication exists.
void installFontSubstitutes();

QFont toQFont(const Font& font);

} // namespace ui
