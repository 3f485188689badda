// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/click_handler.h"

#include <QAbstractButton>
#include <QPointer>

namespace ui {

Form* createForm(const FormLayout& layout, std::span<const ClickHandler> handlers)
{
    auto* form = new Form(layout);
    for (const ClickHandler& handler : handlers) {
        if (handler.mostRuns == 0) {
            form->onClick(handler.button, [form, run = handler.run] { run(*form); });
            continue;
        }
        const QPointer button = qobject_cast<QAbstractButton*>(form->control(handler.button));
        form->onClick(handler.button, [form, button, handler, running = 0]() mutable {
            button->setEnabled(++running < handler.mostRuns);
            handler.run(*form);
            if (button) // else the window was closed during the run
                button->setEnabled(--running < handler.mostRuns);
        });
    }
    return form;
}

} // namespace ui
