// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/form.h"

#include <QList>
#include <QMetaType>
#include <QPointer>
#include <QString>

#include <optional>
#include <utility>

// Windows driven as a user drives them, for the tests, the screenshots and the benchmark.
namespace automation {

// Replaces a text box's text the way a user does: select all, delete, then type; characters
// beyond ASCII arrive as an input method commits them.
void typeInto(const ui::Form& form, ui::ControlName textBox, const QString& text);

// A left click in the middle of a button or option button.
void click(const ui::Form& form, ui::ControlName button);

// One step of a user: {kDiameter, "30"} types 30 into the diameter, {kCompute} clicks.
struct Action {
    ui::ControlName control;
    std::optional<QString> typed;

    Action(ui::ControlName button)
        : control(button)
    {
    }
    Action(ui::ControlName textBox, QString text)
        : control(textBox),
          typed(std::move(text))
    {
    }
};
using Actions = QList<Action>;

void act(const ui::Form& form, const Actions& actions);

// Owns a window that deletes itself when closed: deletes it at the end of the scope unless
// it is gone already, where a unique_ptr would delete it a second time.
template <class Window> class Owned {
public:
    explicit Owned(Window* window)
        : window_(window)
    {
    }
    Owned(Owned&& other) noexcept
        : window_(std::exchange(other.window_, nullptr))
    {
    }
    Owned& operator=(Owned&&) = delete;
    ~Owned() { delete window_.data(); }

    Window* get() const { return window_; }
    Window* operator->() const { return window_; }
    Window& operator*() const { return *window_; }

private:
    QPointer<Window> window_;
};

} // namespace automation

Q_DECLARE_METATYPE(automation::Actions)
Q_DECLARE_METATYPE(ui::ControlName)
