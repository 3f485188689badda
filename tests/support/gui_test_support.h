// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/form.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <utility>

namespace testing {

// Dismisses every message box the moment it is shown and records it, so a test can check
// for the message it expects, and a box nobody expected fails the test instead of hanging it.
class MessageBoxWatcher : public QObject {
public:
    struct Box {
        QString title;
        QString text;
        bool hasIcon = false;
        QStringList buttons;
    };

    MessageBoxWatcher();

    // The boxes shown since the last call.
    QList<Box> take();
    QStringList takeTexts();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<Box> seen_;
};

// Replaces a text box's text the way a user does: select all, delete, then type; characters
// beyond ASCII arrive as an input method commits them.
void typeInto(const ui::Form& form, ui::ControlName textBox, const QString& text);

// A left click in the middle of a button or option button.
void click(const ui::Form& form, ui::ControlName button);

// Drives a window through a list of actions: "Text1=30" types 30 into Text1, "Command1"
// clicks Command1.
void act(const ui::Form& form, const QStringList& actions);

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

} // namespace testing
