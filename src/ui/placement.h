// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

// Where windows go on a screen: the rectangles are window frames, title bar included, in the
// screen's device-independent pixels.
namespace ui {

// The frame moved the least way that puts it inside the available area. A frame larger than
// the area keeps its top-left corner, and so its title bar, inside it.
QRect fitInto(QRect frame, const QRect& available);

// Where a window with a frame of this size goes beside its owner's frame: right of it, else
// left of it, top edges level; where neither side has room, right of it moved onto the screen.
QRect placeBeside(const QRect& owner, const QSize& frame, const QRect& available);

struct MenuAndCalculator {
    QRect menu;
    QRect calculator;
};

// Where a calculator opens beside the menu. It keeps its own place where that is on the screen
// and clear of the menu's options (keepClear). Otherwise it goes right of the menu, and both
// move until they are on the screen; where the two cannot stand side by side, each is fitted
// alone and the calculator stays right of the options.
MenuAndCalculator placeBesideMenu(
    const QRect& menu, const QRect& calculator, const QRect& keepClear, const QRect& available);

} // namespace ui
