// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/convergence_chart.h"
#include "ui/layout.h"

#include <QKeyCombination>
#include <QPointer>

namespace ui {

class Form;

// The runs a window's log records, kept for its chart, and the chart window while it is open.
// The chart opens from the log's context menu and with Ctrl+G anywhere in the window.
class LogChart {
public:
    static constexpr QKeyCombination kOpenKey{Qt::CTRL | Qt::Key_G};

    LogChart(Form& form, const ChartLayout& layout);

    bool follows(ControlName log) const { return layout_.log.objectName() == log.objectName(); }

    void add(const ChartSeries& series, ChartRun run);
    void clear();
    void open();

private:
    Form& form_;
    const ChartLayout& layout_;
    ChartRecord record_;
    QPointer<ConvergenceChart> window_;
};

} // namespace ui
