// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <QSize>

#include <vector>

namespace ui {

// A label whose caption is wider than its box with the installed fonts grows into a strip
// beside it that stays inside the window and covers no other control: away from the side
// its text is aligned to if it can, else towards it.
void widenToFit(QLabel* label, const std::vector<QWidget*>& all, QSize client);

} // namespace ui
