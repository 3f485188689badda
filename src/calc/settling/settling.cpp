// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/settling/settling.h"

#include <algorithm>
#include <cmath>

namespace settling {

double stokesVelocity(double diameter, double particleDensity, double liquidDensity, double viscosity, double gravity)
{
    const double densityDifference = particleDensity - liquidDensity;
    const double drivingForce = gravity * densityDifference;
    const double diameterSquared = std::pow(diameter, 2);
    const double numerator = diameterSquared * drivingForce;
    const double denominator = viscosity * 18;
    return numerator / denominator;
}

double reynoldsNumber(double diameter, double velocity, double liquidDensity, double viscosity)
{
    return std::abs(liquidDensity * velocity * diameter / viscosity);
}

namespace {

// Drag balances net weight where 18 Re (1 + 0.15 Re^0.687) equals the Archimedes number
// Ar = rho_f |(rho_p - rho_f) g| d^3 / mu^2. The left side is increasing and convex, so
// Newton's method started right of the root walks down to it without overshooting.
std::optional<double> schillerNaumannReynolds(double archimedes)
{
    const auto balance = [archimedes](double re) { return 18 * re + 2.7 * std::pow(re, 1.687) - archimedes; };
    const auto slope = [](double re) { return 18 + 2.7 * 1.687 * std::pow(re, 0.687); };
    // Each term alone reaching Ar puts the start at or right of the root.
    double re = std::min(archimedes / 18, std::pow(archimedes / 2.7, 1 / 1.687));
    constexpr int kMostSteps = 100;
    for (int step = 0; step < kMostSteps && std::isfinite(re); ++step) {
        const double next = re - balance(re) / slope(re);
        if (std::isnan(next))
            return std::nullopt;
        if (next >= re || re - next <= 1e-15 * re)
            return re;
        re = next;
    }
    return std::nullopt;
}

} // namespace

std::optional<DragVelocity> dragVelocity(
    double diameter, double particleDensity, double liquidDensity, double viscosity, double gravity)
{
    const double netWeight = (particleDensity - liquidDensity) * gravity; // per unit volume
    if (!(diameter > 0 && liquidDensity > 0 && viscosity > 0) || !std::isfinite(netWeight))
        return std::nullopt;
    const double archimedes = liquidDensity * std::abs(netWeight) * std::pow(diameter, 3) / (viscosity * viscosity);
    if (!std::isfinite(archimedes))
        return std::nullopt;
    const double direction = netWeight < 0 ? -1 : 1;
    const std::optional<double> re = schillerNaumannReynolds(archimedes);
    if (!re)
        return std::nullopt;
    if (*re <= kSchillerNaumannReynoldsLimit)
        return DragVelocity{direction * *re * viscosity / (liquidDensity * diameter), *re, false};
    // v^2 = 4 d |rho_p - rho_f| g / (3 C_D rho_f)
    const double speed = std::sqrt(4 * diameter * std::abs(netWeight) / (3 * kNewtonDragCoefficient * liquidDensity));
    const double reynolds = liquidDensity * speed * diameter / viscosity;
    if (!std::isfinite(reynolds))
        return std::nullopt;
    return DragVelocity{direction * speed, reynolds, true};
}

std::optional<double> largestStokesDiameter(
    double particleDensity, double liquidDensity, double viscosity, double gravity)
{
    if (!(viscosity > 0))
        return std::nullopt;
    // Re = rho_f |(rho_p - rho_f) g| d^3 / (18 mu^2) with Stokes' velocity.
    const double diameter = std::cbrt(18 * kStokesReynoldsLimit * viscosity * viscosity
        / (liquidDensity * std::abs((particleDensity - liquidDensity) * gravity)));
    if (!std::isfinite(diameter) || !(diameter > 0))
        return std::nullopt;
    return diameter;
}

} // namespace settling
