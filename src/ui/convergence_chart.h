// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/layout.h"

#include <QWidget>

#include <string>
#include <vector>

namespace ui {

// Runs of the same inputs: what they estimate and how far one trial strays.
struct ChartSeries {
    std::string heading; // the inputs, such as "a = 5, b = 2"
    double exact = 0;    // the value the runs estimate
    double sigma = 0;    // the standard deviation of one trial

    bool operator==(const ChartSeries& other) const;
};

struct ChartRun {
    double count;
    double mean;
};

// The runs since the log was last emptied or the inputs last changed.
struct ChartRecord {
    ChartSeries series;
    std::vector<ChartRun> runs;

    // Other inputs start the record afresh.
    void add(const ChartSeries& of, ChartRun run);
};

// Each run as a dot at its count (logarithmic) and mean, the exact value as a line, and the
// band exact +- 2 sigma/sqrt(count) as a hatched funnel. Told apart by shape and fill, not
// only by hue, in the colours of the current palette. Its accessible description says the
// same in words.
class ConvergenceChart : public QWidget {
    Q_OBJECT

public:
    ConvergenceChart(const ChartLayout& layout, QWidget* parent = nullptr);

    void setRecord(const ChartRecord& record);
    // Where a count and a mean are drawn, in the widget's coordinates.
    QPointF position(double count, double mean) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Ranges {
        double firstDecade, lastDecade; // log10 of the counts at the ends of the axis
        double low, high;               // the means at the ends of the axis
    };
    // Where values are drawn, worked out once for a whole drawing.
    struct Scale {
        Ranges ranges;
        QRectF area;

        QPointF at(double count, double mean) const;
    };
    Ranges ranges() const;
    QRectF plotArea(const Ranges& ranges) const;
    Scale scale() const;
    double bandAt(double count) const;
    bool hasExact() const; // else the exact value overflowed: no line and no band
    void describe();

    const ChartLayout& layout_;
    ChartRecord record_;
};

} // namespace ui
