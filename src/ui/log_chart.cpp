// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/log_chart.h"

#include "ui/companion_window.h"
#include "ui/form.h"
#include "ui/qt_conversions.h"
#include "ui/result_log.h"

#include <QAction>

namespace ui {

LogChart::LogChart(Form& form, const ChartLayout& layout)
    : form_(form),
      layout_(layout)
{
    auto* command = new QAction(toQString(layout.command), &form);
    command->setShortcut(kOpenKey); // shown in the menu; the window itself handles the key
    QObject::connect(command, &QAction::triggered, &form, [this] { open(); });
    qobject_cast<ResultLog*>(form.control(layout.log))->addContextAction(command);
}

void LogChart::add(const ChartSeries& series, ChartRun run)
{
    record_.add(series, run);
    if (window_)
        window_->setRecord(record_);
}

void LogChart::clear()
{
    record_ = {};
    if (window_)
        window_->setRecord(record_);
}

void LogChart::open()
{
    if (!window_) {
        window_ = new ConvergenceChart(layout_, &form_);
        makeCompanion(*window_, toQString(layout_.caption));
        window_->resize(560, 400);
        window_->setRecord(record_);
    }
    showBesideOwner(*window_);
}

} // namespace ui
