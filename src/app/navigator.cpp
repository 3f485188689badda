// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/navigator.h"

#include "ui/placement.h"

#include <QApplication>
#include <QScreen>

#include <algorithm>

namespace app {
namespace {

std::size_t indexOf(const Calculator& calculator) { return static_cast<std::size_t>(&calculator - kCalculators); }

} // namespace

const Calculator& calculatorWith(const ui::FormLayout& window)
{
    const auto* row = std::find_if(std::begin(kCalculators), std::end(kCalculators),
        [&window](const Calculator& calculator) { return calculator.window == &window; });
    if (row == std::end(kCalculators))
        qFatal("%s is no calculator's window", std::string(window.name).c_str());
    return *row;
}

Navigator::Navigator(QWidget& menu, const QRect& keepClear)
    : menu_(menu),
      keepClear_(keepClear)
{
}

ui::Form* Navigator::window(const ui::FormLayout& table) const
{
    ui::Form* form = windows_[indexOf(calculatorWith(table))];
    // A closed window lingers until Qt deletes it; it is no longer open.
    return form && !form->isClosed() ? form : nullptr;
}

void Navigator::open(const Calculator& chosen)
{
    if (chosen.opening == Opening::CloseOthersFirst)
        closeAllBut(chosen);
    show(chosen);
    if (chosen.opening == Opening::ShowFirst)
        closeAllBut(chosen);
}

void Navigator::show(const Calculator& calculator)
{
    if (ui::Form* open = window(*calculator.window)) {
        if (open->isMinimized())
            open->showNormal();
        open->raise();
        open->activateWindow();
        return;
    }
    ui::Form* form = calculator.create();
    windows_[indexOf(calculator)] = form;
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

void Navigator::closeAllBut(const Calculator& chosen)
{
    for (const Calculator& other : kCalculators) {
        ui::Form* open = window(*other.window);
        if (&other != &chosen && open)
            open->close();
    }
}

void end()
{
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

} // namespace app
