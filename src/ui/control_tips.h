// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/layout.h"

#include <QWidget>

#include <map>
#include <string>
#include <string_view>

namespace ui {

// The tips and spoken names of a window's described controls. A tip is the description's
// fixed text, a line worked out from the window's current values, and a note about the
// value the control shows now.
class ControlTips {
public:
    explicit ControlTips(const Form& form)
        : form_(form)
    {
    }

    void describe(QWidget* widget, const Description& description);
    // The control's description, or null for one the table does not describe.
    const Description* descriptionOf(const QWidget* widget) const;

    void setNote(QWidget* widget, std::string_view note);
    // The value changed: its note no longer applies.
    void dropNote(QWidget* widget);
    // A field changed: the lines worked out from the current values follow it.
    void refreshLiveLines();

private:
    struct Tip {
        const Description* description;
        std::string note;
    };

    void refresh(QWidget* widget);

    const Form& form_;
    std::map<QWidget*, Tip, std::less<>> tips_;
};

} // namespace ui
