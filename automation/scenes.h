// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/form.h"

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

namespace automation {

// One picture for the README: the windows of a scene as they sit on the screen, drawn by
// their real code, with example values typed in and calculated.
struct Shot {
    QString fileName; // "settling-velocity.png"
    QImage image;
    std::vector<const ui::Form*> windows;   // alive while the shot is handed over
    std::vector<const QWidget*> companions; // windows of theirs drawn beside them, such as a chart
};

// Builds each scene in turn and hands over its shot. Needs a QApplication set up as the
// program's own.
void renderEach(const std::function<void(const Shot&)>& take);

} // namespace automation
