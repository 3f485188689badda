// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/placement.h"

#include <algorithm>

namespace ui {
namespace {

// The start of a span of this length that lies within [first, last], or first where none does.
int fitSpan(int start, int length, int first, int last) { return std::max(first, std::min(start, last + 1 - length)); }

} // namespace

QRect fitInto(QRect frame, const QRect& available)
{
    frame.moveTopLeft({fitSpan(frame.left(), frame.width(), available.left(), available.right()),
        fitSpan(frame.top(), frame.height(), available.top(), available.bottom())});
    return frame;
}

QRect placeBeside(const QRect& owner, const QSize& frame, const QRect& available)
{
    const QRect right(QPoint(owner.right() + 1, owner.top()), frame);
    const QRect left(QPoint(owner.left() - frame.width(), owner.top()), frame);
    for (const QRect& side : {right, left}) {
        if (side.left() >= available.left() && side.right() <= available.right())
            return fitInto(side, available); // only moved up or down
    }
    return fitInto(right, available);
}

MenuAndCalculator placeBesideMenu(
    const QRect& menu, const QRect& calculator, const QRect& keepClear, const QRect& available)
{
    if (available.contains(calculator) && !calculator.intersects(keepClear))
        return {menu, calculator};
    QRect beside = calculator;
    beside.moveTopLeft({menu.right() + 1, menu.top()});
    const QRect pair = menu | beside;
    if (pair.width() <= available.width()) {
        const QPoint shift = fitInto(pair, available).topLeft() - pair.topLeft();
        return {menu.translated(shift), beside.translated(shift)};
    }
    const QRect fittedMenu = fitInto(menu, available);
    const QRect options = keepClear.translated(fittedMenu.topLeft() - menu.topLeft());
    QRect fittedCalculator = fitInto(beside, available);
    if (fittedCalculator.left() <= options.right())
        fittedCalculator.moveLeft(options.right() + 1);
    return {fittedMenu, fittedCalculator};
}

} // namespace ui
