// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/settling/settling.h"
#include "calc/sphere/sphere.h"
#include "numtext/numtext.h"

#include <QTest>

#include <cmath>
#include <limits>

namespace {

QString text(double value) { return QString::fromStdString(numtext::generalFormat(value)); }

const double kHuge = 1e308;

} // namespace

// The two closed-form calculators, apart from their windows.
class TestSettlingAndSphere : public QObject {
    Q_OBJECT

private slots:
    void stokesVelocity_data();
    void stokesVelocity();
    void stokesVelocityWithoutAFiniteResult_data();
    void stokesVelocityWithoutAFiniteResult();
    void reynoldsNumber_data();
    void reynoldsNumber();
    void initialValues_data();
    void initialValues();
    void initialVolumeOverflows();
    void division_data();
    void division();
    void divisionWithoutAFiniteResult_data();
    void divisionWithoutAFiniteResult();
};

void TestSettlingAndSphere::stokesVelocity_data()
{
    QTest::addColumn<double>("diameter"); // cm
    QTest::addColumn<double>("particleDensity");
    QTest::addColumn<double>("liquidDensity");
    QTest::addColumn<double>("viscosity");
    QTest::addColumn<double>("gravity");
    QTest::addColumn<double>("velocity");
    // clang-format off
    QTest::addRow("30 um particle in water") << 0.003 << 2.0 << 1.0 << 0.01 << 980.0 << 0.049;
    QTest::addRow("quartz, 10 um") << 0.001 << 2.65 << 1.0 << 0.01 << 980.0 << 0.0089833333333333333;
    QTest::addRow("lighter than the liquid rises") << 0.003 << 1.0 << 2.0 << 0.01 << 980.0 << -0.049;
    QTest::addRow("as dense as the liquid stays") << 0.003 << 1.5 << 1.5 << 0.01 << 980.0 << 0.0;
    QTest::addRow("no diameter") << 0.0 << 2.0 << 1.0 << 0.01 << 980.0 << 0.0;
    // clang-format on
}

void TestSettlingAndSphere::stokesVelocity()
{
    QFETCH(double, diameter);
    QFETCH(double, particleDensity);
    QFETCH(double, liquidDensity);
    QFETCH(double, viscosity);
    QFETCH(double, gravity);
    QFETCH(double, velocity);
    const double v = settling::stokesVelocity(diameter, particleDensity, liquidDensity, viscosity, gravity);
    QVERIFY2(std::abs(v - velocity) <= 1e-15 * std::abs(velocity), qPrintable(QString::number(v, 'g', 17)));
}

void TestSettlingAndSphere::stokesVelocityWithoutAFiniteResult_data()
{
    QTest::addColumn<double>("diameter");
    QTest::addColumn<double>("particleDensity");
    QTest::addColumn<double>("viscosity");
    QTest::addColumn<double>("gravity");
    // clang-format off
    QTest::addRow("viscosity 0") << 0.003 << 2.0 << 0.0 << 980.0;
    QTest::addRow("viscosity 0, equal densities") << 0.003 << 1.0 << 0.0 << 980.0;
    QTest::addRow("gravity times density overflows") << 0.003 << 10.0 << 0.01 << kHuge;
    QTest::addRow("squared diameter underflows beside an overflow") << 1e-200 << 10.0 << 0.01 << kHuge;
    QTest::addRow("tiny viscosity") << 0.003 << 2.0 << 1e-320 << 980.0;
    // clang-format on
}

void TestSettlingAndSphere::stokesVelocityWithoutAFiniteResult()
{
    QFETCH(double, diameter);
    QFETCH(double, particleDensity);
    QFETCH(double, viscosity);
    QFETCH(double, gravity);
    QVERIFY(!std::isfinite(settling::stokesVelocity(diameter, particleDensity, 1.0, viscosity, gravity)));
}

void TestSettlingAndSphere::reynoldsNumber_data()
{
    QTest::addColumn<double>("diameter"); // cm
    QTest::addColumn<double>("velocity"); // cm/s
    QTest::addColumn<double>("liquidDensity");
    QTest::addColumn<double>("viscosity");
    QTest::addColumn<double>("reynolds");
    // clang-format off
    QTest::addRow("30 um particle in water") << 0.003 << 0.049 << 1.0 << 0.01 << 0.0147;
    QTest::addRow("rising particle, same size") << 0.003 << -0.049 << 1.0 << 0.01 << 0.0147;
    QTest::addRow("denser liquid") << 0.003 << 0.049 << 2.0 << 0.01 << 0.0294;
    QTest::addRow("at rest") << 0.003 << 0.0 << 1.0 << 0.01 << 0.0;
    // clang-format on
}

