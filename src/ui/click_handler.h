// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/form.h"
#include "ui/layout.h"

#include <span>

namespace ui {

// A button of a window's table and what clicking it does. A handler that yields to the
// window system can be started again while it runs, each run inside the yield of the one
// before. mostRuns bounds how deep they nest: while that many runs are under way the button
// is disabled, so clicks and Enter in the fields do nothing until one of them ends.
// 0 for a handler that does not yield.
struct ClickHandler {
    ControlName button;
    void (*run)(Form& form);
    int mostRuns = 0;
};

// A new window with the initial texts of its table and each handler connected to its button.
Form* createForm(const FormLayout& layout, std::span<const ClickHandler> handlers);

} // namespace ui
