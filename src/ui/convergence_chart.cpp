// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/convergence_chart.h"

#include "numtext/numtext.h"
#include "ui/qt_conversions.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <limits>

namespace ui {
namespace {

constexpr double kStandardErrors = 2; // the band's half-width
constexpr double kDotRadius = 4.5;

// "1", "10", then 10 with a raised exponent, drawn rather than written with superscript
// characters: faces that have ¹ ² ³ often lack the others.
void drawDecade(QPainter& painter, QPointF topCentre, int exponent)
{
    const QString base = exponent == 0 ? QStringLiteral("1") : QStringLiteral("10");
    const QString power = exponent >= 2 ? QString::number(exponent) : QString();
    QFont small = painter.font();
    if (small.pointSizeF() > 0)
        small.setPointSizeF(small.pointSizeF() * 0.7);
    else
        small.setPixelSize(std::max(1, small.pixelSize() * 7 / 10));
    const QFontMetricsF metrics(painter.font());
    const double baseWidth = metrics.horizontalAdvance(base);
    const double left = topCentre.x() - (baseWidth + QFontMetricsF(small).horizontalAdvance(power)) / 2;
    const double baseline = topCentre.y() + metrics.ascent();
    painter.drawText(QPointF(left, baseline), base);
    painter.save();
    painter.setFont(small);
    painter.drawText(QPointF(left + baseWidth, baseline - 0.4 * metrics.ascent()), power);
    painter.restore();
}

// Ticks 1, 2 or 5 times a power of ten apart, about five over the span.
struct Ticks {
    double first, step;
    int count, decimals;

    double at(int i) const { return first + i * step; }

    QString label(int i) const
    {
        const double value = std::abs(at(i)) < step / 2 ? 0.0 : at(i); // no "-0.0" from rounding
        if (std::abs(value) < 1e7 && decimals <= 7)
            return QString::number(value, 'f', decimals);
        return QString::number(value, 'g', 6);
    }
};

Ticks ticksOver(double low, double high)
{
    const double rough = (high / 2 - low / 2) / 2.5; // halves: the span itself may overflow
    const double power = std::pow(10, std::floor(std::log10(rough)));
    if (!(power > 0) || !std::isfinite(power))
        return {low, 0, 0, 0}; // a span too narrow for ticks, or no span at all
    double step = 10 * power;
    for (const double multiple : {1, 2, 5}) {
        if (multiple * power >= rough) {
            step = multiple * power;
            break;
        }
    }
    const double first = std::ceil(low / step) * step;
    // Counted, not stepped to the end: near a huge value a tiny step would not advance.
    const double count = std::floor((high - first) / step) + 1;
    const double decimals = -std::floor(std::log10(step));
    return {first, step, std::isfinite(count) ? static_cast<int>(std::clamp(count, 0.0, 20.0)) : 0,
        static_cast<int>(std::clamp(decimals, 0.0, 400.0))};
}

} // namespace

bool ChartSeries::operator==(const ChartSeries& other) const
{
    // Sides too large for sigma give NaN, which must not start the chart afresh at each run.
    const auto same = [](double x, double y) { return x == y || (std::isnan(x) && std::isnan(y)); };
    return heading == other.heading && same(exact, other.exact) && same(sigma, other.sigma);
}

void ChartRecord::add(const ChartSeries& of, ChartRun run)
{
    if (!(of == series)) {
        series = of;
        runs.clear();
    }
    runs.push_back(run);
}

ConvergenceChart::ConvergenceChart(const ChartLayout& layout, QWidget* parent)
    : QWidget(parent),
      layout_(layout)
{
    setObjectName(QStringLiteral("ConvergenceChart"));
    setAccessibleName(toQString(layout.caption));
    setFocusPolicy(Qt::StrongFocus); // so that a screen reader's user can reach it by keyboard
    setMinimumSize(360, 260);
    describe();
}

void ConvergenceChart::setRecord(const ChartRecord& record)
{
    record_ = record;
    describe();
    update();
}

void ConvergenceChart::describe()
{
    if (record_.runs.empty())
        return setAccessibleDescription(toQString(layout_.noRuns));
    QString lines = QString::fromStdString(record_.series.heading) + '\n';
    for (const ChartRun& run : record_.runs) {
        lines += toQString(layout_.countSymbol) + " = " + QString::fromStdString(numtext::generalFormat(run.count))
            + ": " + QString::fromStdString(numtext::fixedDecimal(run.mean, layout_.meanPattern)) + '\n';
    }
    lines += toQString(layout_.exactTitle) + " = "
        + QString::fromStdString(numtext::fixedDecimal(record_.series.exact, layout_.meanPattern));
    setAccessibleDescription(lines);
}

double ConvergenceChart::bandAt(double count) const
{
    const double half = kStandardErrors * record_.series.sigma / std::sqrt(count);
    return std::isfinite(half) ? half : 0; // no band where sigma overflows
}

bool ConvergenceChart::hasExact() const { return std::isfinite(record_.series.exact); }

ConvergenceChart::Ranges ConvergenceChart::ranges() const
{
    if (record_.runs.empty())
        return {0, 4, 0, 1};
    Ranges r{HUGE_VAL, -HUGE_VAL, HUGE_VAL, -HUGE_VAL};
    for (const ChartRun& run : record_.runs) {
        r.firstDecade = std::min(r.firstDecade, std::floor(std::log10(run.count)));
        r.lastDecade = std::max(r.lastDecade, std::ceil(std::log10(run.count)));
        r.low = std::min(r.low, run.mean);
        r.high = std::max(r.high, run.mean);
    }
    r.lastDecade = std::max(r.lastDecade, r.firstDecade + 1);
    if (hasExact()) {
        const double band = bandAt(std::pow(10, r.firstDecade)); // widest at the axis' left end
        r.low = std::min(r.low, record_.series.exact - band);
        r.high = std::max(r.high, record_.series.exact + band);
    }
    // A margin of a twentieth either side, kept within the doubles.
    const double span = r.high / 2 - r.low / 2;
    const double margin = span > 0 ? span / 10 : std::max(std::abs(r.high) / 10, 1.0);
    constexpr double kMost = std::numeric_limits<double>::max();
    return {r.firstDecade, r.lastDecade, std::max(r.low - margin, -kMost), std::min(r.high + margin, kMost)};
}

QRectF ConvergenceChart::plotArea(const Ranges& r) const
{
    const QFontMetricsF metrics(font());
    const Ticks ticks = ticksOver(r.low, r.high);
    double labelWidth = 0;
    for (int i = 0; i < ticks.count; ++i)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(ticks.label(i)));
    const double line = metrics.lineSpacing();
    const double left = 1.5 * line + labelWidth + 8;
    const double top = 2.8 * line;
    const double bottom = 2.6 * line;
    return QRectF(left, top, std::max(1.0, width() - left - 2 * line), std::max(1.0, height() - top - bottom));
}