void TestSettlingAndSphere::reynoldsNumber()
{
    QFETCH(double, diameter);
    QFETCH(double, velocity);
    QFETCH(double, liquidDensity);
    QFETCH(double, viscosity);
    QFETCH(double, reynolds);
    const double re = settling::reynoldsNumber(diameter, velocity, liquidDensity, viscosity);
    QVERIFY2(std::abs(re - reynolds) <= 1e-15 * reynolds, qPrintable(QString::number(re, 'g', 17)));
}

void TestSettlingAndSphere::initialValues_data()
{
    QTest::addColumn<double>("diameter");
    QTest::addColumn<QString>("volume");
    QTest::addColumn<QString>("surface");
    // clang-format off
    QTest::addRow("unit sphere") << 1.0 << "0.523333333333333" << "3.14";
    QTest::addRow("diameter 2") << 2.0 << "4.18666666666667" << "12.56";
    QTest::addRow("point") << 0.0 << "0" << "0";
    QTest::addRow("negative diameter") << -1.0 << "-0.523333333333333" << "3.14";
    // clang-format on
}

void TestSettlingAndSphere::initialValues()
{
    QFETCH(double, diameter);
    QFETCH(QString, volume);
    QFETCH(QString, surface);
    const sphere::InitialValues initial = sphere::initialValues(diameter);
    QCOMPARE(text(initial.volume), volume);
    QCOMPARE(text(initial.surface), surface);
}

void TestSettlingAndSphere::initialVolumeOverflows() { QVERIFY(std::isinf(sphere::initialValues(1e103).volume)); }

void TestSettlingAndSphere::division_data()
{
    QTest::addColumn<QString>("volume"); // as the first step shows it
    QTest::addColumn<double>("divisions");
    QTest::addColumn<QString>("pieceDiameter");
    QTest::addColumn<QString>("pieceSurface");
    QTest::addColumn<QString>("totalSurface");
    // Halving the diameter doubles the total surface.
    // clang-format off
    QTest::addRow("three divisions") << "0.523333333333333" << 3.0 << "0.5" << "0.785" << "6.28";
    QTest::addRow("no division") << "0.523333333333333" << 0.0 << "1" << "3.14" << "3.14";
    // 2^(1/3), 3.14 * 2^(2/3) and half of that.
    QTest::addRow("merged with another") << "0.523333333333333" << -1.0 << "1.25992104989487" << "4.98443930318014"
                                         << "2.49221965159007";
    // 2^(-10/3), 3.14 * 2^(-20/3) and 3.14 * 2^(10/3).
    QTest::addRow("ten divisions") << "0.523333333333333" << 10.0 << "0.0992125657480125" << "0.0309074382552336"
                                   << "31.6492167733592";
    QTest::addRow("no volume") << "0" << 3.0 << "0" << "0" << "0";
    // clang-format on
}

void TestSettlingAndSphere::division()
{
    QFETCH(QString, volume);
    QFETCH(double, divisions);
    QFETCH(QString, pieceDiameter);
    QFETCH(QString, pieceSurface);
    QFETCH(QString, totalSurface);
    const sphere::Division pieces = sphere::divide(volume.toDouble(), divisions);
    QCOMPARE(text(pieces.pieceDiameter), pieceDiameter);
    QCOMPARE(text(pieces.pieceSurface), pieceSurface);
    QCOMPARE(text(pieces.totalSurface), totalSurface);
}

void TestSettlingAndSphere::divisionWithoutAFiniteResult_data()
{
    QTest::addColumn<double>("volume");
    QTest::addColumn<double>("divisions");
    QTest::addColumn<double>("pieceCount");
    // clang-format off
    QTest::addRow("negative volume") << -1.0 << 3.0 << 8.0;
    QTest::addRow("2^N overflows") << 1.0 << 1024.0 << std::numeric_limits<double>::infinity();
    QTest::addRow("2^N underflows to 0") << 1.0 << -1100.0 << 0.0;
    QTest::addRow("6V overflows") << kHuge << 0.0 << 1.0;
    // clang-format on
}

void TestSettlingAndSphere::divisionWithoutAFiniteResult()
{
    QFETCH(double, volume);
    QFETCH(double, divisions);
    QFETCH(double, pieceCount);
    QCOMPARE(sphere::pieceCount(divisions), pieceCount);
    const sphere::Division pieces = sphere::divide(volume, divisions);
    QVERIFY(!std::isfinite(pieces.pieceDiameter) || !std::isfinite(pieces.pieceSurface)
        || !std::isfinite(pieces.totalSurface));
}

QTEST_APPLESS_MAIN(TestSettlingAndSphere)
#include "tst_settling_sphere.moc"
