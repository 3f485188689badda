// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/layout.h"

#include <QWidget>

namespace ui {

// The Qt widget for a row of a layout table, with its caption, font, colours and rectangle.
// A label that shows a result can elide its value and be copied whole; other labels are
// captions.
QWidget* createControl(const Control& control, bool showsResult, QWidget* parent);

} // namespace ui
