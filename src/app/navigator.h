// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/form.h"

#include <QPointer>
#include <QRect>

#include <array>

namespace app {

enum class Calculator { SettlingVelocity, FeretDiameter, SphereDivision };

// Opens and closes the calculator windows; each exists at most once. Remembers nothing
// but which windows are open.
class Navigator {
public:
    // The calculators open beside the menu and never over keepClear, the part of the menu's
    // client area with its options.
    Navigator(QWidget& menu, const QRect& keepClear);

    // Creates the window with its initial texts if it is not open, else brings it forward,
    // restored if the window system had minimised it.
    void show(Calculator calculator);
    // Closes and discards the window with all its contents, if it is open.
    void close(Calculator calculator);
    // The open window of that calculator, or null.
    ui::Form* window(Calculator calculator) const;

private:
    void place(ui::Form& calculator);

    QWidget& menu_;
    QRect keepClear_;
    std::array<QPointer<ui::Form>, 3> windows_;
};

// Closes every window at once and ends the program.
void end();

} // namespace app
