// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTextBrowser>

#include <string_view>

namespace ui {

// A window's help page, in a window of its own beside it: read-only, selectable and copyable
// with the mouse or the keyboard, its links followed within the program's pages.
class HelpWindow : public QTextBrowser {
    Q_OBJECT

public:
    HelpWindow(std::string_view page, QWidget* owner);
};

// Shows owner's page in the one help window there is: one shown for another window closes.
void showHelp(QWidget& owner, std::string_view page);

} // namespace ui
