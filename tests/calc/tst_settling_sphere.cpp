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
    void dragVelocity_data();
    void dragVelocity();
    void largestStokesDiameter_data();
    void largestStokesDiameter();
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

// Worked independently with 40-digit arithmetic from the force balance on the velocity,
// 3 pi mu d v (1 + 0.15 Re^0.687) = pi/6 d^3 |rho_p - rho_f| g, and for the Newton regime
// from v^2 = 4 d |rho_p - rho_f| g / (3 * 0.44 rho_f). A NaN velocity: no figure at all.
void TestSettlingAndSphere::dragVelocity_data()
{
    QTest::addColumn<double>("diameter"); // cm
    QTest::addColumn<double>("particleDensity");
    QTest::addColumn<double>("liquidDensity");
    QTest::addColumn<double>("viscosity");
    QTest::addColumn<double>("velocity");
    QTest::addColumn<double>("reynolds");
    QTest::addColumn<bool>("approximate");
    const double none = std::numeric_limits<double>::quiet_NaN();
    // clang-format off
    QTest::addRow("100 um quartz, just past Stokes") << 0.01 << 2.65 << 1.0 << 0.01 << 0.79621002217204329427 << 0.79621002217204329427 << false;
    QTest::addRow("300 um quartz in water at 20 C") << 0.03 << 2.65 << 0.998 << 0.01002 << 4.3210165133745650203 << 12.911300839364718515 << false;
    QTest::addRow("lighter than the liquid rises") << 0.01 << 0.5 << 1.0 << 0.01 << -0.25705820242890793154 << 0.25705820242890793154 << false;
    QTest::addRow("5 mm iron, Newton regime") << 0.5 << 7.87 << 1.0 << 0.01 << 100.99954995399282009 << 5049.9774976996408995 << true;
    QTest::addRow("30 um, where Stokes holds, agrees") << 0.003 << 2.0 << 1.0 << 0.01 << 0.048600754235549223804 << 0.014580226270664767141 << false;
    QTest::addRow("no liquid") << 0.01 << 2.65 << 0.0 << 0.01 << none << none << false;
    QTest::addRow("density not a number") << 0.01 << none << 1.0 << 0.01 << none << none << false;
    QTest::addRow("Archimedes number overflows") << 1e200 << 2.65 << 1.0 << 0.01 << none << none << false;
    // clang-format on
}

void TestSettlingAndSphere::dragVelocity()
{
    QFETCH(double, diameter);
    QFETCH(double, particleDensity);
    QFETCH(double, liquidDensity);
    QFETCH(double, viscosity);
    QFETCH(double, velocity);
    QFETCH(double, reynolds);
    QFETCH(bool, approximate);
    const auto drag = settling::dragVelocity(diameter, particleDensity, liquidDensity, viscosity, 980.0);
    QCOMPARE(drag.has_value(), !std::isnan(velocity));
    if (!drag)
        return;
    QVERIFY2(std::abs(drag->velocity - velocity) <= 1e-13 * std::abs(velocity), qPrintable(text(drag->velocity)));
    QVERIFY2(std::abs(drag->reynolds - reynolds) <= 1e-13 * reynolds, qPrintable(text(drag->reynolds)));
    QCOMPARE(drag->approximate, approximate);
}

void TestSettlingAndSphere::largestStokesDiameter_data()
{
    QTest::addColumn<double>("particleDensity");
    QTest::addColumn<double>("liquidDensity");
    QTest::addColumn<double>("viscosity");
    QTest::addColumn<double>("diameter"); // cm; 0 for none
    // clang-format off
    QTest::addRow("density 2 in water") << 2.0 << 1.0 << 0.01 << 0.0077148735589663627129;
    QTest::addRow("quartz in air") << 2.65 << 1.205e-3 << 1.81e-4 << 0.0036121801161899407977;
    QTest::addRow("no net weight") << 1.0 << 1.0 << 0.01 << 0.0;
    QTest::addRow("no viscosity") << 2.0 << 1.0 << 0.0 << 0.0;
    // clang-format on
}

void TestSettlingAndSphere::largestStokesDiameter()
{
    QFETCH(double, particleDensity);
    QFETCH(double, liquidDensity);
    QFETCH(double, viscosity);
    QFETCH(double, diameter);
    const auto largest = settling::largestStokesDiameter(particleDensity, liquidDensity, viscosity, 980.0);
    QCOMPARE(largest.has_value(), diameter > 0);
    if (largest)
        QVERIFY2(std::abs(*largest - diameter) <= 1e-14 * diameter, qPrintable(text(*largest)));
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
