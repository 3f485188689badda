// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/calculators.h"
#include "ui/form.h"

#include <QPointer>
#include <QRect>

#include <array>
#include <iterator>

namespace app {

// Opens and closes the calculator windows; each exists at most once. Remembers nothing
// but which windows are open.
class Navigator {
public:
    // The calculators open beside the menu and never over keepClear, the part of the menu's
    // client area with its options.
    Navigator(QWidget& menu, const QRect& keepClear);

    // Leaves the chosen calculator the only one open: shows it, created with its initial
    // texts if it is not open, else brought forward and restored if the window system had
    // minimised it; closes the others, discarding their contents, before or after as its
    // row says.
    void open(const Calculator& chosen);
    // The open window of the calculator with that table, or null.
    ui::Form* window(const ui::FormLayout& table) const;

private:
    void show(const Calculator& calculator);
    void closeAllBut(const Calculator& chosen);
    void place(ui::Form& calculator);

    QWidget& menu_;
    QRect keepClear_;
    std::array<QPointer<ui::Form>, std::size(kCalculators)> windows_; // in the order of kCalculators
};

// Closes every window at once and ends the program.
void end();

} // namespace app
