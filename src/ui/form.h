// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/layout.h"

#include <QWidget>

#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>

namespace ui {

// A top-level window built from its layout table. Click handlers reach its controls by
// name and use only the operations below. Closing the window deletes it.
class Form : public QWidget {
    Q_OBJECT

public:
    explicit Form(const FormLayout& layout);

    std::string text(ControlName textBox) const;
    void setText(ControlName textBox, std::string_view text);
    void setCaption(ControlName label, std::string_view caption);

    // The log's whole text, every line ended by "\r\n".
    std::string logText(ControlName log) const;
    // Replaces the log's whole text and scrolls its end into view. When the new text only
    // extends the old, just the extension is added, so a long log costs no more than a short one.
    void setLogText(ControlName log, std::string_view text);

    // A line added to the control's tip about the value it shows now, such as how far that
    // value can be trusted. Writing the control again, or the user editing it, drops it.
    void setNote(ControlName control, std::string_view note);

    // A modal box with the message, one OK button, no icon and the application's name as
    // title; returns once it is dismissed.
    void showMessage(std::string_view message);

    // Lets the window system process pending events. Returns false once this window has
    // been closed meanwhile: the caller must then return without touching it again.
    bool yieldToEvents();

    void onClick(ControlName button, std::function<void()> handler);

    // For the menu and for tests: the widget standing for a control of the table.
    QWidget* control(ControlName name) const;

    bool isClosed() const { return closed_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // A described control's tip: its fixed text, a line from the current values, a note.
    struct Tip {
        const Description* description;
        std::string note;
    };

    template <class Widget> Widget* find(ControlName name) const;
    void describe(const Description& description);
    void refreshTip(QWidget* widget);
    void refreshLiveTips();
    void dropNote(QWidget* widget);

    std::map<std::string, QWidget*, std::less<>> controls_;
    std::map<QWidget*, Tip> tips_;
    // The logs' texts as handlers see them, so reading one does not walk its whole document.
    std::map<QWidget*, std::string> logs_;
    bool closed_ = false;
};

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
