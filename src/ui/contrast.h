// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPalette>

namespace ui {

// The WCAG 2 contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double contrastRatio(const QColor& first, const QColor& second);

// The colours of text, selection and selected text that stay readable (4.5:1 at least) on a
// background the layout fixes, whatever the system's palette: a light theme's black text on
// a table's light grey is readable, a dark theme's near-white text is not.
// backgroundRole is Base for a text area, Window for any other control.
QPalette readableOn(QPalette palette, QPalette::ColorRole backgroundRole, const QColor& background);

} // namespace ui
