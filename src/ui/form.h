// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/control_tips.h"
#include "ui/layout.h"
#include "ui/log_chart.h"

#include <QWidget>

#include <functional>
#include <map>
#include <memory>
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

    // Adds one line at the log's end and scrolls it into view.
    void appendLine(ControlName log, std::string_view line);
    // The log's lines, each ended by "\r\n".
    std::string logText(ControlName log) const;

    // Empties a text box, a label or a log, and the log's chart.
    void clear(ControlName control);

    // Adds a run to the chart of the log the table names; a run of another series starts
    // the chart afresh.
    void plot(ControlName log, const ChartSeries& series, ChartRun run);

    // What a handler does when it cannot calculate: empties the results it would have
    // written, so that no old result stands beside new inputs, and shows the message.
    void refuse(std::string_view message, std::span<const ControlName> results = {});

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
    // What the table says the control means; a control it does not describe is a mistake.
    const Description& description(ControlName name) const;

    bool isClosed() const { return closed_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    template <class Widget> Widget* find(ControlName name) const;
    void describe(const Description& description);

    std::map<std::string, QWidget*, std::less<>> controls_;
    ControlTips tips_{*this};
    std::unique_ptr<LogChart> chart_;
    std::string_view helpPage_;
    bool closed_ = false;
};

} // namespace ui
