// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/feret/feret.h"
#include "calc/feret/uniform_source.h"

#include <QTest>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

// Plays back a fixed list of draws and counts how many were taken.
struct ScriptedDraws {
    std::vector<float> values;
    std::size_t taken = 0;

    float operator()() { return values.at(taken++ % values.size()); }
};

} // namespace

class TestFeret : public QObject {
    Q_OBJECT

private slots:
    void trialWidth_data();
    void trialWidth();
    void classifyCount_data();
    void classifyCount();
    void exactMean_data();
    void exactMean();
    void standardError_data();
    void standardError();
    void meanWidthDividesByTheTrials();
    void runYieldsBeforeEachDraw();
    void abandonedRunHasNoMean();
    void drawsStayBelowOne_data();
    void drawsStayBelowOne();
    void sourceReplaysTheSameSequence();
    void longRunApproachesTheExactMean();
};

// Expected widths worked out by hand. rad uses pi' = 3.14159265359, which exceeds pi by
// 2.0676e-13, so cos(90 rad) = -(pi' - pi)/2 = -1.0338e-13 rather than +6e-17.
void TestFeret::trialWidth_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<float>("r");
    QTest::addColumn<double>("expected");

    // theta = 0: a + b cos(90 rad) = 5 - 2 * 1.0338e-13. True pi would give 5 exactly.
    QTest::addRow("draw 0, the course's pi") << 5.0 << 2.0 << 0.0f << 4.999999999999793;
    // theta = 45: (a + b) cos(45 rad) = 7 (sqrt(2)/2)(1 - 5.169e-14).
    QTest::addRow("draw 0.5") << 5.0 << 2.0 << 0.5f << 4.949747468305577;
    // r = 0.33333334f: r * 90 = 30.0000009 rounds to the float 30 exactly; a double theta
    // would add 1.2e-8 to the width.
    QTest::addRow("theta rounded to single") << 5.0 << 2.0 << 1.0f / 3.0f << 5.330127018921987;
    // r = 1e-7f: theta = 9.0e-6 and 90 - theta rounds to the float 89.99999237; the double
    // complement 89.999991 would take 4.8e-8 off the width.
    QTest::addRow("complement rounded to single") << 5.0 << 2.0 << 1e-7f << 5.000000266315841;
    // The largest draw, 1 - 2^-24: theta = 89.99999237 and its complement 7.63e-6.
    QTest::addRow("largest draw") << 1.0 << 1.0 << 1.0f - 0x1p-24f << 1.0000001331579422;
}

void TestFeret::trialWidth()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(float, r);
    QFETCH(double, expected);
    const double width = feret::trialWidth(a, b, r);
    QVERIFY2(std::abs(width - expected) <= 2e-15 * expected,
        qPrintable(QString::number(width, 'g', 17) + " vs " + QString::number(expected, 'g', 17)));
}

Q_DECLARE_METATYPE(feret::Count)

void TestFeret::classifyCount_data()
{
    QTest::addColumn<double>("n");
    QTest::addColumn<feret::Count>("count");
    using enum feret::Count;
    QTest::addRow("one") << 1.0 << Whole;
    QTest::addRow("a million") << 1e6 << Whole;
    QTest::addRow("2^53") << 0x1p53 << Whole;
    QTest::addRow("zero") << 0.0 << Zero;
    QTest::addRow("negative zero") << -0.0 << Zero;
    QTest::addRow("fraction below one") << 1e-3 << NotWhole;
    QTest::addRow("fraction above one") << 2.5 << NotWhole;
    QTest::addRow("hugely negative") << -1e300 << NotWhole;
    QTest::addRow("next whole number above 2^53") << 0x1p53 + 2 << TooLarge;
}

void TestFeret::classifyCount()
{
    QFETCH(double, n);
    QFETCH(feret::Count, count);
    QCOMPARE(feret::classifyCount(n), count);
}

// Worked with 30-digit arithmetic: 2(a + b)/pi.
void TestFeret::exactMean_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("mean");
    QTest::addRow("5 x 2") << 5.0 << 2.0 << 4.45633840657306940;
    QTest::addRow("a segment") << 1.0 << 0.0 << 0.636619772367581343;
}

void TestFeret::exactMean()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, mean);
    QVERIFY2(std::abs(feret::exactMean(a, b) - mean) <= 1e-15 * mean,
        qPrintable(QString::number(feret::exactMean(a, b), 'g', 17)));
}

