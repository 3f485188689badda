// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/navigator.h"

#include "calc/feret/feret_window.h"
#include "calc/settling/settling_window.h"
#include "calc/sphere/sphere_window.h"

#include <QApplication>

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

ui::Form* Navigator::window(Calculator calculator) const
{
    ui::Form* form = windows_[static_cast<std::size_t>(calculator)];
    // A closed window lingers until Qt deletes it; it is no longer open.
    return form && !form->isClosed() ? form : nullptr;
}

void Navigator::show(Calculator calculator)
{
    if (ui::Form* open = window(calculator)) {
        open->raise();
        open->activateWindow();
        return;
    }
    ui::Form* form = create(calculator);
    windows_[static_cast<std::size_t>(calculator)] = form;
    form->show();
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