ConvergenceChart::Scale ConvergenceChart::scale() const
{
    const Ranges r = ranges();
    return {r, plotArea(r)};
}

QPointF ConvergenceChart::Scale::at(double count, double mean) const
{
    const double x = (std::log10(count) - ranges.firstDecade) / (ranges.lastDecade - ranges.firstDecade);
    const double y = (mean / 2 - ranges.low / 2) / (ranges.high / 2 - ranges.low / 2);
    // Far outside the widget at most, and never NaN, whatever the values: the painter
    // converts to integers.
    const auto inReach = [](double pixels) { return std::isnan(pixels) ? 0.0 : std::clamp(pixels, -1e5, 1e5); };
    return {inReach(area.left() + x * area.width()), inReach(area.bottom() - y * area.height())};
}

QPointF ConvergenceChart::position(double count, double mean) const { return scale().at(count, mean); }

void ConvergenceChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colours = palette();
    const QColor ink = colours.color(QPalette::Text);
    QColor band = colours.color(QPalette::Highlight);
    band.setAlphaF(0.3f);
    QColor grid = ink;
    grid.setAlphaF(0.15f);
    painter.fillRect(rect(), colours.color(QPalette::Base));

    const Scale scale = this->scale();
    const Ranges& r = scale.ranges;
    const QRectF& area = scale.area;
    const QFontMetricsF metrics(font());
    const double line = metrics.lineSpacing();

    // The band and the exact line first, the runs over them.
    if (!record_.runs.empty() && hasExact()) {
        QPainterPath funnel;
        constexpr int kSteps = 64;
        const double countSpan = r.lastDecade - r.firstDecade;
        for (int i = 0; i <= kSteps; ++i) {
            const double count = std::pow(10, r.firstDecade + countSpan * i / kSteps);
            const QPointF upper = scale.at(count, record_.series.exact + bandAt(count));
            i == 0 ? funnel.moveTo(upper) : funnel.lineTo(upper);
        }
        for (int i = kSteps; i >= 0; --i) {
            const double count = std::pow(10, r.firstDecade + countSpan * i / kSteps);
            funnel.lineTo(scale.at(count, record_.series.exact - bandAt(count)));
        }
        funnel.closeSubpath();
        painter.save();
        painter.setClipRect(area);
        painter.fillPath(funnel, band);
        painter.strokePath(funnel, QPen(ink, 1, Qt::DashLine));
        const double exactY = scale.at(1, record_.series.exact).y();
        painter.setPen(QPen(ink, 2));
        painter.drawLine(QPointF(area.left(), exactY), QPointF(area.right(), exactY));
        painter.restore();
    }

    // Axes: a tick and a label at each decade, short ticks between; the means' grid.
    painter.setPen(QPen(ink, 1));
    painter.drawRect(area);
    for (int decade = static_cast<int>(r.firstDecade); decade <= static_cast<int>(r.lastDecade); ++decade) {
        const double x = scale.at(std::pow(10, decade), r.low).x();
        painter.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + 6));
        drawDecade(painter, QPointF(x, area.bottom() + 6), decade);
        for (int multiple = 2; multiple < 10 && decade < r.lastDecade; ++multiple) {
            const double minor = scale.at(multiple * std::pow(10, decade), r.low).x();
            painter.drawLine(QPointF(minor, area.bottom()), QPointF(minor, area.bottom() + 3));
        }
    }
    const Ticks ticks = ticksOver(r.low, r.high);
    for (int i = 0; i < ticks.count; ++i) {
        const double mean = ticks.at(i);
        const double y = scale.at(1, mean).y();
        painter.setPen(QPen(grid, 1));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(QPen(ink, 1));
        painter.drawLine(QPointF(area.left() - 5, y), QPointF(area.left(), y));
        painter.drawText(
            QRectF(0, y - line / 2, area.left() - 8, line), Qt::AlignRight | Qt::AlignVCenter, ticks.label(i));
    }
    painter.drawText(QRectF(area.left(), area.bottom() + 1.4 * line, area.width(), line), Qt::AlignHCenter,
        toQString(layout_.countTitle));
    painter.save();
    painter.translate(0.2 * line, area.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-area.height() / 2, 0, area.height(), line), Qt::AlignHCenter | Qt::AlignTop,
        toQString(layout_.meanTitle));
    painter.restore();

    painter.setBrush(colours.color(QPalette::Highlight));
    painter.setPen(QPen(ink, 1.5));
    for (const ChartRun& run : record_.runs)
        painter.drawEllipse(scale.at(run.count, run.mean), kDotRadius, kDotRadius);

    // What is shown: the inputs and the exact value, then a key to the three marks.
    if (record_.runs.empty()) {
        painter.drawText(area, Qt::AlignCenter, toQString(layout_.noRuns));
        return;
    }
    const QString exact = QString::fromStdString(numtext::fixedDecimal(record_.series.exact, layout_.meanPattern));
    painter.drawText(QRectF(area.left(), 0.3 * line, area.width(), line), Qt::AlignLeft,
        QString::fromStdString(record_.series.heading) + "    " + toQString(layout_.exactTitle) + " = " + exact);
    double x = area.left();
    const double keyY = 1.4 * line + line / 2;
    painter.drawEllipse(QPointF(x + kDotRadius, keyY), kDotRadius, kDotRadius);
    x += 2 * kDotRadius + 4;
    const QString runTitle = toQString(layout_.runTitle);
    painter.drawText(QPointF(x, keyY + metrics.ascent() / 2 - 1), runTitle);
    x += metrics.horizontalAdvance(runTitle) + line;
    painter.setPen(QPen(ink, 2));
    painter.drawLine(QPointF(x, keyY), QPointF(x + line, keyY));
    x += line + 4;
    const QString exactTitle = toQString(layout_.exactTitle);
    painter.drawText(QPointF(x, keyY + metrics.ascent() / 2 - 1), exactTitle);
    x += metrics.horizontalAdvance(exactTitle) + line;
    const QRectF swatch(x, keyY - line / 3, line, 2 * line / 3);
    painter.fillRect(swatch, band);
    painter.setPen(QPen(ink, 1, Qt::DashLine));
    painter.drawRect(swatch);
    painter.setPen(QPen(ink, 1));
    painter.drawText(QPointF(x + line + 4, keyY + metrics.ascent() / 2 - 1), toQString(layout_.bandTitle));
}

} // namespace ui
