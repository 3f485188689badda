// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/convergence_chart.h"

#include <QImage>
#include <QTest>

#include <cmath>
#include <limits>

namespace {

enum class Mark { Run, Band, Nothing };

constexpr ui::ChartLayout kLayout{
    .log = "Log",
    .caption = "Chart",
    .command = "Show",
    .countSymbol = "n",
    .countTitle = "count",
    .meanTitle = "mean",
    .runTitle = "run",
    .exactTitle = "exact",
    .bandTitle = "band",
    .meanPattern = "0.0000000",
    .noRuns = "no runs",
};

constexpr double kExact = 4.4563;
constexpr double kSigma = 1.0;
const ui::ChartSeries kSeries{"a = 5, b = 2", kExact, kSigma};

// Half the band's width at a count: two standard errors.
double band(double count) { return 2 * kSigma / std::sqrt(count); }

ui::ChartRecord threeRuns()
{
    ui::ChartRecord record;
    for (const ui::ChartRun run : {ui::ChartRun{10, 4.2}, {1000, 4.47}, {100000, 4.456}})
        record.add(kSeries, run);
    return record;
}

} // namespace

Q_DECLARE_METATYPE(Mark)

// The chart drawn into a picture: where its runs and its band fall. What it tells a screen
// reader is tested through the Feret window.
class TestConvergenceChart : public QObject {
    Q_OBJECT

private slots:
    void marksFallWhereTheValuesAre_data();
    void marksFallWhereTheValuesAre();
    void extremeValuesStillDraw_data();
    void extremeValuesStillDraw();
};

void TestConvergenceChart::marksFallWhereTheValuesAre_data()
{
    QTest::addColumn<double>("count");
    QTest::addColumn<double>("mean");
    QTest::addColumn<Mark>("mark");
    // clang-format off
    QTest::addRow("run at 10") << 10.0 << 4.2 << Mark::Run;
    QTest::addRow("inside the band above") << 100.0 << kExact + 0.75 * band(100) << Mark::Band;
    QTest::addRow("just beyond the band") << 100.0 << kExact + 1.25 * band(100) << Mark::Nothing;
    // The funnel: the same height is inside at a small count and outside at a large one.
    QTest::addRow("wide at 20") << 20.0 << kExact + 0.75 * band(100) << Mark::Band;
    QTest::addRow("narrow at 3000") << 3000.0 << kExact + 0.75 * band(100) << Mark::Nothing;
    // clang-format on
}

void TestConvergenceChart::marksFallWhereTheValuesAre()
{
    QFETCH(double, count);
    QFETCH(double, mean);
    QFETCH(Mark, mark);
    ui::ConvergenceChart chart(kLayout);
    chart.resize(560, 400);
    chart.setRecord(threeRuns());
    QImage picture(chart.size(), QImage::Format_RGB32);
    chart.render(&picture);

    const QColor ground = chart.palette().color(QPalette::Base);
    const QColor dot = chart.palette().color(QPalette::Highlight);
    const QPoint where = chart.position(count, mean).toPoint();
    QVERIFY(chart.rect().contains(where));
    const QColor seen = picture.pixelColor(where);
    switch (mark) {
    case Mark::Run: QCOMPARE(seen, dot); break;
    case Mark::Band: QVERIFY2(seen != ground && seen != dot, qPrintable(seen.name())); break;
    case Mark::Nothing: QCOMPARE(seen, ground); break;
    }
}

// Inputs at the ends of the doubles still give a chart: the runs where they are, and no line
// or band that cannot be drawn. A NaN sigma must not start the record afresh at the second run,
// which would take the first run's dot away.
void TestConvergenceChart::extremeValuesStillDraw_data()
{
    QTest::addColumn<double>("exact");
    QTest::addColumn<double>("sigma");
    QTest::addColumn<double>("mean"); // of the first of two runs; the second is its opposite
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // clang-format off
    QTest::addRow("sigma overflows") << 6.4e307 << HUGE_VAL << 6.3e307;
    QTest::addRow("exact overflows") << HUGE_VAL << nan << 1.2e308;
    QTest::addRow("span overflows") << 0.0 << nan << -1.6e308;
    QTest::addRow("subnormal") << 1e-320 << 1e-321 << 1e-320;
    // clang-format on
}

void TestConvergenceChart::extremeValuesStillDraw()
{
    QFETCH(double, exact);
    QFETCH(double, sigma);
    QFETCH(double, mean);
    ui::ChartRecord record;
    record.add({"extreme", exact, sigma}, {10, mean});
    record.add({"extreme", exact, sigma}, {100, -mean});
    ui::ConvergenceChart chart(kLayout);
    chart.resize(560, 400);
    chart.setRecord(record);
    QImage picture(chart.size(), QImage::Format_RGB32);
    chart.render(&picture);
    const QPoint where = chart.position(10, mean).toPoint();
    QVERIFY2(chart.rect().contains(where), qPrintable(QString("%1, %2").arg(where.x()).arg(where.y())));
    QCOMPARE(picture.pixelColor(where), chart.palette().color(QPalette::Highlight));
}

QTEST_MAIN(TestConvergenceChart)
#include "tst_convergence_chart.moc"