// Worked with 30-digit arithmetic: sigma/sqrt(n), sigma^2 = (a^2 + b^2)/2 + 2ab/pi - (2(a + b)/pi)^2.
void TestFeret::standardError_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("n");
    QTest::addColumn<double>("error"); // NaN: none
    const double none = std::numeric_limits<double>::quiet_NaN();
    QTest::addRow("one trial: sigma itself") << 5.0 << 2.0 << 1.0 << 1.00361632598200107;
    QTest::addRow("a segment, four trials") << 1.0 << 0.0 << 4.0 << 0.153879226530621178;
    QTest::addRow("a point") << 0.0 << 0.0 << 10.0 << 0.0;
    QTest::addRow("no trials") << 5.0 << 2.0 << 0.0 << none;
    QTest::addRow("half a trial") << 5.0 << 2.0 << 0.5 << none;
}

void TestFeret::standardError()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, n);
    QFETCH(double, error);
    const double actual = feret::standardError(a, b, n);
    QVERIFY2(std::isnan(error) ? std::isnan(actual) : std::abs(actual - error) <= 1e-12 * error,
        qPrintable(QString::number(actual, 'g', 17)));
}

void TestFeret::meanWidthDividesByTheTrials()
{
    ScriptedDraws draws{{0.5f, 0.0f, 0.5f}};
    const auto mean = feret::meanWidth(5, 2, 3, std::ref(draws), [] { return true; });
    QVERIFY(mean.has_value());
    QCOMPARE(draws.taken, std::size_t{3});
    const double halfDraw = 4.949747468305577, noDraw = 4.999999999999793; // from trialWidth's rows
    QVERIFY(std::abs(*mean - (2 * halfDraw + noDraw) / 3) <= 1e-14);
}

void TestFeret::runYieldsBeforeEachDraw()
{
    QString events;
    feret::meanWidth(
        5, 2, 3,
        [&] {
            events += 'd';
            return 0.25f;
        },
        [&] {
            events += 'y';
            return true;
        });
    QCOMPARE(events, "ydydyd");
}

void TestFeret::abandonedRunHasNoMean()
{
    ScriptedDraws draws{{0.5f}};
    int yields = 0;
    const auto mean = feret::meanWidth(5, 2, 1e9, std::ref(draws), [&] { return ++yields < 3; });
    QVERIFY(!mean.has_value());
    QCOMPARE(draws.taken, std::size_t{2});
}

// A draw is the top 24 bits of the generator's word times 2^-24: never 1, whatever the word.
void TestFeret::drawsStayBelowOne_data()
{
    QTest::addColumn<std::uint32_t>("word");
    QTest::addColumn<float>("draw");
    QTest::addRow("zero") << 0u << 0.0f;
    QTest::addRow("low bits dropped") << 0xFFu << 0.0f;
    QTest::addRow("smallest step") << 0x100u << 0x1p-24f;
    QTest::addRow("largest word") << 0xFFFFFFFFu << 1.0f - 0x1p-24f;
}

void TestFeret::drawsStayBelowOne()
{
    QFETCH(std::uint32_t, word);
    QFETCH(float, draw);
    const float actual = feret::UniformSource::toUnitFloat(word);
    QVERIFY2(actual == draw, qPrintable(QString::number(actual, 'g', 9))); // exactly: 1 - 2^-24 is close to 1
}

void TestFeret::sourceReplaysTheSameSequence()
{
    feret::UniformSource first;
    feret::UniformSource second;
    for (int i = 0; i < 1000; ++i)
        QVERIFY(first.next() == second.next());
    // The program's one source goes on from where it was, each time it is asked for.
    feret::UniformSource fresh;
    for (int i = 0; i < 3; ++i)
        QVERIFY(feret::processUniformSource().next() == fresh.next());
}

// A long run lands within four standard errors of the exact mean.
void TestFeret::longRunApproachesTheExactMean()
{
    const double a = 5, b = 2, n = 1e6;
    feret::UniformSource source;
    const auto mean = feret::meanWidth(
        a, b, n, [&] { return source.next(); }, [] { return true; });
    QVERIFY(mean.has_value());
    const double exact = feret::exactMean(a, b), error = feret::standardError(a, b, n);
    QVERIFY2(std::abs(*mean - exact) < 4 * error,
        qPrintable(QString("mean %1, exact %2, SE %3").arg(*mean, 0, 'g', 10).arg(exact).arg(error)));
}

QTEST_APPLESS_MAIN(TestFeret)
#include "tst_feret.moc"
