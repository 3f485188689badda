// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/application.h"
#include "app/command_line.h"
#include "app/menu_window.h"

#include <QApplication>

#include <optional>

int main(int argc, char* argv[])
{
    app::setUpEnvironment();
    if (const std::optional<int> exitCode = app::handleCommandLine(argc, argv))
        return *exitCode;
    QApplication application(argc, argv);
    app::setUpApplication();

    auto* menu = new app::Menu; // deletes itself when closed
    menu->show();
    return QApplication::exec();
}
