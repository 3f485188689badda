// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/navigator.h"

#include "calc/feret/feret_window.h"
#include "calc/settling/settling_window.h"
#include "calc/sphere/sphere_window.h"

#include "ui/placement.h"

#include <QApplication>
#include <QScreen>

namespace app {
namespace {

ui::Form* create(Calculator calculator)
{
    switch (calculator) {
    case Calculator::SettlingVelocity: return settling::createForm3();
    case Calculator::FeretDiameter: return feret::createForm1();
    case Calculator::SphereDivision: return sphere::createForm4();
    }
    Q_UNREACHABLE();
    return nullptr;
}

} // namespace

Navigator::Navigator(QWidget& menu, const QRect& keepClear)
    : menu_(menu),
      keepClear_(keepClear)
{
}

ui::Form* Navigator::window(Calculator calculator) const
{
    ui::Form* form = windows_[static_cast<std::size_t>(calculator)];
    // A closed window lingers until Qt deletes it; it is no longer open.
    return form && !form->isClosed() ? form : nullptr;
}

void Navigator::show(Calculator calculator)
{
    if (ui::Form* open = window(calculator)) {
        if (open->isMinimized())
            open->showNormal();
        open->raise();
        open->activateWindow();
        return;
    }
    ui::Form* form = create(calculator);
    windows_[static_cast<std::size_t>(calculator)] = form;
    place(*form);
    form->show();
}

// The table's place where it is on the screen; on a small or scaled screen, wherever both
// windows are seen best.
void Navigator::place(ui::Form& calculator)
{
    // Every window has the same decoration: the menu's tells how large the calculator's frame
    // will be before the window system has drawn it.
    const QRect menuFrame = menu_.frameGeometry();
    const QMargins frame(menu_.geometry().left() - menuFrame.left(), menu_.geometry().top() - menuFrame.top(),
        menuFrame.right() - menu_.geometry().right(), menuFrame.bottom() - menu_.geometry().bottom());
    const QRect calculatorFrame = calculator.geometry().marginsAdded(frame);
    const ui::MenuAndCalculator placed = ui::placeBesideMenu(menuFrame, calculatorFrame,
        keepClear_.translated(menu_.mapToGlobal(QPoint(0, 0))), menu_.screen()->availableGeometry());
    if (placed.calculator != calculatorFrame)
        calculator.move(placed.calculator.topLeft());
    // The menu is shown: moved by the same step as its frame, with no guess at its margins,
    // which some window systems report otherwise than they draw (Wine at 200 %).
    if (placed.menu != menuFrame)
        menu_.setGeometry(menu_.geometry().translated(placed.menu.topLeft() - menuFrame.topLeft()));
}

void Navigator::close(Calculator calculator)
{
    if (ui::Form* open = window(calculator))
        open->close();
}

void end()
{
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

} // namespace app
